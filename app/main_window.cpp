#include "app/main_window.h"

namespace Tavo {

Form1::Form1(QWidget *parent) : QWidget(parent) {}

} // namespace Tavo
