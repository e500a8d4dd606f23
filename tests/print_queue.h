#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

// The private CUPS server that the CTest fixture cups_queue runs (scripts/cups-test-env.sh,
// folder TAVO_CUPS_DIR) with its default queue TavoPDF. The queue's PDFs land in a folder that
// cups-pdf chooses, named after the job, whose numbers start again with every server:
// waitForOutput() finds the first PDF written since the last clearOutput().
class PrintQueue
{
public:
    ~PrintQueue() { clearOutput(); }

    // Why the server is not running (cups or cups-pdf missing, not root); empty when it runs.
    QString unavailableReason() const;
    QString server() const; // value for CUPS_SERVER
    QString name() const { return QStringLiteral("TavoPDF"); }
    // Deletes the PDFs that waitForOutput() reported; from now on only newer ones count.
    void clearOutput();
    // The path of the next complete PDF of the queue, or empty after timeoutMs.
    QString waitForOutput(int timeoutMs);

private:
    QDateTime m_since = QDateTime::currentDateTime();
    QSet<QString> m_taken;
};
