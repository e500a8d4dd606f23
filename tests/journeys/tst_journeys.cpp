// A newcomer's journeys through the real program: the built executable runs in a program folder
// of its own on a private X server and is driven only from outside, with xdotool, as a person
// would drive it. What it did is read from outside too: window titles, the bytes of Tavo.cfg and
// Tavo.txt, and the PDF that a private CUPS queue produced.

#include "print_queue.h"
#include "x_session.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kMainTitle = QStringLiteral("Stampa Libretti Guide versione 1.4");
const QString kConfigTitle = QStringLiteral("Configurazione programma");
const QString kMessageTitle = QStringLiteral("Tavo");
// Qt's own dialogs speak Italian too: the print dialog is "Stampa", not "Print".
const QString kPrintDialogTitle = QStringLiteral("Stampa");
// Generous: the first print dialog of a run asks CUPS for its printers, slow on a busy machine.
constexpr int kWait = 60000;

// Centre of a control given in twips (left, top, width, height) inside the window's client
// area, in pixels at 96 DPI (15 twips a pixel).
QPoint centreOf(int left, int top, int width, int height)
{
    return QPoint((left + width / 2) / 15, (top + height / 2) / 15);
}

// Main window: buttons and the learner's number (inside the group box "Allievo" at 120, 120).
const QPoint kStampa = centreOf(120, 2400, 2655, 735);
const QPoint kConfigurazione = centreOf(3960, 2400, 2655, 735);
const QPoint kEsci = centreOf(7800, 2400, 2655, 735);
const QPoint kAut = centreOf(120 + 1800, 120 + 360, 1695, 390);
// Configuration window.
const QPoint kAnnulla = centreOf(5280, 5160, 1815, 615);

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestJourneys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startedWithLearnerPrintsWithSpace();
    void wrongNumberIsCorrectedInPlace();
    void configurationSavedThenCollatedPrint();
    void cancelledConfigurationChangesNothing();

private:
    // Copies the program into a fresh folder and starts it there with the arguments.
    void startProgram(const QStringList &arguments);
    void waitForWindow(const QString &title, QString *id = nullptr);
    void waitForNoWindow(const QString &title);
    void acceptPrintDialog();
    void waitForProgramEnd();
    // Waits for the program to end after a print and for the queue's PDF.
    void waitForPrintedPdf(QString *pdf);
    // The same, giving the PDF's text.
    void waitForPrintedText(QString *text);
    QString folderFile(const QString &name) const { return m_folder->filePath(name); }

    XSession m_x;
    PrintQueue m_queue;
    std::unique_ptr<QTemporaryDir> m_folder;
    QProcess m_program;
};

void TestJourneys::initTestCase()
{
    for (const char *tool :
         {"Xvfb", "openbox", "xdotool", "xdpyinfo", "xprop", "pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(qPrintable(
                QStringLiteral("%1 is not installed (scripts/setup.sh --tests installs it)")
                    .arg(QLatin1String(tool))));
    }
    QString error;
    QVERIFY2(m_x.start(&error), qPrintable(error));
    if (!m_queue.start(&error)) {
        if (!m_queue.unavailableReason().isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private print queue: ") + error));
        QFAIL(qPrintable(error));
    }
}

void TestJourneys::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_queue.clearOutput();
}

void TestJourneys::cleanup()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_x.screenshot(QDir::temp()
                           .filePath(QStringLiteral("tavo-journey-%1.png"))
                           .arg(QLatin1String(QTest::currentTestFunction())));
        m_program.kill();
        m_program.waitForFinished(3000);
    }
}

void TestJourneys::startProgram(const QStringList &arguments)
{
    const QString exe = folderFile(QStringLiteral("Tavo"));
    QVERIFY(QFile::copy(QStringLiteral(TAVO_EXECUTABLE), exe));
    QFile::setPermissions(exe, QFile::permissions(exe) | QFile::ExeOwner);
    QProcessEnvironment env = m_x.environment();
    env.insert(QStringLiteral("CUPS_SERVER"), m_queue.server());
    m_program.setProcessEnvironment(env);
    // Started from elsewhere: the program must find its files beside its executable.
    m_program.setWorkingDirectory(QDir::rootPath());
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(exe, arguments);
    QVERIFY(m_program.waitForStarted(5000));
}

