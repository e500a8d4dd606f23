#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QPalette>

namespace Tavo::ButtonDrawing {

// Windows system-colour indexes the button uses.
enum SystemColorIndex : int
{
    ColorHighlight = 13,
    ColorButtonFace = 15,
    ColorButtonShadow = 16,
    ColorButtonText = 18,
    ColorButtonHighlight = 20,
    ColorDarkShadow = 21,
    ColorLight = 22,
};

// The system colour of a Windows index, taken from the palette through one mapping table;
// an index without a mapping gives black, as a failed translation does.
OleColor systemColor(int index, const QPalette &palette);

// A stored colour resolved to RGB: a value with the system-colour flag names a system
// colour by its low byte, any other value is its own RGB (top byte dropped).
OleColor TranslateColor(OleColor colour, const QPalette &palette);

// The palette system colours come from: the application's, or Qt's default without one.
QPalette applicationPalette();

} // namespace Tavo::ButtonDrawing
