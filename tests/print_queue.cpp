#include "print_queue.h"

#include "raw_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

QString PrintQueue::unavailableReason() const
{
    const QString reason = QString::fromUtf8(readRaw(QStringLiteral(TAVO_CUPS_DIR "/unavailable")));
    return reason == QLatin1String("<missing>") ? QString() : reason.trimmed();
}

QString PrintQueue::server() const
{
    return QStringLiteral(TAVO_CUPS_DIR "/cups.sock");
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
    const QDir out(
        QString::fromUtf8(readRaw(QStringLiteral(TAVO_CUPS_DIR "/pdf-out-dir"))).trimmed());
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        for (const QFileInfo &pdf : out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (m_taken.contains(pdf.filePath()) || pdf.lastModified() < m_since)
                continue;
            // cups-pdf writes the file in place: wait until it stops growing.
            qint64 size = -1;
            for (qint64 now = pdf.size(); timer.elapsed() < timeoutMs && (now <= 0 || now != size);
                 now = QFileInfo(pdf.filePath()).size()) {
                size = now;
                QThread::msleep(300);
            }
            m_taken.insert(pdf.filePath());
            return pdf.filePath();
        }
        QThread::msleep(200);
    }
    return {};
}

QString PrintQueue::difference(const QString &expected, const QString &printed,
                               const QString &pages)
{
    QProcess compare;
    // Debian's Python, which has numpy.
    compare.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(TAVO_SOURCE_DIR "/scripts/compare_pdfs.py"),
                   QStringLiteral("--printed"), QStringLiteral("--pages"), pages, expected,
                   printed});
    if (!compare.waitForFinished(120000))
        return QStringLiteral("compare_pdfs.py did not finish");
    return compare.exitCode() == 0 ? QString()
                                   : QString::fromUtf8(compare.readAllStandardError()).trimmed();
}
