#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QTemporaryDir>

// The private CUPS server of scripts/cups-test-env.sh with its PDF queue, for as long as the
// object lives. The queue's PDFs land in a folder that cups-pdf chooses, named after the job,
// whose numbers start again with every server: waitForOutput() finds the first PDF written
// since the last clearOutput().
class PrintQueue
{
public:
    PrintQueue() = default;
    ~PrintQueue();

    // Starts the server; false with the reason when it failed.
    bool start(QString *error);
    // Why this machine cannot run the server at all (cups or cups-pdf missing, not root);
    // empty when it can.
    QString unavailableReason() const { return m_unavailable; }

    QString server() const; // value for CUPS_SERVER
    QString name() const;   // the queue
    // Deletes the PDFs that waitForOutput() reported; from now on only newer ones count.
    void clearOutput();
    // The path of the next complete PDF of the queue, or empty after timeoutMs.
    QString waitForOutput(int timeoutMs);

private:
    QStringList pdfs() const;

    QTemporaryDir m_dir;
    QString m_outDir;
    QDateTime m_since;
    QSet<QString> m_taken;
    QString m_unavailable;
    bool m_running = false;
};
