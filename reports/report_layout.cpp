#include "reports/report_layout.h"
