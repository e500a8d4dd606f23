#pragma once

#include <QWidget>

namespace Tavo {
class StyledButton;
}
