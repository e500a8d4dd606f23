#pragma once

#include <QString>
#include <QTemporaryFile>

#include <optional>

namespace Tavo {

// A PDF written beside its target under a temporary name (".libretto.pdf.tavo-a1B2c3.part")
// and put in place only when complete, so a failed print leaves no partial file and an older
// file of the same name stays intact.
class PdfOutputFile
{
public:
    explicit PdfOutputFile(const QString &target);

    // Creates and opens the temporary file in the target's folder, after removing the ones an
    // interrupted run left there for the same target. Returns an Italian message when the
    // folder is missing or not writable, empty on success.
    QString reserve();
    // The open file the PDF writer writes to; valid after reserve().
    QIODevice *device() { return &*m_temporary; }
    // Checks that the PDF is complete (every byte reached the file, which ends with the PDF
    // trailer) and moves it onto the target, replacing it. Returns an Italian message on
    // failure, empty on success. Without a successful commit() the temporary file is removed.
    QString commit();

private:
    QString failure(const QString &reason) const;

    QString m_target;
    // Empty once commit() has let the file go: QTemporaryFile::close() keeps it open.
    std::optional<QTemporaryFile> m_temporary;
};

} // namespace Tavo
