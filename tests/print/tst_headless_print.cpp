#include "../print_queue.h"
#include "../small_disk.h"
#include "print_fixture.h"
#include "tavo_run.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The real program printing without windows, as a calling program sees it: the PDF or the print
// queue's output, Tavo.txt, the exit status and one Italian line on standard error.
namespace {
const QString kLearner = u"12VI123456§MARIO*ZANELLATO"_s;
const QByteArray kRemembered = "AB123CD\r\nGIUSEPPE VERDI\r\nUfficio\r\n";

// Runs Tavo in a fresh folder holding Tavo.txt; the folder is kept in *dir.
TavoRun::Result runIn(QTemporaryDir &dir, const QStringList &arguments, int timeoutMs = 120000)
{
    return TavoRun::install(dir.path()) && writeRaw(dir.filePath(u"Tavo.txt"_s), kRemembered)
               ? TavoRun::run(dir.path(), arguments, timeoutMs)
               : TavoRun::Result{};
}
} // namespace

class TestHeadlessPrint : public QObject
{
    Q_OBJECT

private slots:
    // Tavo.cfg and Tavo.txt as any editor leaves them: CR LF, LF or CR line ends, Windows-1252
    // or UTF-8 with or without a byte-order mark. The plate of --targa is set as given, and
    // differing in case only it rewrites Tavo.txt, in CR LF and Windows-1252; the instructor and
    // the printer (a PDF is none) stay.
    void pdf_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::addColumn<QByteArray>("encoding");
        QTest::newRow("CR LF, Windows-1252") << QByteArray("\r\n") << QByteArray("Windows-1252");
        QTest::newRow("LF, UTF-8") << QByteArray("\n") << QByteArray("UTF-8");
        QTest::newRow("CR, UTF-8 with a mark") << QByteArray("\r") << QByteArray("UTF-8 BOM");
    }
    void pdf()
    {
        QFETCH(QByteArray, lineEnd);
        QFETCH(QByteArray, encoding);
        const auto bytes = [&](const QString &lines) {
            QByteArray text = encoding == "Windows-1252" ? lines.toLatin1() : lines.toUtf8();
            return (encoding.endsWith("BOM") ? "\xEF\xBB\xBF" : "") + text.replace('|', lineEnd) +
                   lineEnd;
        };
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        QVERIFY(writeRaw(dir.filePath(u"Tavo.cfg"_s),
                         bytes(u"0123|L'ÈLITE|B|C|FORLÌ|10|15|12|A4|Si"_s)));
        QVERIFY(writeRaw(dir.filePath(u"Tavo.txt"_s), bytes(u"AB123CD|NICOLÒ NERI|Ufficio"_s)));
        const TavoRun::Result result = TavoRun::run(
            dir.path(), {u"--targa"_s, u"ab123cd"_s, u"--pdf"_s, u"o.pdf"_s, kLearner});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.standardError));
        QCOMPARE(PdfProbe::info(dir.filePath(u"o.pdf"_s)).pages, 13); // A4 collated, 12 pages
        const QString text = PdfProbe::text(dir.filePath(u"o.pdf"_s));
        for (const QString &printed : {u"MARIO ZANELLATO"_s, u"L'ÈLITE"_s, u"FORLÌ"_s})
            QVERIFY2(text.contains(printed), qPrintable(printed));
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)), "ab123cd\r\nNICOL\xD2 NERI\r\nUfficio\r\n");
    }

    // 2: the learner's data failed a check; 1: any other failure; nothing printed either way.
    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList pdf{u"--pdf"_s, u"o.pdf"_s};
        QTest::newRow("wrong number")
            << pdf + QStringList{u"12XX123456§A"_s} << 2 << u"Numero autorizzazione errato"_s;
        QTest::newRow("no name") << pdf + QStringList{u"12VI123456§**"_s} << 2
                                 << u"Nome allievo non presente"_s;
        // Tavo.txt could not keep it: refused before printing, not after.
        QTest::newRow("plate Windows-1252 cannot hold")
            << QStringList{u"--targa"_s, u"AB中"_s} + pdf + QStringList{kLearner} << 2
            << u"Targa non valida: il carattere \"中\" non si può salvare"_s;
        QTest::newRow("instructor Windows-1252 cannot hold")
            << QStringList{u"--istruttore"_s, u"ŁUKASZ"_s} + pdf + QStringList{kLearner} << 2
            << u"Istruttore non valido: il carattere \"Ł\" non si può salvare"_s;
        QTest::newRow("unknown printer") << QStringList{u"--stampante"_s, u"Nessuna"_s, kLearner}
                                         << 1 << u"Stampante sconosciuta: Nessuna"_s;
        QTest::newRow("missing folder") << QStringList{u"--pdf"_s, u"manca/o.pdf"_s, kLearner} << 1
                                        << u"Impossibile scrivere il file PDF"_s;
        // Only an older booklet is replaced; what went wrong is said in Italian.
        const auto pdfRow = [](const char *name, const QString &file, const QString &reason) {
            QTest::newRow(name) << QStringList{u"--pdf"_s, file, kLearner} << 1
                                << u"Impossibile scrivere il file PDF %1: %2"_s.arg(file, reason);
        };
        pdfRow("not a PDF", u"Tavo.txt"_s, u"esiste già un file con questo nome e non è un PDF"_s);
        pdfRow("a folder", u"."_s, u"è una cartella"_s);
        pdfRow("no file name", QString(), u"manca il nome del file"_s);
        pdfRow("name too long", QString(5000, u'a'), u"il nome del file è troppo lungo"_s);
        QTest::newRow("window without a display")
            << QStringList{kLearner} << 1 << u"Tavo: nessuno schermo disponibile"_s;
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const TavoRun::Result result = runIn(dir, arguments);
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.standardError.startsWith(message), qPrintable(result.standardError));
        QCOMPARE(result.standardError.count(u'\n'), 1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({u"Tavo"_s, u"Tavo.txt"_s}));
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)), kRemembered);
    }

    // A name too long for the booklet even in small print: a warning line, and it prints.
    void tooLongNameIsWarnedAndPrinted()
    {
        QTemporaryDir dir;
        const TavoRun::Result result =
            runIn(dir, {u"--pdf"_s, u"o.pdf"_s, u"12VI123456§"_s + QString(50, u'W')});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.standardError, u"Attenzione: Nome troppo lungo: sul libretto non entra per "
                                       u"intero, neanche in caratteri più piccoli\n"_s);
        QCOMPARE(PdfProbe::info(dir.filePath(u"o.pdf"_s)).pages, 4);
    }

    void pdfOntoFullDiskKeepsTheOldFile()
    {
        SmallDisk disk(192);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs disk (needs root)");
        const QString pdf = disk.filePath(u"o.pdf"_s);
        QVERIFY(writeRaw(pdf, "%PDF-old booklet"));
        disk.fill();
        QTemporaryDir dir;
        const TavoRun::Result result = runIn(dir, {u"--pdf"_s, pdf, kLearner});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.standardError.contains(u"il disco è pieno; il file precedente è rimasto"_s));
        QCOMPARE(readRaw(pdf), QByteArray("%PDF-old booklet"));
        QCOMPARE(QDir(disk.filePath({})).entryList(QDir::Files | QDir::Hidden),
                 QStringList({u"filler"_s, u"o.pdf"_s}));
    }

    // A Tavo.cfg that never ends and a Tavo.txt that is a pipe without a writer read as missing
    // files: the booklet prints with the defaults instead of the program hanging.
    void endlessFilesDoNotHang()
    {
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        QVERIFY(QFile::link(u"/dev/zero"_s, dir.filePath(u"Tavo.cfg"_s)));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(u"Tavo.txt"_s)).constData(), 0600), 0);
        const TavoRun::Result result =
            TavoRun::run(dir.path(), {u"--pdf"_s, u"o.pdf"_s, kLearner}, 30000);
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.standardError));
        QCOMPARE(PdfProbe::info(dir.filePath(u"o.pdf"_s)).pages, 4);
    }

    // A program folder the user cannot add files to: a Tavo.txt the user may write is written
    // in place; one the user may not write is kept, and the message names it once.
    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("txtWritable");
        QTest::newRow("writable Tavo.txt") << true;
        QTest::newRow("read-only Tavo.txt") << false;
    }
    void readOnlyFolder()
    {
        QFETCH(bool, txtWritable);
        if (getuid() != 0)
            QSKIP("needs root, to run the program as the user nobody");
        QTemporaryDir dir;
        QTemporaryDir out;
        QVERIFY(TavoRun::install(dir.path()));
        const QString txt = dir.filePath(u"Tavo.txt"_s);
        QVERIFY(writeRaw(txt, kRemembered));
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), everyone));
        QVERIFY(QFile::setPermissions(out.path(), everyone | QFile::WriteOther));
        if (txtWritable)
            QCOMPARE(chown(QFile::encodeName(txt).constData(), 65534, 65534), 0); // nobody
        const TavoRun::Result result = TavoRun::run(
            dir.path(), {u"--targa"_s, u"ZZ9"_s, u"--pdf"_s, out.filePath(u"o.pdf"_s), kLearner},
            120000, u"nobody"_s);
        QVERIFY2(result.exitCode == (txtWritable ? 0 : 3), qPrintable(result.standardError));
        QCOMPARE(readRaw(txt),
                 txtWritable ? QByteArray("ZZ9\r\nGIUSEPPE VERDI\r\nUfficio\r\n") : kRemembered);
        QCOMPARE(result.standardError.count(txt), txtWritable ? 0 : 1);
    }

    // Through the real queues of the private cupsd: every layout comes out on its paper and
    // orientation, whole, with its ink where --pdf puts it, on the queue without margins and on
    // the office laser's; the queue is remembered as the printer. A printer without the paper
    // prints nothing and says so.
    void bookletOnTheQueues_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("layout"); // pages, format, collation of Tavo.cfg
        QTest::addColumn<QString>("refusal");
        for (const QString &queue : {u"TavoPDF"_s, PrintQueue::laser()}) {
            for (const auto &[name, layout] : {std::pair{"A5, 3 pages", u"3|A5|No"_s},
                                               {"A4, 6 pages", u"6|A4|No"_s},
                                               {"A4 collated, 12 pages", u"12|A4|Si"_s}})
                QTest::addRow("%s, %s", qPrintable(queue), name) << queue << layout << QString();
        }
        QTest::newRow("A5 on a printer without A5")
            << PrintQueue::a4Only() << u"3|A5|No"_s
            << u"La stampante TavoSoloA4 non ha la carta A5"_s;
    }
    void bookletOnTheQueues()
    {
        QFETCH(QString, queue);
        QFETCH(QString, layout);
        QFETCH(QString, refusal);
        PrintQueue queues;
        if (!queues.unavailableReason().isEmpty())
            QSKIP(qPrintable(u"cupsd non avviabile: "_s + queues.unavailableReason()));
        QTemporaryDir dir;
        QVERIFY(TavoRun::writeSettings(dir.path(), u"0123|AUTOSCUOLA|||VICENZA|10|15|"_s + layout));
        const TavoRun::Result pdf = runIn(dir, {u"--pdf"_s, u"o.pdf"_s, kLearner});
        QVERIFY2(pdf.exitCode == 0, qPrintable(pdf.standardError));
        const TavoRun::Result printed =
            TavoRun::run(dir.path(), {u"--stampante"_s, queue, kLearner});
        QVERIFY2(printed.exitCode == (refusal.isEmpty() ? 0 : 1) &&
                     printed.standardError.startsWith(refusal),
                 qPrintable(printed.standardError));
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)),
                 refusal.isEmpty() ? "AB123CD\r\nGIUSEPPE VERDI\r\n" + queue.toLatin1() + "\r\n"
                                   : kRemembered);
        // Refused, nothing may come out of the queue.
        const QString output = queues.waitForOutput(refusal.isEmpty() ? 120000 : 3000);
        const QString difference =
            refusal.isEmpty() ? PrintQueue::difference(dir.filePath(u"o.pdf"_s), output) : output;
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_GUILESS_MAIN(TestHeadlessPrint)
#include "tst_headless_print.moc"
