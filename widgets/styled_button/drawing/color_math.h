#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QRgb>

namespace Tavo::ButtonDrawing {

// Colour arithmetic of the button on plain 0x00BBGGRR values (no system-colour flag).

// An 0x00BBGGRR value from its three channels (each 0-255).
constexpr OleColor rgbColor(int red, int green, int blue)
{
    return OleColor(red) | (OleColor(green) << 8) | (OleColor(blue) << 16);
}
constexpr int redOf(OleColor c)
{
    return int(c & 0xFF);
}
constexpr int greenOf(OleColor c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(OleColor c)
{
    return int((c >> 16) & 0xFF);
}

// The same colour as an opaque QRgb, and back.
QRgb toQRgb(OleColor c);
OleColor fromQRgb(QRgb c);

// Adds amount to each channel; with proportional, blue instead gains blue * amount / 192.
// With softBevel the amount is first halved (toward zero). A positive amount clamps at 255,
// a negative one at 0; integer divisions truncate toward zero.
OleColor ShiftColor(OleColor colour, int amount, bool proportional, bool softBevel);

// Each channel c becomes base + (255 - base) * c / 255, at most 255: a pale version of the
// colour for base 176.
OleColor TintColor(OleColor colour, int base);

// The shift of gradient row i (1-based) over a height: round(-step * i) with
// step = span / height, both the step and the product in single precision (as the looks
// were designed), rounded to the nearest integer with halves to even.
int gradientShift(int span, int height, int row);

} // namespace Tavo::ButtonDrawing
