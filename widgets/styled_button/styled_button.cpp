#include "widgets/styled_button/styled_button.h"
