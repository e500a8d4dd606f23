#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Tavo {

// What the program was started with. Options come first and start with "--"; everything
// else, joined by single blanks, is the argument string "number§NAME*WITH*BLANKS".
struct CommandLine
{
    QString argumentString;
    std::optional<QString> pdfFile;     // --pdf FILE: print to a PDF without windows
    std::optional<QString> printerName; // --stampante NAME: print to a queue without windows
    std::optional<QString> targa;       // --targa PLATE
    std::optional<QString> istruttore;  // --istruttore NAME
    bool help = false;                  // --help
    QString error;                      // Italian message for an unusable command line

    bool isHeadless() const { return pdfFile.has_value() || printerName.has_value(); }

    // Parses the raw arguments (argv without the program name). An argument that is not valid
    // UTF-8 is read as Windows-1252, so a caller that sends the byte 0xA7 for "§" works too.
    static CommandLine parse(const QList<QByteArray> &arguments);

    // The learner of the argument string: the number before the first "§" and the name after
    // it with every "*" as a blank. Nothing when there is no "§".
    struct Learner
    {
        QString aut;
        QString nome;
    };
    std::optional<Learner> learner() const;

    static QString usage();
};

} // namespace Tavo
