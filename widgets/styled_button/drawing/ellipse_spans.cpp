#include "widgets/styled_button/drawing/ellipse_spans.h"

#include <cmath>

namespace Tavo::ButtonDrawing {

QList<RowSpan> ellipseSpans(int x, int y, int width, int height, int inset)
{
    QList<RowSpan> rows;
    const double radiusX = width / 2.0 - inset;
    const double radiusY = height / 2.0 - inset;
    if (radiusX <= 0 || radiusY <= 0)
        return rows;
    const double centreY = height / 2.0;
    const int middle = width / 2;
    for (int row = 0; row < height; ++row) {
        const double dy = (row + 0.5 - centreY) / radiusY;
        const double inside = 1.0 - dy * dy;
        if (inside <= 0)
            continue;
        const double halfWidth = radiusX * std::sqrt(inside);
        // Counted from the centre outwards so that both halves hold the same pixels. With
        // an odd width the middle pixel sits on the centre and its neighbours are 1, 2, ...
        // away; with an even width the pixel centres are 0.5, 1.5, ... away.
        int left = 0;
        int right = 0;
        if (width % 2 != 0) {
            const int side = int(std::ceil(halfWidth)) - 1;
            left = middle - side;
            right = middle + side + 1;
        } else {
            const int side = halfWidth > 0.5 ? int(std::ceil(halfWidth - 0.5)) : 0;
            left = middle - side;
            right = middle + side;
        }
        if (right > left)
            rows.append({y + row, x + left, x + right});
    }
    return rows;
}

} // namespace Tavo::ButtonDrawing
