#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Line files of the program (Tavo.cfg, Tavo.txt, Export.txt, Province.txt): Windows-1252 text,
// every line ended by CR LF.
namespace Tavo::TextLines {

// Splits bytes into lines: CR LF or a lone CR ends a line, a lone LF is data, and a last line
// without an end still counts. At most maxLines lines are returned (all when negative).
QStringList split(QByteArrayView bytes, qsizetype maxLines = -1);

// The first maxLines lines of a file, read in chunks so that a huge file costs no more than
// what is asked for. Nothing when the file is missing or cannot be read; fewer lines when it
// is short. Each line is cut at maxLineLength characters.
std::optional<QStringList> readFile(const QString &path, qsizetype maxLines,
                                    qsizetype maxLineLength = 64 * 1024);

// Outcome of writing a file; error holds an Italian message for the user when ok is false.
struct WriteResult
{
    bool ok = true;
    QString error;
};

// The bytes of the lines, each followed by CR LF. A CR or LF inside a value would shift every
// later line, so each becomes a blank. Nothing when a character has no Windows-1252 byte;
// badText then receives the value that holds it.
std::optional<QByteArray> encodeLines(const QStringList &lines, QString *badText = nullptr);

// Writes the lines atomically: the old file is replaced only once the new one is complete, so
// a failed write leaves it as it was.
WriteResult writeFile(const QString &path, const QStringList &lines);

// Writes bytes atomically (as writeFile).
WriteResult writeBytes(const QString &path, const QByteArray &bytes);

} // namespace Tavo::TextLines
