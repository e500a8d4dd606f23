#pragma once

class QGroupBox;

namespace Tavo {

// The group boxes of the program's windows look as on Windows: a thin grey frame whose top line
// runs through the middle of the caption. Call it once the frame's font is set.
void setCaptionOnFrameLine(QGroupBox *frame);

} // namespace Tavo
