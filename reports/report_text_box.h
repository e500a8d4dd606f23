#pragma once

#include "reports/report_control.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace Tavo::Reports {

// Breaks `text` into lines no wider than `width` (device units of `metrics`): at blanks where
// possible, inside a word only when the word alone is wider than the box. Blanks inside a line
// are kept as they are; a line feed (LF or CR LF) starts a new line. A text of blanks only gives
// no lines.
QStringList wrapText(const QString &text, const QFontMetricsF &metrics, qreal width);

// Draws `text` literally (no mnemonics, "&" stays) wrapped inside `box` (device units) with the
// given alignment, clipped to the box, in black on a transparent background.
void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign);

} // namespace Tavo::Reports
