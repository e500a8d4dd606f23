#include "widgets/styled_button/drawing/pixel_canvas.h"

#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/ellipse_spans.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace Tavo::ButtonDrawing {

PixelCanvas::PixelCanvas(QImage &image) : m_image(image) {}

void PixelCanvas::setPixel(int x, int y, QRgb rgb)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = rgb;
}

void PixelCanvas::xorPixel(int x, int y, QRgb mask)
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    QRgb &pixel = reinterpret_cast<QRgb *>(m_image.scanLine(y))[x];
    pixel = 0xFF000000u | ((pixel ^ mask) & 0x00FFFFFFu);
}

void PixelCanvas::PutPixel(int x, int y, OleColor colour)
{
    setPixel(x, y, toQRgb(colour));
}

void PixelCanvas::DrawRect(int x, int y, int width, int height, OleColor colour, bool outline)
{
    if (width <= 0 || height <= 0)
        return;
    const QRgb rgb = toQRgb(colour);
    // Clip to the image in 64 bits so that far-off rectangles cannot overflow.
    const qint64 left = std::max<qint64>(x, 0);
    const qint64 top = std::max<qint64>(y, 0);
    const qint64 right = std::min<qint64>(qint64(x) + width, m_image.width());
    const qint64 bottom = std::min<qint64>(qint64(y) + height, m_image.height());
    if (!outline) {
        for (qint64 row = top; row < bottom; ++row) {
            QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(int(row)));
            std::fill(line + left, line + std::max(left, right), rgb);
        }
        return;
    }
    const int lastX = int(std::min<qint64>(qint64(x) + width - 1, INT_MAX));
    const int lastY = int(std::min<qint64>(qint64(y) + height - 1, INT_MAX));
    for (qint64 col = left; col < right; ++col) {
        setPixel(int(col), y, rgb);
        setPixel(int(col), lastY, rgb);
    }
    for (qint64 row = top; row < bottom; ++row) {
        setPixel(x, int(row), rgb);
        setPixel(lastX, int(row), rgb);
    }
}

// Bresenham's line as Windows draws it: the major axis is stepped one pixel at a time from
// the start point, the end point is left out, and where the ideal line passes exactly
// half-way between two pixels the choice depends on the direction: lines heading up-right
// mostly horizontally (octant 8), and lines whose minor step goes to the left (octants 3,
// 5 and 6), step on the tie; the others do not.
void PixelCanvas::DrawLine(int x1, int y1, int x2, int y2, OleColor colour)
{
    const QRgb rgb = toQRgb(colour);
    const qint64 dx = qint64(x2) - x1;
    const qint64 dy = qint64(y2) - y1;
    const qint64 absDx = std::abs(dx);
    const qint64 absDy = std::abs(dy);
    int octant = 0;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const qint64 major = xMajor ? absDx : absDy;
    const qint64 minor = xMajor ? absDy : absDx;
    const int stepX = dx < 0 ? -1 : 1;
    const int stepY = dy < 0 ? -1 : 1;
    // The image bounds limit how many pixels can matter: stop once the line has left them
    // for good, so that an absurd length cannot hang the drawing.
    const qint64 limit = std::min<qint64>(major, qint64(m_image.width()) + m_image.height() +
                                                     std::abs(qint64(x1)) + std::abs(qint64(y1)));
    qint64 error = 2 * minor - major;
    qint64 x = x1;
    qint64 y = y1;
    for (qint64 i = 0; i < limit; ++i) {
        if (x >= 0 && y >= 0 && x < m_image.width() && y < m_image.height())
            setPixel(int(x), int(y), rgb);
        if (error + bias > 0) {
            if (xMajor)
                y += stepY;
            else
                x += stepX;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
        if (xMajor)
            x += stepX;
        else
            y += stepY;
    }
}

void PixelCanvas::LineTo(int x, int y, OleColor colour)
{
    DrawLine(m_pen.x(), m_pen.y(), x, y, colour);
    m_pen = QPoint(x, y);
}

void PixelCanvas::DrawEllipse(int x, int y, int width, int height, OleColor pen, OleColor fill)
{
    const QList<RowSpan> outer = ellipseSpans(x, y, width, height);
    const QList<RowSpan> inner = ellipseSpans(x, y, width, height, 2);
    const QRgb penRgb = toQRgb(pen);
    const QRgb fillRgb = toQRgb(fill);
    auto innerRow = inner.cbegin();
    for (const RowSpan &row : outer) {
        while (innerRow != inner.cend() && innerRow->y < row.y)
            ++innerRow;
        const bool hasInside = innerRow != inner.cend() && innerRow->y == row.y;
        for (int col = row.left; col < row.right; ++col) {
            const bool inside = hasInside && col >= innerRow->left && col < innerRow->right;
            setPixel(col, row.y, inside ? fillRgb : penRgb);
        }
    }
}

// The pen runs (e, y) -> (e, e) -> (x, e) in c1, -> (x, y) -> (e - 1, y) in c2, then from
// (e + 1, y - 1) the inner ring -> (e + 1, e + 1) -> (x - 1, e + 1) in c3 and
// -> (x - 1, y - 1) -> (e, y - 1) in c4, with e = |inset|, x = W + inset - 1,
// y = H + inset - 1. Each segment leaves its end pixel to the next.
void PixelCanvas::DrawBevel(int clientWidth, int clientHeight, OleColor c1, OleColor c2,
                            OleColor c3, OleColor c4, int inset, bool singleRing)
{
    const int e = std::abs(inset);
    const int x = clientWidth + inset - 1;
    const int y = clientHeight + inset - 1;
    MoveTo(e, y);
    LineTo(e, e, c1);
    LineTo(x, e, c1);
    LineTo(x, y, c2);
    LineTo(e - 1, y, c2);
    MoveTo(e + 1, y - 1);
    if (singleRing)
        return;
    LineTo(e + 1, e + 1, c3);
    LineTo(x - 1, e + 1, c3);
    LineTo(x - 1, y - 1, c4);
    LineTo(e, y - 1, c4);
}

void PixelCanvas::DrawFocusRect(const QRect &rect, OleColor textColour)
{
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width(); // exclusive
    const int bottom = rect.top() + rect.height();
    if (right <= left || bottom <= top)
        return;
    const QRgb text = toQRgb(textColour) & 0x00FFFFFFu;
    // A 50% grey pattern aligned to the image: its set pixels take the white background
    // colour (so they invert), the others the text colour.
    const auto mark = [&](int px, int py) {
        xorPixel(px, py, ((px + py) % 2 != 0) ? 0x00FFFFFFu : text);
    };
    // Each border pixel exactly once, so that a second drawing restores every pixel.
    for (int px = left; px < right; ++px) {
        mark(px, top);
        if (bottom - 1 != top)
            mark(px, bottom - 1);
    }
    for (int py = top + 1; py < bottom - 1; ++py) {
        mark(left, py);
        if (right - 1 != left)
            mark(right - 1, py);
    }
}

} // namespace Tavo::ButtonDrawing
