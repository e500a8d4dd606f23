#pragma once

#include <QImage>
#include <QPalette>

namespace Tavo::ButtonDrawing {

// A review sheet of the button looks: one row per ButtonType (1 to 14), one column per
// state (up, hover, down, focused as the default button, disabled), each button drawn with a
// caption and a small picture and cut to its window region; then the program's own command
// buttons, each with its picture, on the look the windows use.
class GallerySheet
{
public:
    // The system colours the sheet's buttons take (a classic Windows look).
    static QPalette classicPalette();
    QImage render() const;
};

} // namespace Tavo::ButtonDrawing
