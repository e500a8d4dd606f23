#pragma once

#include "reports/report_control.h"

// Short constructors that keep the layout tables readable, one control per line.
namespace Tavo::Reports::Shorthands {

using H = ReportControl::HAlign;
using V = ReportControl::VAlign;

inline ReportControl text(const char *name, QRect box, const QString &text, const ReportFont &font,
                          H hAlign, V vAlign)
{
    return ReportControl::label(QLatin1String(name), box, text, font, hAlign, vAlign);
}

inline ReportControl rectangle(const char *name, QRect box)
{
    return ReportControl::shape(QLatin1String(name), box, ReportControl::ShapeKind::Rectangle);
}

inline ReportControl ellipse(const char *name, QRect box)
{
    return ReportControl::shape(QLatin1String(name), box, ReportControl::ShapeKind::Ellipse);
}

inline ReportControl line(const char *name, QPoint from, QPoint to,
                          ReportControl::LineStyle style = ReportControl::LineStyle::Solid)
{
    return ReportControl::line(QLatin1String(name), from, to, style);
}

inline ReportControl dashedLine(const char *name, QPoint from, QPoint to)
{
    return line(name, from, to, ReportControl::LineStyle::Dashed);
}

} // namespace Tavo::Reports::Shorthands
