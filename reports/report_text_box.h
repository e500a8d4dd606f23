#pragma once

#include "reports/report_control.h"
#include "reports/report_font.h"

#include <QFontMetricsF>
#include <QGlyphRun>
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
// no lines. Takes time linear in the text: each word is measured once. *brokeWord, when given,
// tells whether a word had to be broken inside.
QStringList wrapText(const QString &text, const QFontMetricsF &metrics, qreal width,
                     bool *brokeWord = nullptr);

// A text box laid out for one device, in device units from the box's top-left corner.
struct TextBoxLines
{
    // The lines that print: as many of the wrapped lines, from the first, as fit whole in the
    // box's height, and always the first one, even in a box shorter than a line.
    QStringList lines;
    QList<QPointF> baselines; // where each line's baseline starts
    bool clipped = false;     // a line reaches past the box, which cuts it at its edge
    // Every word prints, none broken inside and none past the box's side (the first line may
    // still be taller than a box shorter than a line).
    bool whole = true;
    QList<QGlyphRun> glyphs; // the lines' glyphs, in place
};

// Wraps `text` for a box of `size` (device units of `device`) and places the lines that fit as
// the alignment says: the block of printed lines at the top, in the middle or at the bottom.
TextBoxLines layTextBox(const QString &text, const QFont &font, const QPaintDevice &device,
                        QSizeF size, ReportControl::HAlign hAlign, ReportControl::VAlign vAlign);

// As layTextBox at the font's size. A text that does not print whole and may shrink is laid out
// at the largest smaller size, in steps of 0.5 pt down to 60 % of its size, at which it does;
// when none does, at the smallest of those sizes, whose whole lines that fit print.
TextBoxLines layFittedTextBox(const QString &text, const ReportFont &font,
                              const QPaintDevice &device, QSizeF size, ReportControl::HAlign hAlign,
                              ReportControl::VAlign vAlign, ReportControl::TextFit fit);

// Remembers laid-out text boxes: a booklet prints the same labels on every page, and measuring
// and shaping text costs far more than drawing it.
class TextBoxLayoutCache
{
public:
    const TextBoxLines &lines(const QString &text, const ReportFont &font,
                              const QPaintDevice &device, QSizeF size, ReportControl::HAlign hAlign,
                              ReportControl::VAlign vAlign, ReportControl::TextFit fit);

    // Everything a layout depends on: text, font, box, alignment, fit and the device's
    // resolution.
    struct Key
    {
        QString text;
        ReportFont font;
        QSizeF size;
        int dpiX = 0;
        int dpiY = 0;
        ReportControl::HAlign hAlign{};
        ReportControl::VAlign vAlign{};
        ReportControl::TextFit fit{};
        bool operator==(const Key &other) const = default;
    };

private:
    QHash<Key, TextBoxLines> m_boxes;
};

size_t qHash(const TextBoxLayoutCache::Key &key, size_t seed = 0);

// Draws a laid-out text box at `box` (device units) in black on a transparent background,
// literally (no mnemonics, "&" stays).
void paintTextBox(QPainter &painter, const QRectF &box, const TextBoxLines &laid);
// Lays out `text` and draws it.
void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign);

} // namespace Tavo::Reports
