#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace Tavo::ButtonDrawing {

// Drawing primitives on the raw pixels of an RGB32 image, aliased and with the pixel rules
// of the Windows drawing calls the button was designed with: rectangles exclude their right
// and bottom edge, lines leave out their end point. Pixels outside the image are skipped.
// Colours are 0x00BBGGRR values.
class PixelCanvas
{
public:
    explicit PixelCanvas(QImage &image);

    // The rectangle from (x, y) to (x + width, y + height), right and bottom exclusive,
    // filled or as its one-pixel border. An empty or inverted rectangle draws nothing.
    void DrawRect(int x, int y, int width, int height, OleColor colour, bool outline);
    // The line from (x1, y1) to (x2, y2), end point not drawn, with the pixels of the
    // Windows line algorithm.
    void DrawLine(int x1, int y1, int x2, int y2, OleColor colour);
    void PutPixel(int x, int y, OleColor colour);
    // An ellipse in the box from (x, y) to (x + width, y + height), a 2-pixel edge in the
    // pen colour and the inside in the fill colour.
    void DrawEllipse(int x, int y, int width, int height, OleColor pen, OleColor fill);
    // Two rings of lines along the edge of a clientWidth x clientHeight area, inset pixels
    // in (0 on the edge, -1 one pixel inside): outer top-left c1, outer bottom-right c2,
    // inner top-left c3, inner bottom-right c4; singleRing draws the outer ring only.
    void DrawBevel(int clientWidth, int clientHeight, OleColor c1, OleColor c2, OleColor c3,
                   OleColor c4, int inset, bool singleRing);
    // The dotted focus rectangle: every other pixel of the rectangle's border is inverted
    // and the pixels between are XORed with textColour. Drawing it twice removes it.
    void DrawFocusRect(const QRect &rect, OleColor textColour);

    // Pen position for connected lines: each LineTo draws to the point without it and
    // moves the pen there.
    void MoveTo(int x, int y) { m_pen = QPoint(x, y); }
    void LineTo(int x, int y, OleColor colour);

private:
    void setPixel(int x, int y, QRgb rgb);
    void xorPixel(int x, int y, QRgb mask);

    QImage &m_image;
    QPoint m_pen;
};

} // namespace Tavo::ButtonDrawing
