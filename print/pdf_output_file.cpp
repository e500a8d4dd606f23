#include "print/pdf_output_file.h"

#include <QDir>

namespace Tavo {

PdfOutputFile::PdfOutputFile(const QString &target) : m_target(target), m_file(target) {}

QString PdfOutputFile::failure(const QString &reason) const
{
    return QStringLiteral("Impossibile scrivere il file PDF %1: %2")
        .arg(QDir::toNativeSeparators(m_target), reason);
}

QString PdfOutputFile::reserve()
{
    if (const QString reason = m_file.open(); !reason.isEmpty())
        return failure(reason);
    return {};
}

QString PdfOutputFile::commit()
{
    if (const QString reason = m_file.commit(); !reason.isEmpty())
        return failure(reason);
    return {};
}

} // namespace Tavo
