#include "core/text_lines.h"

#include "core/stale_temporaries.h"
#include "core/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

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
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines;
    QByteArray current;
    bool currentCut = false;
    // The last chunk ended with CR: an LF at the start of the next belongs to it.
    bool pendingCr = false;
    qint64 left = kMaxFileBytes;
    constexpr qint64 kChunk = 64 * 1024;
    while (lines.size() < maxLines && left > 0) {
        const QByteArray chunk = file.read(std::min(kChunk, left));
        if (chunk.isEmpty())
            break;
        left -= chunk.size();
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
    const bool endReached = left > 0 || file.atEnd();
    if (!current.isEmpty() && lines.size() < maxLines && endReached)
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

namespace {

WriteResult writeFailure(const QString &path, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(path);
    // Some of Qt's reasons name the file already.
    if (reason.contains(shown))
        return {false, QStringLiteral("Impossibile scrivere il file. %1").arg(reason)};
    return {false, QStringLiteral("Impossibile scrivere il file %1: %2").arg(shown, reason)};
}

} // namespace

WriteResult writeBytes(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes beside its target under the target's name and six letters or digits
    // ("Tavo.txt.a1B2c3").
    const QFileInfo target(path);
    removeStaleTemporaries(target.absolutePath(), target.fileName() + u'.');
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // Unbuffered, a failed write shows at once: QSaveFile would otherwise find a full disk only
    // when flushing at commit, and still put the cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError ||
        file.size() != bytes.size()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("il disco è pieno");
        file.cancelWriting();
        return writeFailure(path, reason);
    }
    if (!file.commit())
        return writeFailure(path, file.errorString());
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
