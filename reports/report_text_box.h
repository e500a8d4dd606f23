#pragma once

#include "reports/report_control.h"

#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QRectF>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace Tavo::Reports {

// Breaks `text` into lines no wider than `width` (device units of `metrics`): at blanks where
// possible, inside a word only when the word alone is wider than the box. Blanks inside a line
// are kept as they are; a line feed (LF or CR LF) starts a new line. A text of blanks only gives
// no lines.
QStringList wrapText(const QString &text, const QFontMetricsF &metrics, qreal width);

// The lines of a wrapped text box and the baseline where each starts, in device units from the
// box's top-left corner.
struct TextBoxLines
{
    QStringList lines;
    QList<QPointF> baselines;
};

// Wraps and aligns `text` inside a box of `size` (device units of `device`).
TextBoxLines layTextBox(const QString &text, const QFont &font, const QPaintDevice &device,
                        QSizeF size, ReportControl::HAlign hAlign, ReportControl::VAlign vAlign);

// Remembers laid-out text boxes: a booklet prints the same labels on every page, and measuring
// text for wrapping costs far more than drawing it.
class TextBoxLayoutCache
{
public:
    const TextBoxLines &lines(const QString &text, const QFont &font, const QPaintDevice &device,
                              QSizeF size, ReportControl::HAlign hAlign,
                              ReportControl::VAlign vAlign);

private:
    QHash<QString, TextBoxLines> m_boxes;
};

// Draws `text` literally (no mnemonics, "&" stays) wrapped inside `box` (device units) with the
// given alignment, clipped to the box, in black on a transparent background. With a cache, a
// box laid out before is not measured again.
void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign,
                  TextBoxLayoutCache *cache = nullptr);

} // namespace Tavo::Reports
