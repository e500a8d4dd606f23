#pragma once

#include "core/command_line.h"

#include <QString>

namespace Tavo {

// Prints the booklet of the command line's learner without any window (--pdf or --stampante).
// Messages go to standard error. Returns the exit status: 0 printed, 2 a check failed,
// 1 any other failure.
int runHeadlessPrint(const CommandLine &commandLine, const QString &folder);

} // namespace Tavo
