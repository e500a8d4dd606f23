// A newcomer's journeys through the real program: the built executable runs in a program folder
// of its own on a private X server and is driven only from outside, with xdotool, as a person
// would drive it. What it did is read from outside too: window titles, the bytes of Tavo.cfg and
// Tavo.txt, and the PDF that a private CUPS queue produced.

#include "../print_queue.h"
#include "../raw_files.h"
#include "x_session.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kMainTitle = u"Stampa Libretti Guide versione 1.4"_s;
const QString kConfigTitle = u"Configurazione programma"_s;
const QString kMessageTitle = u"Tavo"_s;
const QString kPrintDialogTitle = u"Stampa"_s; // Qt's own dialog, in Italian
// Generous: the first print dialog of a run asks CUPS for its printers, slow on a busy machine.
constexpr int kWait = 60000;

// Centre of a control given in twips (left, top, width, height) inside the window's client
// area, in pixels at 96 DPI (15 twips a pixel).
QPoint centreOf(int left, int top, int width, int height)
{
    return QPoint((left + width / 2) / 15, (top + height / 2) / 15);
}
const QPoint kStampa = centreOf(120, 2400, 2655, 735);
const QPoint kConfigurazione = centreOf(3960, 2400, 2655, 735);
const QPoint kEsci = centreOf(7800, 2400, 2655, 735);
const QPoint kAut = centreOf(120 + 1800, 120 + 360, 1695, 390); // in the group box "Allievo"
const QPoint kAnnulla = centreOf(5280, 5160, 1815, 615);        // configuration window

QString pdfText(const QString &pdf, const QStringList &options = {})
{
    QProcess p;
    p.start(u"pdftotext"_s, options + QStringList{pdf, u"-"_s});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestJourneys : public QObject
{
    Q_OBJECT

    XSession m_x;
    PrintQueue m_queue;
    std::unique_ptr<QTemporaryDir> m_folder;
    QProcess m_program;
    QString m_main; // the main window's id

    QString file(const QString &name) const { return m_folder->filePath(name); }

    // Copies the program into the fresh folder, starts it from elsewhere (it must find its
    // files beside its executable) and waits for its main window.
    void startProgram(const QStringList &arguments)
    {
        const QString exe = file(u"Tavo"_s);
        QVERIFY(QFile::copy(QStringLiteral(TAVO_EXECUTABLE), exe));
        QProcessEnvironment env = m_x.environment();
        env.insert(u"CUPS_SERVER"_s, m_queue.server());
        env.insert(u"HOME"_s, m_folder->path()); // where the dialog proposes to print to a file
        m_program.setProcessEnvironment(env);
        m_program.setWorkingDirectory(QDir::rootPath());
        m_program.setProcessChannelMode(QProcess::ForwardedChannels);
        m_program.start(exe, arguments);
        QVERIFY(m_program.waitForStarted(5000));
        waitForWindow(kMainTitle, &m_main);
        QVERIFY(!m_main.isEmpty());
    }
    // Waits for the window and for it to hold the focus, before anything is typed into it.
    void waitForWindow(const QString &title, QString *id = nullptr)
    {
        QStringList ids;
        QTRY_VERIFY2_WITH_TIMEOUT(!(ids = m_x.windowsNamed(title)).isEmpty(), qPrintable(title),
                                  kWait);
        QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), title, kWait);
        if (id)
            *id = ids.first();
    }
    void waitForNoWindow(const QString &title)
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_x.windowsNamed(title).isEmpty(), kWait);
    }
    void clickMain(QPoint at) { m_x.click(m_main, at.x(), at.y()); }
    void acceptPrintDialog()
    {
        QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kPrintDialogTitle, kWait);
        QTest::qWait(300);
        m_x.key(u"Return"_s);
    }
    void waitForProgramEnd()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_program.state() == QProcess::NotRunning, kWait);
        QVERIFY(m_program.exitStatus() == QProcess::NormalExit && m_program.exitCode() == 0);
    }
    // Waits for the program to end after a print and for the queue's PDF.
    void waitForPrintedPdf(QString *pdf)
    {
        waitForProgramEnd();
        *pdf = m_queue.waitForOutput(kWait);
        QVERIFY2(!pdf->isEmpty(), "the queue produced no PDF");
    }

