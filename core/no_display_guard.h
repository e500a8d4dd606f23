#pragma once

#include <QtGlobal>

namespace Tavo {

// Guards the start of the windowed program where no screen is available (a terminal over ssh,
// a service). Qt would abort with its own English advice to reinstall the application; while
// the guard lives, Qt's messages about its platform are held back and a fatal one becomes one
// Italian line on standard error, naming the options that print without windows, and exit
// status 1. Create it right before the application object and drop it right after.
class NoDisplayGuard
{
public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard &) = delete;
    NoDisplayGuard &operator=(const NoDisplayGuard &) = delete;

    // The line printed when no screen is available.
    static const char *message();
};

} // namespace Tavo
