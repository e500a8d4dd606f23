#include "core/text_lines.h"

#include "core/windows1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace Tavo::TextLines {

QStringList split(QByteArrayView bytes, qsizetype maxLines)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n && (maxLines < 0 || lines.size() < maxLines); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines << Windows1252::decode(bytes.sliced(start, i - start));
        if (i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n && (maxLines < 0 || lines.size() < maxLines))
        lines << Windows1252::decode(bytes.sliced(start));
    return lines;
}

std::optional<QStringList> readFile(const QString &path, qsizetype maxLines,
                                    qsizetype maxLineLength)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines;
    QByteArray current;
    bool currentCut = false;
    bool pendingCr =
        false; // the last chunk ended with CR: an LF at the start of the next belongs to it
    constexpr qint64 kChunk = 64 * 1024;
    while (lines.size() < maxLines) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty())
            break;
        for (qsizetype i = 0; i < chunk.size() && lines.size() < maxLines; ++i) {
            const char c = chunk[i];
            if (pendingCr) {
                pendingCr = false;
                if (c == '\n')
                    continue;
            }
            if (c == '\r') {
                lines << Windows1252::decode(current);
                current.clear();
                currentCut = false;
                pendingCr = true;
            } else if (!currentCut) {
                current += c;
                if (current.size() >= maxLineLength)
                    currentCut = true;
            }
        }
    }
    if (file.error() != QFileDevice::NoError && lines.isEmpty() && current.isEmpty())
        return std::nullopt;
    if (!current.isEmpty() && lines.size() < maxLines)
        lines << Windows1252::decode(current);
    return lines;
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
    QSaveFile file(path);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Impossibile scrivere il file %1: %2")
                           .arg(shownPath, file.errorString())};
    if (file.write(bytes) != bytes.size() || !file.commit())
        return {false, QStringLiteral("Impossibile scrivere il file %1: %2")
                           .arg(shownPath, file.errorString())};
    return {};
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
