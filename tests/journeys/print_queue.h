#pragma once

#include <QSet>
#include <QString>
#include <QTemporaryDir>

// The private CUPS server of scripts/cups-test-env.sh with its PDF queue, for as long as the
// object lives. The queue's PDFs land in a folder that cups-pdf chooses; output() finds the
// one that appeared since the last clearOutput().
class PrintQueue
{
public:
    PrintQueue() = default;
    ~PrintQueue();

    // Starts the server; false with the reason when this machine cannot run one.
    bool start(QString *reason);

    QString server() const; // value for CUPS_SERVER
    QString name() const;   // the queue
    // Forgets the PDFs present now: waitForOutput() reports only newer ones.
    void clearOutput();
    // The path of the next complete PDF of the queue, or empty after timeoutMs.
    QString waitForOutput(int timeoutMs);

private:
    QStringList pdfs() const;

    QTemporaryDir m_dir;
    QString m_outDir;
    QSet<QString> m_seen;
    bool m_running = false;
};
