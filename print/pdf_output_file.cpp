#include "print/pdf_output_file.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace Tavo {

PdfOutputFile::PdfOutputFile(const QString &target) : m_target(target)
{
    const QFileInfo info(target);
    m_temporary.setFileTemplate(
        info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(info.fileName())));
}

QString PdfOutputFile::reserve()
{
    // The printer opens the file by name, so it is created here and closed again.
    if (!m_temporary.open())
        return QStringLiteral("Impossibile scrivere il file PDF %1: %2")
            .arg(QDir::toNativeSeparators(m_target), m_temporary.errorString());
    m_temporary.close();
    return {};
}

QString PdfOutputFile::commit()
{
    // Temporary files are private to their owner; the booklet gets the usual permissions.
    m_temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // std::filesystem::rename replaces an existing target in one step, unlike QFile::rename.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_temporary.fileName()).toStdString(),
                            QFile::encodeName(m_target).toStdString(), error);
    if (error)
        return QStringLiteral("Impossibile scrivere il file PDF %1: %2")
            .arg(QDir::toNativeSeparators(m_target), QString::fromStdString(error.message()));
    m_temporary.setAutoRemove(false);
    return {};
}

} // namespace Tavo
