#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QCursor>

#include <optional>

namespace Tavo {

// The pointer of a MousePointer code: 0 the window's default (nothing: the cursor is unset),
// 1 arrow, 2 cross, 3 I-beam, 4 icon, 5 size, 6 size NE-SW, 7 size N-S, 8 size NW-SE,
// 9 size W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and
// question mark, 15 size all, 99 the custom picture (its "HotSpotX"/"HotSpotY" image texts
// give the hot spot, else its centre). Other codes, and 99 without a picture, give nothing.
std::optional<QCursor> cursorForPointer(qint16 code, const ButtonDrawing::PicturePtr &icon);

} // namespace Tavo
