#pragma once

#include "reports/report_control.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace Tavo::Reports {

// Breaks `text` into lines no wider than `width` (device units of `metrics`): at blanks where
// possible, inside a word only when the word alone is wider than the box. Line feeds in the
// text start a new line. An empty text gives no lines.
QStringList wrapText(const QString &text, const QFontMetricsF &metrics, qreal width);

// Draws `text` literally (no mnemonics, "&" stays) wrapped inside `box` (device units) with the
// given alignment, clipped to the box, in black on a transparent background.
void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign);

} // namespace Tavo::Reports
