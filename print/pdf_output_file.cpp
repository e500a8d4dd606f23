#include "print/pdf_output_file.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

namespace Tavo {

namespace {

QString temporaryPrefix(const QFileInfo &target)
{
    return QStringLiteral(".%1.tavo-").arg(target.fileName());
}

// Temporary files of the same target that have not changed for a minute belong to no print in
// progress: a run killed while writing left them.
void removeStaleTemporaries(const QFileInfo &target)
{
    const QString prefix = temporaryPrefix(target);
    static const QRegularExpression ours(QStringLiteral("^[A-Za-z0-9]{6}\\.part$"));
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList candidates = target.absoluteDir().entryInfoList(
        {prefix + QStringLiteral("*.part")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &candidate : candidates) {
        if (ours.match(candidate.fileName().mid(prefix.size())).hasMatch() &&
            candidate.lastModified().toUTC() < staleBefore)
            QFile::remove(candidate.filePath());
    }
}

// Whether the last bytes of the file hold the end-of-file marker of a PDF.
bool endsWithPdfTrailer(QIODevice &file)
{
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - 32)))
        return false;
    return file.read(32).contains("%%EOF");
}

} // namespace

PdfOutputFile::PdfOutputFile(const QString &target) : m_target(target)
{
    const QFileInfo info(target);
    m_temporary.setFileTemplate(
        info.absoluteDir().filePath(temporaryPrefix(info) + QStringLiteral("XXXXXX.part")));
}

QString PdfOutputFile::failure(const QString &reason) const
{
    return QStringLiteral("Impossibile scrivere il file PDF %1: %2")
        .arg(QDir::toNativeSeparators(m_target), reason);
}

QString PdfOutputFile::reserve()
{
    removeStaleTemporaries(QFileInfo(m_target));
    if (!m_temporary.open())
        return failure(m_temporary.errorString());
    return {};
}

QString PdfOutputFile::commit()
{
    // A full disk shows as a failed write, when the last buffered bytes go out or earlier.
    const qint64 written = m_temporary.pos();
    if (!m_temporary.flush() || m_temporary.error() != QFileDevice::NoError)
        return failure(m_temporary.errorString());
    if (QFileInfo(m_temporary.fileName()).size() != written || !endsWithPdfTrailer(m_temporary))
        return failure(QStringLiteral("il file è incompleto (disco pieno?)"));
    m_temporary.close();
    // Temporary files are private to their owner; the booklet gets the usual permissions.
    m_temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // std::filesystem::rename replaces an existing target in one step, unlike QFile::rename.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(m_temporary.fileName().toStdU16String()),
                            std::filesystem::path(m_target.toStdU16String()), error);
    if (error)
        return failure(QString::fromStdString(error.message()));
    m_temporary.setAutoRemove(false);
    return {};
}

} // namespace Tavo
