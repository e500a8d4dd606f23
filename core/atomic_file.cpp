#include "core/atomic_file.h"

#include "core/italian_translations.h"
#include "core/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace Tavo {

namespace {

// The longest file name most file systems take, in bytes.
constexpr qsizetype kMaxNameBytes = 255;
const QString kMarker = QStringLiteral(".tavo-");
const QString kSuffix = QStringLiteral(".part");
constexpr qsizetype kRandomLength = 6; // QTemporaryFile's XXXXXX

// ".NAME.tavo-": what a temporary of the file NAME starts with. A long NAME is shortened, so
// that the temporary's name stays within what a file system takes.
QString temporaryPrefix(const QString &fileName)
{
    QString name = u'.' + fileName;
    const qsizetype room = kMaxNameBytes - kMarker.size() - kRandomLength - kSuffix.size();
    while (QFile::encodeName(name).size() > room)
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
    return name + kMarker;
}

bool isLetterOrDigit(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

// A run killed while saving leaves its temporary behind. Removes the files of `folder` named
// `prefix`, six letters or digits and ".part" that have not changed for a minute: no save in
// progress writes to those, and no person names a file so.
void removeStaleTemporaries(const QString &folder, const QString &prefix)
{
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-60);
    // Names are compared, not matched as patterns: a target's name may hold "[" or "*".
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName();
        if (name.size() != prefix.size() + kRandomLength + kSuffix.size() ||
            !name.startsWith(prefix) || !name.endsWith(kSuffix))
            continue;
        const QStringView random = QStringView(name).sliced(prefix.size(), kRandomLength);
        if (std::all_of(random.begin(), random.end(), isLetterOrDigit) &&
            file.lastModified().toUTC() < staleBefore)
            QFile::remove(file.filePath());
    }
}

// Why writing to the file failed. A write the disk cuts short leaves Qt without a reason of its
// own (no error, or an unknown one): the disk took no more.
QString writeFailure(const QFileDevice &file)
{
    const QFileDevice::FileError error = file.error();
    if (error == QFileDevice::NoError || error == QFileDevice::ResourceError ||
        file.errorString() == QIODevice::tr("Unknown error"))
        return QStringLiteral("il disco è pieno");
    return italianSystemError(file.errorString());
}

// Writes the bytes over the open file's content, which then ends with them. Returns why not.
QString overwrite(QFile &file, const QByteArray &bytes)
{
    file.unsetError();
    if (!file.seek(0) || file.write(bytes) != bytes.size() || !file.resize(bytes.size()))
        return writeFailure(file);
    if (!Platform::syncToDisk(file.handle()))
        return QStringLiteral("i dati non hanno raggiunto il disco");
    return {};
}

} // namespace

AtomicFile::AtomicFile(const QString &target) : m_target(target) {}

QString AtomicFile::check()
{
    if (m_target.isEmpty())
        return QStringLiteral("manca il nome del file");
    QFileInfo info(m_target);
    if (info.isSymLink()) {
        const QString named = info.canonicalFilePath();
        if (named.isEmpty())
            return QStringLiteral("è un collegamento a un file che non esiste");
        info = QFileInfo(named);
    }
    m_path = info.absoluteFilePath();
    if (QFile::encodeName(info.fileName()).size() > kMaxNameBytes)
        return QStringLiteral("il nome del file è troppo lungo");
    if (info.isDir())
        return QStringLiteral("è una cartella");
    m_existed = info.exists();
    if (m_existed && !info.isFile())
        return QStringLiteral("non è un file ordinario (è un dispositivo o una pipe)");
    if (m_existed && !info.isWritable())
        return QStringLiteral("non si ha il permesso di modificare il file");
    if (!m_existed && !QFileInfo(info.absolutePath()).isDir())
        return QStringLiteral("la cartella %1 non esiste")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return {};
}

QString AtomicFile::open()
{
    if (const QString reason = check(); !reason.isEmpty())
        return reason;
    const QFileInfo info(m_path);
    const QString prefix = temporaryPrefix(info.fileName());
    removeStaleTemporaries(info.absolutePath(), prefix);
    m_temporary.emplace(
        QDir(info.absolutePath()).filePath(prefix + QStringLiteral("XXXXXX") + kSuffix));
    if (m_temporary->open())
        return {};
    const QString error = m_temporary->errorString();
    m_temporary.reset();
    // The folder takes no new file: the target is rewritten in place by commit().
    if (m_existed) {
        m_inPlace.open(QIODevice::ReadWrite);
        return {};
    }
    if (!QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("non si ha il permesso di scrivere nella cartella %1")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return italianSystemError(error);
}

QIODevice *AtomicFile::device()
{
    if (m_temporary)
        return &*m_temporary;
    return &m_inPlace;
}

QString AtomicFile::commit()
{
    if (m_inPlace.isOpen())
        return rewriteInPlace();
    Q_ASSERT_X(m_temporary, "AtomicFile::commit", "open() first, and commit once");
    return replace();
}

QString AtomicFile::keptOldFile(const QString &reason) const
{
    return m_existed ? reason + QStringLiteral("; il file precedente è rimasto intatto") : reason;
}

QString AtomicFile::replace()
{
    QTemporaryFile &file = *m_temporary;
    // A full disk shows when the last buffered bytes go out, or earlier as a failed write.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return keptOldFile(writeFailure(file));
    if (!Platform::syncToDisk(file.handle()))
        return keptOldFile(QStringLiteral("i dati non hanno raggiunto il disco"));
    // Temporary files are private to their owner; the file keeps the permissions it had.
    file.setPermissions(m_existed ? QFile::permissions(m_path)
                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                        QFile::ReadOther);
    // QTemporaryFile::close() leaves the file open, and Windows renames no open file: only the
    // object's end lets it go. From here on a failure removes the file by hand.
    const QString temporaryPath = file.fileName();
    file.setAutoRemove(false);
    m_temporary.reset();
    // std::filesystem::rename replaces an existing target in one step, unlike QFile::rename.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporaryPath.toStdU16String()),
                            std::filesystem::path(m_path.toStdU16String()), error);
    if (error) {
        QFile::remove(temporaryPath);
        return keptOldFile(italianSystemError(error));
    }
    return {};
}

QString AtomicFile::rewriteInPlace()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return keptOldFile(italianSystemError(file.errorString()));
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return keptOldFile(italianSystemError(file.errorString()));
    const QString reason = overwrite(file, m_inPlace.data());
    if (reason.isEmpty())
        return {};
    if (overwrite(file, old).isEmpty())
        return keptOldFile(reason);
    return reason + QStringLiteral("; il file precedente non si è potuto ripristinare ed è "
                                   "danneggiato");
}

} // namespace Tavo
