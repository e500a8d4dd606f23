#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Helpers for probing painted images: a white sheet at a chosen resolution and the box that
// holds its dark pixels.
namespace Ink {

inline QImage sheet(QSize pixels, int dpi, QColor background = Qt::white)
{
    QImage image(pixels, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(background);
    return image;
}

inline bool isInk(QRgb pixel)
{
    return qGray(pixel) < 96;
}

// The smallest rectangle holding every ink pixel within `area`; null when there is none.
inline QRect inkBox(const QImage &image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace Ink
