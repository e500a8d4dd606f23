#pragma once

#include <QBuffer>
#include <QString>
#include <QTemporaryFile>

#include <optional>

namespace Tavo {

// Writes a file whole or not at all; every file the program writes goes through it. The bytes
// go to a temporary file beside the target, ".NAME.tavo-XXXXXX.part" (six letters or digits), a
// name no person would choose, which takes the target's place once every byte has reached the
// disk. Where the folder takes no new files but the target may be written, the target is
// rewritten in place, and its old bytes are put back when that fails.
//
// A save writes to a regular file or creates one: a link is followed to the regular file it
// names, and any other target (a device, a pipe, a folder, a link to nothing) is refused, as is
// a file the user may not write.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &target);

    // Checks the target, removes the temporaries of it that an interrupted save left (only
    // those, over a minute old) and opens device(). Returns why the file cannot be written, in
    // Italian and without its name; empty on success.
    QString open();
    // Where the bytes go until commit(); valid after a successful open().
    QIODevice *device();
    // The file that is written: the target, or the regular file its link names.
    QString path() const { return m_path; }
    // Whether a file of that name exists and is replaced.
    bool replacesExisting() const { return m_existed; }
    // Puts what was written to device() in place. Returns why it failed, in Italian, saying
    // whether the old file is intact; empty on success. Without a commit() nothing changes.
    QString commit();

private:
    QString check();
    QString replace();
    QString rewriteInPlace();
    QString keptOldFile(const QString &reason) const;

    QString m_target;
    QString m_path;
    bool m_existed = false;
    // The temporary file; empty once replace() has let it go, or when writing in place, where
    // the bytes are gathered in m_inPlace first.
    std::optional<QTemporaryFile> m_temporary;
    QBuffer m_inPlace;
};

} // namespace Tavo
