#include "print/headless_print.h"

#include <cstdio>

namespace Tavo {

int runHeadlessPrint(const CommandLine &, const QString &)
{
    std::fputs("Stampa senza finestre non ancora disponibile\n", stderr);
    return 1;
}

} // namespace Tavo
