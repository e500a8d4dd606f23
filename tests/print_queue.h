#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

// The private CUPS server that the CTest fixture cups_queue runs (scripts/cups-test-env.sh,
// folder TAVO_CUPS_DIR) with its queues: TavoPDF, the default, without margins; TavoLaser, an
// office laser's (hardware margins, no custom page sizes); TavoSoloA4, that laser without A5.
// The queues' PDFs land in a folder that cups-pdf chooses, named after the job, whose numbers
// start again with every server: waitForOutput() finds the first PDF written since the last
// clearOutput().
class PrintQueue
{
public:
    ~PrintQueue() { clearOutput(); }

    // Why the server is not running (cups or cups-pdf missing, not root); empty when it runs.
    QString unavailableReason() const;
    QString server() const; // value for CUPS_SERVER
    QString name() const { return QStringLiteral("TavoPDF"); }
    static QString laser() { return QStringLiteral("TavoLaser"); }
    static QString a4Only() { return QStringLiteral("TavoSoloA4"); }
    // Deletes the PDFs that waitForOutput() reported; from now on only newer ones count.
    void clearOutput();
    // The path of the next complete PDF of the queues, or empty after timeoutMs.
    QString waitForOutput(int timeoutMs);

    // How a queue's PDF differs from the booklet Tavo wrote with --pdf, as sheets of paper show
    // it (scripts/compare_pdfs.py --printed): paper, orientation, ink within half a point, text.
    // `pages` lists the pages of `expected` that should have come out ("3,4"; all when empty).
    // Empty when they agree.
    static QString difference(const QString &expected, const QString &printed,
                              const QString &pages = {});

private:
    QDateTime m_since = QDateTime::currentDateTime();
    QSet<QString> m_taken;
};