void TestJourneys::waitForWindow(const QString &title, QString *id)
{
    QStringList ids;
    QTRY_VERIFY2_WITH_TIMEOUT(!(ids = m_x.windowsNamed(title)).isEmpty(),
                              qPrintable(QStringLiteral("no window \"%1\"").arg(title)), kWait);
    // The window must hold the focus before anything is typed into it.
    QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), title, kWait);
    if (id)
        *id = ids.first();
}

void TestJourneys::waitForNoWindow(const QString &title)
{
    QTRY_VERIFY_WITH_TIMEOUT(m_x.windowsNamed(title).isEmpty(), kWait);
}

void TestJourneys::acceptPrintDialog()
{
    QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kPrintDialogTitle, kWait);
    QTest::qWait(300);
    m_x.key(QStringLiteral("Return"));
}

void TestJourneys::waitForProgramEnd()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_program.state() == QProcess::NotRunning, kWait);
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program.exitCode(), 0);
}

void TestJourneys::waitForPrintedPdf(QString *pdf)
{
    waitForProgramEnd();
    *pdf = m_queue.waitForOutput(kWait);
    QVERIFY2(!pdf->isEmpty(), "the queue produced no PDF");
}

void TestJourneys::waitForPrintedText(QString *text)
{
    QString pdf;
    waitForPrintedPdf(&pdf);
    if (!pdf.isEmpty())
        *text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

void TestJourneys::startedWithLearnerPrintsWithSpace()
{
    // GIVEN a remembered plate and instructor, no printer yet: the print dialog offers the
    // system's default printer, the test queue
    writeAll(folderFile(QStringLiteral("Tavo.txt")), "AB123CD\r\nANNA NERI\r\n\r\n");
    startProgram({QStringLiteral("12VI123456§MARIO*ROSSI")});
    waitForWindow(kMainTitle);

    // WHEN Space is pressed: only the focused print button reacts to it
    m_x.key(QStringLiteral("space"));
    acceptPrintDialog();

    // THEN the booklet is printed, the printer is remembered and the program has ended
    QString text;
    waitForPrintedText(&text);
    QVERIFY(text.contains(QLatin1String("MARIO ROSSI")));
    QVERIFY(text.contains(QLatin1String("VICENZA")));
    QCOMPARE(readAll(folderFile(QStringLiteral("Tavo.txt"))),
             "AB123CD\r\nANNA NERI\r\n" + m_queue.name().toLatin1() + "\r\n");
}

void TestJourneys::wrongNumberIsCorrectedInPlace()
{
    writeAll(folderFile(QStringLiteral("Tavo.txt")),
             "\r\n\r\n" + m_queue.name().toLatin1() + "\r\n");
    startProgram({});
    QString main;
    waitForWindow(kMainTitle, &main);
    if (QTest::currentTestFailed())
        return;

    // GIVEN a number one digit short, typed by hand
    m_x.type(QStringLiteral("12vi12345"));
    m_x.key(QStringLiteral("Tab"));
    m_x.type(QStringLiteral("luigi verdi"));
    m_x.click(main, kStampa.x(), kStampa.y());

    // THEN the warning names the fault, and after OK the number can be completed in place
    waitForWindow(kMessageTitle);
    m_x.key(QStringLiteral("Return"));
    waitForNoWindow(kMessageTitle);
    QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kMainTitle, kWait);
    m_x.key(QStringLiteral("End"));
    m_x.type(QStringLiteral("6"));
    // The pointer leaves the button and comes back, as a hand does: a second click on the same
    // spot within the double-click time would be a double click, which clicks nothing.
    m_x.xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), main,
                 QString::number(kAut.x()), QString::number(kAut.y())});
    m_x.click(main, kStampa.x(), kStampa.y());
    acceptPrintDialog();

    QString text;
    waitForPrintedText(&text);
    QVERIFY(text.contains(QLatin1String("12VI123456")));
    QVERIFY(text.contains(QLatin1String("LUIGI VERDI")));
}