private slots:
    void initTestCase()
    {
        for (const char *tool :
             {"Xvfb", "openbox", "xdotool", "xdpyinfo", "xprop", "pdftotext", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QLatin1String(tool) + u" is not installed"_s));
        }
        if (!m_queue.unavailableReason().isEmpty())
            QSKIP(qPrintable(u"no private print queue: "_s + m_queue.unavailableReason()));
        QString error;
        QVERIFY2(m_x.start(&error), qPrintable(error));
    }
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_queue.clearOutput();
    }
    void cleanup()
    {
        m_program.kill();
        m_program.waitForFinished(3000);
    }

    void wrongNumberIsCorrectedInPlace()
    {
        QVERIFY(writeRaw(file(u"Tavo.txt"_s), "\r\n\r\n" + m_queue.name().toLatin1() + "\r\n"));
        startProgram({});
        QVERIFY(!QTest::currentTestFailed());
        // GIVEN a number one digit short, typed by hand
        m_x.type(u"12vi12345"_s);
        m_x.key(u"Tab"_s);
        m_x.type(u"luigi verdi"_s);
        clickMain(kStampa);
        // THEN the warning names the fault, and after OK the number can be completed in place
        waitForWindow(kMessageTitle);
        m_x.key(u"Return"_s);
        waitForNoWindow(kMessageTitle);
        QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kMainTitle, kWait);
        m_x.key(u"End"_s);
        m_x.type(u"6"_s);
        // The pointer leaves the button and comes back, as a hand does: a second click on the
        // same spot within the double-click time would be a double click, which clicks nothing.
        m_x.xdotool({u"mousemove"_s, u"--window"_s, m_main, QString::number(kAut.x()),
                     QString::number(kAut.y())});
        clickMain(kStampa);
        acceptPrintDialog();
        QString pdf;
        waitForPrintedPdf(&pdf);
        QVERIFY(pdfText(pdf).contains(u"12VI123456"_s) && pdfText(pdf).contains(u"LUIGI VERDI"_s));
    }

    void configurationSavedThenCollatedPrint()
    {
        QVERIFY(writeRaw(file(u"Tavo.cfg"_s), "0123\r\nAUTOSCUOLA PROVA\r\nDI PROVA\r\nVIA UNO "
                                              "1\r\nVICENZA\r\n10\r\n15\r\n3\r\nA5\r\nNo\r\n"));
        QVERIFY(writeRaw(file(u"Tavo.txt"_s), "\r\n\r\n" + m_queue.name().toLatin1() + "\r\n"));
        startProgram({});
        QVERIFY(!QTest::currentTestFailed());
        clickMain(kConfigurazione);
        waitForWindow(kConfigTitle);
        // Keyboard only: from Ag1 five tabs reach Formato, then Pagine, SxT, TopT, Fascicola.
        m_x.key(u"Tab Tab Tab Tab Tab End"_s); // Formato: A4, the last entry
        m_x.key(u"Tab Home Down"_s);           // Pagine: 3, then 6
        m_x.key(u"Tab Tab Tab space"_s);       // Fascicola checked
        m_x.key(u"Tab space"_s);               // Salva
        waitForNoWindow(kConfigTitle);
        waitForWindow(kMessageTitle); // "Configurazione salvata", once the window has closed
        m_x.key(u"Return"_s);
        waitForNoWindow(kMessageTitle);
        QCOMPARE(readRaw(file(u"Tavo.cfg"_s)),
                 "0123\r\nAUTOSCUOLA PROVA\r\nDI PROVA\r\nVIA UNO 1\r\nVICENZA\r\n10\r\n15\r\n"
                 "6\r\nA4\r\nSi\r\n");

        // The next print uses the new settings without a restart: 1 + 6 sheets, the last one
        // holding the copies of pages 3 and 6.
        clickMain(kAut);
        m_x.type(u"12VI123456"_s);
        m_x.key(u"Tab"_s);
        m_x.type(u"mario rossi"_s);
        clickMain(kStampa);
        acceptPrintDialog();
        QString pdf;
        waitForPrintedPdf(&pdf);
        const QString lastSheet = pdfText(pdf, {u"-f"_s, u"7"_s, u"-l"_s, u"7"_s});
        QVERIFY(lastSheet.contains(u"COPIA"_s) && lastSheet.contains(u"3 di 6"_s) &&
                lastSheet.contains(u"6 di 6"_s));
        QVERIFY(pdfText(pdf, {u"-f"_s, u"8"_s}).isEmpty());
    }

    // Started with a learner, Space prints from the focused print button through the printer
    // dialog. With no printer remembered yet the dialog offers the system's default queue, which
    // is learned. On an office laser (hardware margins, no custom sizes) every layout arrives on
    // its paper, whole, and only what was chosen: pages from and to, pages typed in the "Pagine"
    // box, two copies; the laser stays remembered, also when the booklet goes to a file ("Stampa
    // su file (PDF)", the last printer): a file is no printer. Each print is compared with the
    // --pdf booklet as sheets. Once "Opzioni >>" shows the options, four tabs reach "Stampa
    // tutto".
    void printerDialogChoices_data()
    {
        QTest::addColumn<QString>("layout");    // pages, format, collation of Tavo.cfg
        QTest::addColumn<QString>("printer");   // remembered in Tavo.txt
        QTest::addColumn<QStringList>("steps"); // keys, text to type, keys, text...
        QTest::addColumn<QString>("arrive");    // pages of the booklet that must arrive
        const QString laser = PrintQueue::laser();
        const QString tabs = u"alt+o Tab Tab Tab Tab"_s;
        QTest::newRow("no printer yet") << u"3|A4|No"_s << QString() << QStringList() << QString();
        QTest::newRow("A5, pages 3 to 4")
            << u"3|A5|No"_s << laser << QStringList{tabs + u" Down Tab"_s, u"3"_s, u"Tab"_s, u"4"_s}
            << u"3,4"_s;
        QTest::newRow("A4, two copies")
            << u"6|A4|No"_s << laser << QStringList{tabs + u" Tab Tab"_s, u"2"_s} << u"1-7,1-7"_s;
        QTest::newRow("A4 collated, pages 2,5-6 typed")
            << u"12|A4|Si"_s << laser << QStringList{tabs + u" Down Down Tab"_s, u"2,5-6"_s}
            << u"2,5-6"_s;
        QTest::newRow("to a file")
            << u"3|A5|No"_s << laser << QStringList{u"alt+n End"_s} << QString();
    }
    void printerDialogChoices()
    {
        QFETCH(QString, layout);
        QFETCH(QString, printer);
        QFETCH(QStringList, steps);
        QFETCH(QString, arrive);
        const QByteArray known = "AB123CD\r\nANNA NERI\r\n";
        QVERIFY(writeRaw(file(u"Tavo.txt"_s), known + printer.toLatin1() + "\r\n"));
        QVERIFY(writeRaw(file(u"Tavo.cfg"_s), "0123\r\nA\r\nB\r\nC\r\nVICENZA\r\n10\r\n15\r\n" +
                                                  layout.toLatin1().replace('|', "\r\n") + "\r\n"));
        const QString learner = u"12VI123456§MARIO*ROSSI"_s;
        startProgram({learner});
        QVERIFY(!QTest::currentTestFailed());
        const QStringList expected{u"--pdf"_s, file(u"expected.pdf"_s), learner};
        QCOMPARE(QProcess::execute(file(u"Tavo"_s), expected), 0);
        m_x.key(u"space"_s);
        QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kPrintDialogTitle, kWait);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            QTest::qWait(200);
            i % 2 == 0 ? m_x.key(steps[i]) : m_x.type(steps[i]);
        }
        QTest::qWait(300);
        m_x.key(u"Return"_s);
        QString pdf = file(u"Libretto MARIO ROSSI.pdf"_s); // where the dialog puts a file
        if (QTest::currentDataTag() == QByteArrayView("to a file"))
            waitForProgramEnd();
        else
            waitForPrintedPdf(&pdf);
        const QString difference = PrintQueue::difference(file(u"expected.pdf"_s), pdf, arrive);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        const QString learned = printer.isEmpty() ? m_queue.name() : printer;
        QCOMPARE(readRaw(file(u"Tavo.txt"_s)), known + learned.toLatin1() + "\r\n");
    }

    void cancelledConfigurationChangesNothing()
    {
        const QByteArray cfg("9999\r\nA\r\nB\r\nC\r\nD\r\n10\r\n15\r\n3\r\nA4\r\nNo\r\n");
        QVERIFY(writeRaw(file(u"Tavo.cfg"_s), cfg));
        startProgram({});
        QVERIFY(!QTest::currentTestFailed());
        clickMain(kConfigurazione);
        QString config;
        waitForWindow(kConfigTitle, &config);
        QVERIFY(!config.isEmpty());
        m_x.type(u"CAMBIATO"_s);
        m_x.key(u"Tab Tab Tab Tab Tab End"_s);
        m_x.click(config, kAnnulla.x(), kAnnulla.y());
        waitForNoWindow(kConfigTitle);
        QCOMPARE(readRaw(file(u"Tavo.cfg"_s)), cfg);
        QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kMainTitle, kWait);
        clickMain(kEsci);
        waitForProgramEnd();
        QVERIFY(!QFile::exists(file(u"Tavo.txt"_s)));
    }
};

QTEST_GUILESS_MAIN(TestJourneys)
#include "tst_journeys.moc"
