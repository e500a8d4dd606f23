#include "print/pdf_output_file.h"

#include <QDir>
#include <QFile>

namespace Tavo {

namespace {

bool startsAsPdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

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
    if (m_file.replacesExisting() && !startsAsPdf(m_file.path()))
        return failure(QStringLiteral("esiste già un file con questo nome e non è un PDF: non "
                                      "viene sostituito"));
    return {};
}

QString PdfOutputFile::commit()
{
    if (const QString reason = m_file.commit(); !reason.isEmpty())
        return failure(reason);
    return {};
}

} // namespace Tavo
