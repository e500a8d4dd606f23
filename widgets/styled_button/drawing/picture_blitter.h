#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QImage>
#include <optional>

namespace Tavo::ButtonDrawing {

// How BlitPicture treats the picture's pixels.
struct BlitOptions
{
    OleColor transparent = 0;      // picture pixels of this colour leave the destination
    bool useTransparent = true;    // false: the transparent colour is drawn like any other
    std::optional<OleColor> solid; // paint every drawn pixel in this colour (a silhouette)
    bool darkOnly = false;         // with solid: pixels with red + green + blue > 384 stay
    bool greyscale = false;
    bool blend = false; // (2 x picture + destination) / 3 per channel
};

// The picture's pixels as they are transferred: width x height RGB32, the picture at the
// top left. An icon is composited over the transparent colour, so its see-through
// surroundings take that colour; a bitmap gives its own pixels. Parts the picture does not
// cover are black.
QImage pictureSurface(const ButtonPicture &picture, int width, int height, OleColor transparent);

// Draws the picture pixel by pixel at (x, y) of the destination, width x height pixels,
// over what the destination already shows. Nothing for a zero size.
void BlitPicture(QImage &destination, int x, int y, int width, int height,
                 const ButtonPicture &picture, const BlitOptions &options);

// The grey level of a colour: round(round(0.3 r) + 0.59 g + 0.11 b), halves to even.
int greyLevel(int red, int green, int blue);

} // namespace Tavo::ButtonDrawing
