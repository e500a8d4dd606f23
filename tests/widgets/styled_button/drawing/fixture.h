#pragma once

// Shared helpers of the drawing tests: images written as character grids, and a renderer set
// up with the classic system colours and a pinned font.

#include "widgets/styled_button/drawing/button_renderer.h"
#include "widgets/styled_button/drawing/color_math.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QStringList>
#include <QTest>

namespace Fixture {

using namespace Tavo::ButtonDrawing;

inline QString rgbText(QRgb c)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// The image as rows of characters separated by '/': each pixel is the character of its colour
// in the table, '?' for any other colour.
inline QString gridOf(const QImage &image, const QHash<QChar, QRgb> &colours)
{
    QString grid;
    for (int y = 0; y < image.height(); ++y) {
        if (y > 0)
            grid += u'/';
        for (int x = 0; x < image.width(); ++x)
            grid += colours.key(image.pixel(x, y) | 0xFF000000u, u'?');
    }
    return grid;
}

// The bounding box of the pixels of one colour.
inline QRect boundsOf(const QImage &image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline QPalette classicPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(236, 233, 216));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(241, 239, 226));
    palette.setColor(QPalette::Dark, QColor(172, 168, 153));
    palette.setColor(QPalette::Shadow, QColor(113, 111, 100));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(49, 106, 197));
    return palette;
}

inline QFont captionFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    return font;
}

// A button of the type with the program's back colour, system colours, no caption.
inline ButtonModel model(int buttonType)
{
    ButtonModel m;
    m.ButtonType = buttonType;
    m.ColorScheme = SystemColors;
    m.BackColor = 14215660;
    m.MaskColor = 0xFFFFFF;
    m.Font = captionFont();
    return m;
}

inline PicturePtr solidPicture(int width, int height, QRgb colour)
{
    auto picture = std::make_shared<ButtonPicture>();
    picture->image = QImage(width, height, QImage::Format_RGB32);
    picture->image.fill(colour);
    return picture;
}

// Sizes, colours and layout for the model, as the widget prepares them before a redraw.
inline void prepare(ButtonRenderer &r, const ButtonModel &m, int width, int height)
{
    r.setClientSize(width, height, m.ButtonType);
    r.ComputeColors(m);
    r.MeasurePicture(m);
    r.LayoutContent(m);
}

inline QImage draw(const ButtonModel &m, quint8 state, int width = 40, int height = 25)
{
    ButtonRenderer r;
    prepare(r, m, width, height);
    r.Redraw(m, state, true);
    return r.image();
}

} // namespace Fixture

using namespace Fixture;
