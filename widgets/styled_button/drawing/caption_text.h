#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace Tavo::ButtonDrawing {

// A caption as the button shows it: wrapped at word breaks within a width, centred line by
// line, with "&" marking the next character as underlined ("&&" shows one "&"). Measured and
// drawn aliased, with the font's own line height and no vertical centring.
class CaptionText
{
public:
    CaptionText(const QString &text, const QFont &font);

    // The rectangle the caption needs when wrapped at the width of rect: rect's left and
    // top, right at the widest line (which may pass rect's right when a word does not fit),
    // bottom below the last line. An empty caption gives an empty rectangle at rect's top
    // left.
    QRect measure(const QRect &rect) const;
    // Draws the caption wrapped at the width of rect, each line centred between rect's
    // left and right, the first line at rect's top, in the colour (0x00BBGGRR).
    void draw(QImage &image, const QRect &rect, OleColor colour) const;

    // The lines shown for a width, the "&" marks removed.
    QStringList lines(int width) const;

private:
    struct Line
    {
        QString text;  // as displayed
        int underline; // index of the underlined character in text, -1 for none
    };
    QList<Line> wrap(int width) const;
    int advance(const QString &text) const;

    QString m_text;
    QFont m_font;
};

} // namespace Tavo::ButtonDrawing
