#pragma once

#include "core/text_lines.h"

#include <QString>

namespace Tavo {

// Plate, instructor and printer of the last print, kept in Tavo.txt (three lines).
struct RememberedValues
{
    QString targa;
    QString istruttore;
    QString stampante;

    // The values of folder/Tavo.txt; empty for what is missing. Reading is silent.
    static RememberedValues read(const QString &folder);
    // Replaces folder/Tavo.txt atomically with the three values.
    static TextLines::WriteResult write(const QString &folder, const RememberedValues &values);

    bool operator==(const RememberedValues &) const = default;
};

} // namespace Tavo
