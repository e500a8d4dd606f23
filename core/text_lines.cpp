#include "core/text_lines.h"

#include "core/atomic_file.h"
#include "core/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace Tavo::TextLines {

namespace {

// Whether the bytes are UTF-8 text that uses it: valid, and holding at least one multi-byte
// sequence (a byte-order mark counts). Plain ASCII reads the same either way.
bool isUtf8(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

// The length of the line end at i: 2 for CR LF, 1 for a lone CR or LF, 0 for no line end.
qsizetype lineEndAt(QByteArrayView bytes, qsizetype i)
{
    if (bytes[i] == '\n')
        return 1;
    if (bytes[i] != '\r')
        return 0;
    return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
}

} // namespace

QStringList split(QByteArrayView bytes, qsizetype maxLines)
{
    const bool utf8 = isUtf8(bytes);
    if (utf8 && bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const auto decode = [utf8](QByteArrayView line) {
        return utf8 ? QString::fromUtf8(line) : Windows1252::decode(line);
    };
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n && (maxLines < 0 || lines.size() < maxLines); ++i) {
        const qsizetype end = lineEndAt(bytes, i);
        if (end == 0)
            continue;
        lines << decode(bytes.sliced(start, i - start));
        i += end - 1;
        start = i + 1;
    }
    if (start < n && (maxLines < 0 || lines.size() < maxLines))
        lines << decode(bytes.sliced(start));
    return lines;
}

std::optional<QStringList> readFile(const QString &path, qsizetype maxLines,
                                    qsizetype maxLineLength)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read in chunks until the lines asked for are complete, the file ends or the bound is
    // reached; `taken` is where the last complete line ends.
    QByteArray bytes;
    qsizetype lines = 0;
    qsizetype taken = 0;
    constexpr qint64 kChunk = 64 * 1024;
    while ((maxLines < 0 || lines < maxLines) && bytes.size() < kMaxFileBytes) {
        const QByteArray chunk = file.read(std::min(kChunk, kMaxFileBytes - bytes.size()));
        if (chunk.isEmpty())
            break;
        qsizetype i = bytes.size();
        bytes += chunk;
        // An LF that ends a CR LF split between two chunks was counted with its CR.
        if (i > 0 && bytes[i - 1] == '\r' && bytes[i] == '\n')
            taken = ++i;
        for (; i < bytes.size() && (maxLines < 0 || lines < maxLines); ++i) {
            const qsizetype end = lineEndAt(bytes, i);
            if (end == 0)
                continue;
            ++lines;
            i += end - 1;
            taken = i + 1;
        }
    }
    if (file.error() != QFileDevice::NoError && bytes.isEmpty())
        return std::nullopt;
    // What follows the lines asked for is not looked at, not even for its encoding; a last
    // line without an end counts only when the file ended within the bound.
    if ((maxLines >= 0 && lines >= maxLines) || !file.atEnd())
        bytes.truncate(taken);
    QStringList result = split(bytes, maxLines);
    for (QString &line : result)
        line.truncate(maxLineLength);
    return result;
}

std::optional<QByteArray> encodeLines(const QStringList &lines, QString *badText)
{
    QByteArray bytes;
    for (QString line : lines) {
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        const auto encoded = Windows1252::encode(line);
        if (!encoded) {
            if (badText)
                *badText = line;
            return std::nullopt;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

WriteResult writeBytes(const QString &path, const QByteArray &bytes)
{
    AtomicFile file(path);
    QString reason = file.open();
    if (reason.isEmpty()) {
        file.device()->write(bytes); // a failed write shows in commit()
        reason = file.commit();
    }
    if (reason.isEmpty())
        return {};
    return {false, QStringLiteral("Impossibile scrivere il file %1: %2")
                       .arg(QDir::toNativeSeparators(path), reason)};
}

WriteResult writeFile(const QString &path, const QStringList &lines)
{
    QString badText;
    const auto bytes = encodeLines(lines, &badText);
    if (!bytes)
        return {false, QStringLiteral("Il file %1 non è stato scritto: il testo \"%2\" contiene "
                                      "caratteri che non si possono salvare.")
                           .arg(QDir::toNativeSeparators(path), badText)};
    return writeBytes(path, *bytes);
}

} // namespace Tavo::TextLines
