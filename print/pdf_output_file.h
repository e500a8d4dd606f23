#pragma once

#include <QString>
#include <QTemporaryFile>

namespace Tavo {

// A PDF written beside its target under a temporary name and put in place only when complete,
// so a failed print leaves no partial file and an older file of the same name stays intact.
class PdfOutputFile
{
public:
    explicit PdfOutputFile(const QString &target);

    // Creates the temporary file in the target's folder. Returns an Italian message when the
    // folder is missing or not writable, empty on success.
    QString reserve();
    // The file the printer writes to; valid after reserve().
    QString temporaryPath() const { return m_temporary.fileName(); }
    // Moves the finished file onto the target (replacing it). Returns an Italian message on
    // failure, empty on success. Without commit() the temporary file is removed.
    QString commit();

private:
    QString m_target;
    QTemporaryFile m_temporary;
};

} // namespace Tavo
