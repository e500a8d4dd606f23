#include "print_queue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

namespace {
const QString kScript = QStringLiteral(TAVO_SOURCE_DIR "/scripts/cups-test-env.sh");

QString readLine(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
}
} // namespace

PrintQueue::~PrintQueue()
{
    clearOutput();
    if (m_running)
        QProcess::execute(QStringLiteral("bash"), {kScript, QStringLiteral("stop"), m_dir.path()});
}

bool PrintQueue::start(QString *error)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral("bash"), {kScript, QStringLiteral("start"), m_dir.path()});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        *error = QStringLiteral("scripts/cups-test-env.sh start failed");
        return false;
    }
    m_running = true;
    m_unavailable = readLine(m_dir.filePath(QStringLiteral("unavailable")));
    if (!m_unavailable.isEmpty()) {
        *error = m_unavailable;
        return false;
    }
    // The queue is the server's default printer, as an office's only printer would be.
    QProcess lpadmin;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), server());
    lpadmin.setProcessEnvironment(env);
    lpadmin.start(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name()});
    if (!lpadmin.waitForFinished(10000) || lpadmin.exitCode() != 0) {
        *error = QStringLiteral("lpadmin -d failed: ") +
                 QString::fromLocal8Bit(lpadmin.readAllStandardError());
        return false;
    }
    m_outDir = readLine(m_dir.filePath(QStringLiteral("pdf-out-dir")));
    QDir().mkpath(m_outDir);
    clearOutput();
    return true;
}

QString PrintQueue::server() const
{
    return m_dir.filePath(QStringLiteral("cups.sock"));
}

QString PrintQueue::name() const
{
    return QStringLiteral("TavoPDF");
}

QStringList PrintQueue::pdfs() const
{
    QStringList paths;
    const auto entries = QDir(m_outDir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QFileInfo &fi : entries)
        paths << fi.absoluteFilePath();
    return paths;
}

void PrintQueue::clearOutput()
{
    for (const QString &path : std::as_const(m_taken))
        QFile::remove(path);
    m_since = QDateTime::currentDateTime();
    m_taken.clear();
}

QString PrintQueue::waitForOutput(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        for (const QString &path : pdfs()) {
            if (m_taken.contains(path) || QFileInfo(path).lastModified() < m_since)
                continue;
            // cups-pdf writes the file in place: wait until it stops growing.
            qint64 size = -1;
            while (timer.elapsed() < timeoutMs) {
                const qint64 now = QFileInfo(path).size();
                if (now > 0 && now == size)
                    break;
                size = now;
                QThread::msleep(300);
            }
            m_taken.insert(path);
            return path;
        }
        QThread::msleep(200);
    }
    return {};
}
