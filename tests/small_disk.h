#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A tmpfs disk of a few hundred KiB mounted for one test, so that the test can fill it up.
// Mounting needs root; where it cannot mount, isMounted() is false and the test skips.
class SmallDisk
{
public:
    explicit SmallDisk(int kibibytes)
        : m_mounted(QProcess::execute(u"mount"_qs, {u"-t"_qs, u"tmpfs"_qs, u"-o"_qs,
                                                    u"size=%1k"_qs.arg(kibibytes), u"tmpfs"_qs,
                                                    m_dir.path()}) == 0)
    {}
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(u"umount"_qs, {m_dir.path()});
    }

    bool isMounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Writes a filler file until the disk takes no more.
    void fill() const
    {
        QFile filler(m_dir.filePath(u"filler"_qs));
        const QByteArray block(1024, 'f');
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (filler.write(block) == block.size()) {
            }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted;
};
