#pragma once

#include <QString>

namespace Tavo {

// Turns an exported list of provinces (Export.txt: a header line, then "code;NAME" lines)
// into the lines that define the province table (Province.txt: Prov(1)="AG;AGRIGENTO", ...).
// Lines of the foreign code EE are dropped; any other line is copied as it stands.
class ProvinceConverter
{
public:
    struct Result
    {
        bool ok = false;
        int rows = 0;  // lines written
        QString error; // Italian message when ok is false
    };

    // Reads folder/Export.txt whole, as the settings file is read (any line ends, UTF-8 or
    // Windows-1252, a regular file within the same bound), before writing folder/Province.txt
    // atomically, so a missing or unusable input leaves an existing Province.txt as it was.
    static Result convert(const QString &folder);

    // The output lines for the input lines (header included).
    static QStringList convertLines(const QStringList &input);
};

} // namespace Tavo
