#include "reports/report_control.h"

#include <algorithm>
#include <cstdlib>

namespace Tavo::Reports {

ReportControl::ReportControl(Kind kind, const QString &name) : m_kind(kind), m_name(name) {}

ReportControl ReportControl::label(const QString &name, const QRect &box, const QString &text,
                                   const ReportFont &font, HAlign hAlign, VAlign vAlign)
{
    ReportControl control(Kind::Label, name);
    control.m_box = box;
    control.m_text = text;
    control.m_font = font;
    control.m_hAlign = hAlign;
    control.m_vAlign = vAlign;
    return control;
}

ReportControl ReportControl::field(const QString &name, const QRect &box, const QString &dataField,
                                   const QString &designText, const ReportFont &font, HAlign hAlign,
                                   VAlign vAlign)
{
    ReportControl control = label(name, box, designText, font, hAlign, vAlign);
    control.m_kind = Kind::Field;
    control.m_dataField = dataField;
    return control;
}

ReportControl ReportControl::shape(const QString &name, const QRect &box, ShapeKind shapeKind)
{
    ReportControl control(Kind::Shape, name);
    control.m_box = box;
    control.m_shapeKind = shapeKind;
    return control;
}

ReportControl ReportControl::line(const QString &name, const QPoint &from, const QPoint &to,
                                  LineStyle style)
{
    ReportControl control(Kind::Line, name);
    control.m_from = from;
    control.m_to = to;
    control.m_lineStyle = style;
    return control;
}

ReportControl ReportControl::pageBreak(const QString &name, int top)
{
    ReportControl control(Kind::PageBreak, name);
    control.m_box = QRect(0, top, 0, 0);
    return control;
}

ReportControl ReportControl::dataControl(const QString &name, const QRect &box)
{
    ReportControl control(Kind::DataControl, name);
    control.m_box = box;
    return control;
}

QRect ReportControl::box() const
{
    if (m_kind != Kind::Line)
        return m_box;
    const int left = std::min(m_from.x(), m_to.x());
    const int top = std::min(m_from.y(), m_to.y());
    return QRect(left, top, std::abs(m_to.x() - m_from.x()), std::abs(m_to.y() - m_from.y()));
}

int ReportControl::top() const
{
    return box().top();
}

ReportControl ReportControl::renamed(const QString &name) const
{
    ReportControl copy = *this;
    copy.m_name = name;
    return copy;
}

ReportControl ReportControl::movedRight(int twips) const
{
    ReportControl copy = *this;
    copy.m_box.translate(twips, 0);
    copy.m_from.rx() += twips;
    copy.m_to.rx() += twips;
    return copy;
}

ReportControl ReportControl::withBox(const QRect &box) const
{
    ReportControl copy = *this;
    if (m_kind == Kind::Line) {
        copy.m_from = box.topLeft();
        copy.m_to = QPoint(box.left() + box.width(), box.top() + box.height());
    } else {
        copy.m_box = box;
    }
    return copy;
}

ReportControl ReportControl::boundTo(const QString &dataField, const QString &designText) const
{
    ReportControl copy = *this;
    copy.m_kind = Kind::Field;
    copy.m_dataField = dataField;
    copy.m_text = designText;
    return copy;
}

} // namespace Tavo::Reports
