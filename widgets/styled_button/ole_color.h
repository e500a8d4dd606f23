#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QColor>

namespace Tavo {

// A colour as the button stores it: red in the low byte, then green, then blue.
inline ButtonDrawing::OleColor toOleColor(const QColor &colour)
{
    return ButtonDrawing::OleColor(colour.red()) | ButtonDrawing::OleColor(colour.green()) << 8 |
           ButtonDrawing::OleColor(colour.blue()) << 16;
}

} // namespace Tavo
