#pragma once

#include "core/command_line.h"

#include <QString>

namespace Tavo {

// Prints the booklet of the command line's learner without any window (--pdf or --stampante).
// Messages go to standard error. Returns the exit status: 0 printed, 2 the learner's data
// failed a check (nothing printed), 1 any other failure (nothing printed), 3 printed but the
// remembered values (Tavo.txt) not saved.
int runHeadlessPrint(const CommandLine &commandLine, const QString &folder);

} // namespace Tavo
