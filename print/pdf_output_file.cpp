#include "print/pdf_output_file.h"

#include "core/stale_temporaries.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace Tavo {

namespace {

QString temporaryPrefix(const QFileInfo &target)
{
    return QStringLiteral(".%1.tavo-").arg(target.fileName());
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
    m_temporary.emplace(
        info.absoluteDir().filePath(temporaryPrefix(info) + QStringLiteral("XXXXXX.part")));
}

QString PdfOutputFile::failure(const QString &reason) const
{
    return QStringLiteral("Impossibile scrivere il file PDF %1: %2")
        .arg(QDir::toNativeSeparators(m_target), reason);
}

QString PdfOutputFile::reserve()
{
    const QFileInfo target(m_target);
    removeStaleTemporaries(target.absolutePath(), temporaryPrefix(target), QStringLiteral(".part"));
    if (!m_temporary->open())
        return failure(m_temporary->errorString());
    return {};
}

QString PdfOutputFile::commit()
{
    // A full disk shows as a failed write, when the last buffered bytes go out or earlier.
    QTemporaryFile &file = *m_temporary;
    const qint64 written = file.pos();
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    if (QFileInfo(file.fileName()).size() != written || !endsWithPdfTrailer(file))
        return failure(QStringLiteral("il file è incompleto (disco pieno?)"));
    // Temporary files are private to their owner; the booklet gets the usual permissions.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // QTemporaryFile::close() leaves the file open, and Windows renames no open file: only the
    // object's end lets it go. From here on a failure removes the file by hand.
    const QString temporaryPath = file.fileName();
    file.setAutoRemove(false);
    m_temporary.reset();
    // std::filesystem::rename replaces an existing target in one step, unlike QFile::rename.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporaryPath.toStdU16String()),
                            std::filesystem::path(m_target.toStdU16String()), error);
    if (error) {
        QFile::remove(temporaryPath);
        return failure(QString::fromStdString(error.message()));
    }
    return {};
}

} // namespace Tavo