void TestJourneys::configurationSavedThenCollatedPrint()
{
    writeAll(folderFile(QStringLiteral("Tavo.cfg")),
             "0123\r\nAUTOSCUOLA PROVA\r\nDI PROVA\r\nVIA UNO "
             "1\r\nVICENZA\r\n10\r\n15\r\n3\r\nA5\r\nNo\r\n");
    writeAll(folderFile(QStringLiteral("Tavo.txt")),
             "\r\n\r\n" + m_queue.name().toLatin1() + "\r\n");
    startProgram({});
    QString main;
    waitForWindow(kMainTitle, &main);
    if (QTest::currentTestFailed())
        return;
    m_x.click(main, kConfigurazione.x(), kConfigurazione.y());
    waitForWindow(kConfigTitle);

    // Keyboard only: from Ag1 five tabs reach Formato, then Pagine, SxT, TopT, Fascicola.
    m_x.key(QStringLiteral("Tab Tab Tab Tab Tab"));
    m_x.key(QStringLiteral("End"));               // Formato: A4, the last entry
    m_x.key(QStringLiteral("Tab Home Down"));     // Pagine: 3, then 6
    m_x.key(QStringLiteral("Tab Tab Tab space")); // Fascicola checked
    m_x.key(QStringLiteral("Tab space"));         // Salva

    waitForNoWindow(kConfigTitle);
    waitForWindow(kMessageTitle); // "Configurazione salvata", once the window has closed
    m_x.key(QStringLiteral("Return"));
    waitForNoWindow(kMessageTitle);
    QCOMPARE(
        readAll(folderFile(QStringLiteral("Tavo.cfg"))),
        QByteArray("0123\r\nAUTOSCUOLA PROVA\r\nDI PROVA\r\nVIA UNO 1\r\nVICENZA\r\n10\r\n15\r\n"
                   "6\r\nA4\r\nSi\r\n"));

    // The next print uses the new settings without a restart: 1 + 6 sheets.
    m_x.click(main, kAut.x(), kAut.y());
    m_x.type(QStringLiteral("12VI123456"));
    m_x.key(QStringLiteral("Tab"));
    m_x.type(QStringLiteral("mario rossi"));
    m_x.click(main, kStampa.x(), kStampa.y());
    acceptPrintDialog();
    QString pdf;
    waitForPrintedPdf(&pdf);
    if (QTest::currentTestFailed())
        return;
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+7\\b"))), qPrintable(info));
    const QString lastSheet =
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QStringLiteral("7"), pdf, QStringLiteral("-")});
    // The last sheet holds the copies of pages 3 and 6.
    QVERIFY(lastSheet.contains(QLatin1String("COPIA")));
    QVERIFY(lastSheet.contains(QLatin1String("3 di 6")));
    QVERIFY(lastSheet.contains(QLatin1String("6 di 6")));
}

void TestJourneys::cancelledConfigurationChangesNothing()
{
    const QByteArray cfg("9999\r\nA\r\nB\r\nC\r\nD\r\n10\r\n15\r\n3\r\nA4\r\nNo\r\n");
    writeAll(folderFile(QStringLiteral("Tavo.cfg")), cfg);
    startProgram({});
    QString main;
    waitForWindow(kMainTitle, &main);
    if (QTest::currentTestFailed())
        return;
    m_x.click(main, kConfigurazione.x(), kConfigurazione.y());
    QString config;
    waitForWindow(kConfigTitle, &config);
    if (QTest::currentTestFailed())
        return;

    m_x.type(QStringLiteral("CAMBIATO"));
    m_x.key(QStringLiteral("Tab Tab Tab Tab Tab End"));
    m_x.click(config, kAnnulla.x(), kAnnulla.y());
    waitForNoWindow(kConfigTitle);
    QCOMPARE(readAll(folderFile(QStringLiteral("Tavo.cfg"))), cfg);

    QTRY_COMPARE_WITH_TIMEOUT(m_x.focusedWindowTitle(), kMainTitle, kWait);
    m_x.click(main, kEsci.x(), kEsci.y());
    waitForProgramEnd();
    QVERIFY(!QFile::exists(folderFile(QStringLiteral("Tavo.txt"))));
}

QTEST_GUILESS_MAIN(TestJourneys)
#include "tst_journeys.moc"
