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

// The most bytes read from one file: the program's files hold a few hundred.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

// The first maxLines lines of a file, read in chunks so that a huge file costs no more than
// what is asked for. Nothing when the file is missing, cannot be read or is no regular file (a
// device or a pipe could block or never end); fewer lines when it is short. Reading stops
// after kMaxFileBytes: a line not ended by then counts as absent. Each line is cut at
// maxLineLength characters.
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

// Writes the lines atomically: the old file is replaced only once every byte of the new one has
// reached the disk, so a failed write (a full disk) leaves it as it was and says why. Where the
// folder takes no new files but the file itself may be written, the file is rewritten in place,
// still checked byte for byte. Temporary files that an interrupted save of the same file left
// behind are removed.
WriteResult writeFile(const QString &path, const QStringList &lines);

// Writes bytes (as writeFile).
WriteResult writeBytes(const QString &path, const QByteArray &bytes);

} // namespace Tavo::TextLines
