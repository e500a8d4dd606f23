#pragma once

#include "core/atomic_file.h"

#include <QString>

namespace Tavo {

// The booklet's PDF file, written whole or not at all (AtomicFile): a failed print leaves no
// partial file, and an older file of the same name stays intact. Only an older PDF is
// replaced: any other file of that name (a document, the settings, the program) is left alone.
class PdfOutputFile
{
public:
    explicit PdfOutputFile(const QString &target);

    // Opens the file the PDF writer writes to. Returns an Italian message naming the file when
    // it cannot be written or is an existing file that is not a PDF, empty on success.
    QString reserve();
    // Where the PDF writer writes; valid after reserve().
    QIODevice *device() { return m_file.device(); }
    // Puts the complete PDF in place. Returns an Italian message on failure, empty on
    // success. Without a successful commit() no file changes.
    QString commit();

private:
    QString failure(const QString &reason) const;

    QString m_target;
    AtomicFile m_file;
};

} // namespace Tavo
