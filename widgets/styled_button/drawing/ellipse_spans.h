#pragma once

#include <QList>

namespace Tavo::ButtonDrawing {

// One pixel row of an ellipse: the pixels left <= x < right of row y.
struct RowSpan
{
    int y = 0;
    int left = 0;
    int right = 0;
};

// The rows of the ellipse inscribed in the box x, y, width, height (right and bottom
// exclusive): the pixels whose centres lie inside it, shrunk by inset pixels on every side.
// Symmetric left to right and top to bottom; rows without a pixel are left out.
QList<RowSpan> ellipseSpans(int x, int y, int width, int height, int inset = 0);

} // namespace Tavo::ButtonDrawing
