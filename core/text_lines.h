#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Line files of the program (Tavo.cfg, Tavo.txt, Export.txt, Province.txt). They are written in
// Windows-1252 with every line ended by CR LF; they are read as any editor may have left them.
namespace Tavo::TextLines {

// Splits bytes into lines: CR LF, a lone CR and a lone LF each end a line, and a last line
// without an end still counts. Bytes that are valid UTF-8 and hold a multi-byte sequence (a
// byte-order mark, which is dropped, counts) are UTF-8; any others are Windows-1252. At most
// maxLines lines are returned (all when negative).
QStringList split(QByteArrayView bytes, qsizetype maxLines = -1);

// The most bytes read from one file: the program's files hold a few hundred.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

// The first maxLines lines of a file (all when negative), as split() reads them; what follows
// them is not read. Nothing when the file is missing, cannot be read or is no regular file (a
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

// Writes the lines whole or not at all, through AtomicFile: a failed write (a full disk) leaves
// the old file as it was, and the error says why and that the old file is intact.
WriteResult writeFile(const QString &path, const QStringList &lines);

// Writes bytes (as writeFile).
WriteResult writeBytes(const QString &path, const QByteArray &bytes);

} // namespace Tavo::TextLines
