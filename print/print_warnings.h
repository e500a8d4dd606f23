#pragma once

#include "core/settings.h"
#include "print/print_command.h"

#include <QList>
#include <QString>

namespace Tavo {

// A reason to think twice before printing, found before anything prints. The operator may
// print anyway or go back and correct it.
struct PrintWarning
{
    QString message; // Italian, one line
    // The main window's field to go back to; None when the value is not in the main window
    // (the school's data and the print parameters are changed in the configuration window).
    InputCheck::Field field = InputCheck::Field::None;

    bool operator==(const PrintWarning &) const = default;
};

// Every warning about printing `input` with `settings`: the values that would not print whole
// in their places on the booklet, in the order of the main window's fields, then the school's.
// Asks no printer and shows no window; values that fail checkPrintInput or the settings'
// limits are the print command's to refuse.
QList<PrintWarning> findPrintWarnings(const PrintInput &input, const Settings &settings);

} // namespace Tavo
