#include "widgets/styled_button/drawing/picture_blitter.h"

#include "widgets/styled_button/drawing/color_math.h"

#include <QPainter>

#include <cmath>

namespace Tavo::ButtonDrawing {

int greyLevel(int red, int green, int blue)
{
    // std::nearbyint rounds halves to even in the default rounding mode; the constants are
    // doubles on purpose (a float 0.3 would turn pure red into 77).
    return int(std::nearbyint(std::nearbyint(0.3 * red) + 0.59 * green + 0.11 * blue));
}

QImage pictureSurface(const ButtonPicture &picture, int width, int height, OleColor transparent)
{
    QImage surface(width, height, QImage::Format_RGB32);
    if (surface.isNull())
        return surface;
    QPainter painter(&surface);
    if (picture.kind == ButtonPicture::Kind::Icon) {
        surface.fill(QColor::fromRgb(toQRgb(transparent)));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(QPoint(0, 0), picture.image);
    } else {
        surface.fill(Qt::black);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), picture.image.convertToFormat(QImage::Format_RGB32));
    }
    return surface;
}

void BlitPicture(QImage &destination, int x, int y, int width, int height,
                 const ButtonPicture &picture, const BlitOptions &options)
{
    if (width <= 0 || height <= 0)
        return;
    const QImage source = pictureSurface(picture, width, height, options.transparent);
    if (source.isNull())
        return;
    const QRgb transparent = toQRgb(options.transparent) & 0x00FFFFFFu;
    for (int row = 0; row < height; ++row) {
        const int destY = y + row;
        if (destY < 0 || destY >= destination.height())
            continue;
        const QRgb *from = reinterpret_cast<const QRgb *>(source.constScanLine(row));
        QRgb *to = reinterpret_cast<QRgb *>(destination.scanLine(destY));
        for (int col = 0; col < width; ++col) {
            const int destX = x + col;
            if (destX < 0 || destX >= destination.width())
                continue;
            const QRgb p = from[col] & 0x00FFFFFFu;
            const QRgb d = to[destX];
            if (options.useTransparent && p == transparent)
                continue;
            QRgb result = p;
            if (options.solid) {
                if (options.darkOnly && qRed(p) + qGreen(p) + qBlue(p) > 384)
                    continue;
                result = toQRgb(*options.solid);
            } else if (options.greyscale) {
                const int g = greyLevel(qRed(p), qGreen(p), qBlue(p));
                result = qRgb(g, g, g);
            } else if (options.blend) {
                result = qRgb((2 * qRed(p) + qRed(d)) / 3, (2 * qGreen(p) + qGreen(d)) / 3,
                              (2 * qBlue(p) + qBlue(d)) / 3);
            }
            to[destX] = 0xFF000000u | result;
        }
    }
}

} // namespace Tavo::ButtonDrawing
