#include "../small_disk.h"
#include "print_fixture.h"
#include "tavo_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kLearner = u"12VI123456§MARIO*ZANELLATO"_s;
const QByteArray kRemembered = "AB123CD\r\nGIUSEPPE VERDI\r\nUfficio\r\n";

QStringList schoolSettings(const QString &pagine, const QString &formato, const QString &fascicola)
{
    return u"0123|AUTOSCUOLA BERICA|DI BIANCHI|VIA ROMA 1|VICENZA|10|15|%1|%2|%3"_s
        .arg(pagine, formato, fascicola)
        .split(u'|');
}
} // namespace

class TestHeadlessPrint : public QObject
{
    Q_OBJECT

private slots:
    void pdfWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("settings"); // Tavo.cfg, none when empty
        QTest::addColumn<QStringList>("options");  // before --pdf
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QByteArray>("remembered"); // Tavo.txt afterwards

        // Plate and instructor come from Tavo.txt; the remembered printer stays.
        const QStringList fromFile{u"AB123CD"_s, u"GIUSEPPE VERDI"_s};
        QTest::newRow("A4 collated, 12 pages") << schoolSettings(u"12"_s, u"A4"_s, u"Si"_s)
                                               << QStringList() << 13 << fromFile << kRemembered;
        // Set as the program sets values: no upper-casing, longer than the 8 a user may type.
        QTest::newRow("options override remembered values")
            << QStringList()
            << QStringList{u"--targa"_s, u"zz999yy-prova"_s, u"--istruttore"_s, u"Luisa Neri"_s}
            << 4 << QStringList{u"zz999yy-prova"_s, u"Luisa Neri"_s}
            << QByteArray("zz999yy-prova\r\nLuisa Neri\r\nUfficio\r\n");
    }

    void pdfWithoutDisplay()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        QFETCH(QStringList, texts);
        QFETCH(QByteArray, remembered);
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        if (!settings.isEmpty())
            QVERIFY(TavoRun::writeSettings(dir.path(), settings));
        QVERIFY(writeRaw(dir.filePath(u"Tavo.txt"_s), kRemembered));
        const QString pdf = dir.filePath(u"out.pdf"_s);

        const TavoRun::Result result =
            TavoRun::run(dir.path(), options + QStringList{u"--pdf"_s, pdf, kLearner});
        QVERIFY(result.finished);
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));

        QCOMPARE(PdfProbe::info(pdf).pages, pages);
        const QString text = PdfProbe::text(pdf);
        for (const QString &expected : texts + QStringList{u"MARIO ZANELLATO"_s, u"VICENZA"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)), remembered);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString pdf = u"out.pdf"_s;
        const QString pdfOption = u"--pdf"_s;

        QTest::newRow("wrong number") << QStringList{pdfOption, pdf, u"12XX123456§A"_s} << 2
                                      << u"Numero autorizzazione errato"_s;
        QTest::newRow("no name") << QStringList{pdfOption, pdf, u"12VI123456§**"_s} << 2
                                 << u"Nome allievo non presente"_s;
        QTest::newRow("unknown printer")
            << QStringList{u"--stampante"_s, u"NessunaCoda"_s, kLearner} << 1
            << u"Stampante sconosciuta: NessunaCoda"_s;
        QTest::newRow("missing folder") << QStringList{pdfOption, u"manca/out.pdf"_s, kLearner} << 1
                                        << u"Impossibile scrivere il file PDF"_s;
        // Without a display and without a headless option there is nothing to show.
        QTest::newRow("window without a display")
            << QStringList{kLearner} << 1 << u"Tavo: nessuno schermo disponibile"_s;
        // Tavo.txt could not keep them: refused before printing, not after.
        QTest::newRow("plate Windows-1252 cannot hold")
            << QStringList{u"--targa"_s, u"AB中"_s, pdfOption, pdf, kLearner} << 2
            << u"Targa non valida: il carattere \"中\" non si può salvare"_s;
        QTest::newRow("instructor Windows-1252 cannot hold")
            << QStringList{u"--istruttore"_s, u"ŁUKASZ"_s, pdfOption, pdf, kLearner} << 2
            << u"Istruttore non valido: il carattere \"Ł\" non si può salvare"_s;
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        const TavoRun::Result result = TavoRun::run(dir.path(), arguments);
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, exitCode);
        // One message, in Italian, and nothing else.
        QVERIFY2(result.standardError.startsWith(message), qPrintable(result.standardError));
        QCOMPARE(result.standardError.count(u'\n'), 1);
        // Nothing printed, nothing remembered.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({u"Tavo"_s}));
    }

    void printedButNotRememberedIsStatusThree()
    {
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir(u"Tavo.txt"_s)); // a folder: the file cannot replace it
        const TavoRun::Result result = TavoRun::run(
            dir.path(), {u"--targa"_s, u"AB123CD"_s, u"--pdf"_s, u"out.pdf"_s, kLearner});
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.standardError.startsWith(u"Il libretto è stato stampato"_s),
                 qPrintable(result.standardError));
        QCOMPARE(PdfProbe::info(dir.filePath(u"out.pdf"_s)).pages, 4);
    }

    void pdfOntoFullDiskKeepsTheOldFile()
    {
        SmallDisk disk(192);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs disk (needs root)");
        const QString pdf = disk.filePath(u"out.pdf"_s);
        QVERIFY(writeRaw(pdf, "old booklet"));
        disk.fill();
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        const TavoRun::Result result = TavoRun::run(dir.path(), {u"--pdf"_s, pdf, kLearner});
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.standardError.contains(u"Impossibile scrivere il file PDF"_s),
                 qPrintable(result.standardError));
        QCOMPARE(readRaw(pdf), QByteArray("old booklet"));
        QCOMPARE(QDir(disk.filePath({})).entryList(QDir::Files | QDir::Hidden),
                 QStringList({u"filler"_s, u"out.pdf"_s}));
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
            TavoRun::run(dir.path(), {u"--pdf"_s, u"out.pdf"_s, kLearner}, 30000);
        QVERIFY(result.finished);
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));
        QCOMPARE(PdfProbe::info(dir.filePath(u"out.pdf"_s)).pages, 4);
    }

    // A program folder the user cannot add files to, holding files the user may write: the
    // remembered values are written in place.
    void readOnlyFolderWithWritableFiles()
    {
        if (getuid() != 0)
            QSKIP("needs root, to run the program as the user nobody");
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        const QString txt = dir.filePath(u"Tavo.txt"_s);
        QVERIFY(writeRaw(txt, kRemembered));
        QTemporaryDir out;
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), everyone));
        QVERIFY(QFile::setPermissions(dir.filePath(u"Tavo"_s), everyone));
        QVERIFY(QFile::setPermissions(out.path(), everyone | QFile::WriteOther));
        QCOMPARE(chown(QFile::encodeName(txt).constData(), 65534, 65534), 0); // nobody

        const TavoRun::Result result =
            TavoRun::run(dir.path(),
                         {u"--targa"_s, u"ZZ999YY"_s, u"--pdf"_s,
                          QDir(out.path()).filePath(u"out.pdf"_s), kLearner},
                         120000, u"nobody"_s);
        QVERIFY(result.finished);
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));
        QCOMPARE(readRaw(txt), QByteArray("ZZ999YY\r\nGIUSEPPE VERDI\r\nUfficio\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestHeadlessPrint)
#include "tst_headless_print.moc"
