#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QSize>

namespace Tavo::ButtonDrawing {

// A picture has a physical size, as a picture object has its HIMETRIC size: its image's pixels
// at the image's own resolution (a PNG's pHYs chunk; an image made in code has the screen's).
// The button measures and draws it at the resolution of the screen it is on, so a picture made
// for 96 dots per inch keeps its size beside a caption that grows with the screen's resolution.

// The picture's size in HIMETRIC units (hundredths of a millimetre), each rounded to the
// nearest; an image without a resolution counts as 96 dots per inch.
QSize himetricSize(const QImage &image);

// A HIMETRIC size in pixels at a resolution in dots per inch, each rounded to the nearest.
QSize himetricToPixels(QSize himetric, double dpiX, double dpiY);

// The picture as the button shows it at a resolution: its image resized to its HIMETRIC size
// at that resolution, pixel for pixel (smoothing would mix its edges with the mask colour and
// bring back halos). The same picture when the size does not change.
ButtonPicture atResolution(const ButtonPicture &picture, double dpiX, double dpiY);

} // namespace Tavo::ButtonDrawing
