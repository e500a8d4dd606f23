#include "print_fixture.h"
#include "tavo_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Prints through a real CUPS queue: the private cupsd that scripts/cups-test-env.sh starts
// (CTest fixture) with its cups-pdf queue TavoPDF. The queue turns the job into a PDF file in
// the folder cups-pdf is configured to use.
namespace {
const QString kQueue = u"TavoPDF"_s;
const QString kCupsDir = QStringLiteral(TAVO_CUPS_DIR);

QString readText(const QString &path)
{
    return QFile::exists(path) ? QString::fromLocal8Bit(readRaw(path)).trimmed() : QString();
}

// The PDFs of this test's job (cups-pdf names the file after the job's title, "Libretto" and
// the learner) in the queue's folder, which other programs may print to meanwhile.
QStringList learnerPdfs(const QString &folder)
{
    QStringList paths;
    for (const QString &name : QDir(folder).entryList({u"*LUCIA_FERRARI*.pdf"_s}, QDir::Files))
        paths.append(QDir(folder).filePath(name));
    return paths;
}
} // namespace

class TestCupsPrint : public QObject
{
    Q_OBJECT

private slots:
    void bookletThroughTheQueue()
    {
        const QString unavailable = readText(kCupsDir + u"/unavailable"_s);
        if (!unavailable.isEmpty())
            QSKIP(qPrintable(u"cupsd non avviabile: "_s + unavailable));
        QVERIFY2(qEnvironmentVariable("CUPS_SERVER").endsWith(u"cups.sock"_s),
                 "CUPS_SERVER must point at the private cupsd");
        const QString outDir = readText(kCupsDir + u"/pdf-out-dir"_s);
        QVERIFY2(!outDir.isEmpty(), "the fixture did not say where cups-pdf writes");
        // The private cupsd numbers jobs from 1 again, so a file left by an earlier failed run
        // would have the very name of the new one.
        for (const QString &path : learnerPdfs(outDir))
            QFile::remove(path);

        // GIVEN a school printing collated 6-page booklets on A4
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        QVERIFY(TavoRun::writeSettings(dir.path(), {u"0123"_s, u"AUTOSCUOLA BERICA"_s, QString(),
                                                    u"VIA ROMA 1"_s, u"VICENZA"_s, u"10"_s, u"15"_s,
                                                    u"6"_s, u"A4"_s, u"Si"_s}));

        // WHEN the booklet is sent to the queue without a dialog
        const TavoRun::Result result =
            TavoRun::run(dir.path(), {u"--stampante"_s, kQueue, u"--targa"_s, u"AB123CD"_s,
                                      u"12VI123456§LUCIA*FERRARI"_s});
        QVERIFY(result.finished);
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));

        // THEN the queue is remembered as the printer
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)), QByteArray("AB123CD\r\n\r\nTavoPDF\r\n"));

        // AND the queue produces the whole booklet: the cover sheet and six sheets
        // (one that pdfinfo reads whole, so cups-pdf has finished writing it)
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = learnerPdfs(outDir).value(0)).isEmpty() &&
                                     PdfProbe::info(pdf).pages > 0,
                                 120000);
        const PdfProbe::Info info = PdfProbe::info(pdf);
        const QString text = PdfProbe::text(pdf);
        QFile::remove(pdf);
        QCOMPARE(info.pages, 7);
        // A4 paper, 595 × 842 points: the queue turns the landscape pages onto the sheet.
        const QSizeF sheet = info.pageSize.width() < info.pageSize.height()
                                 ? info.pageSize
                                 : info.pageSize.transposed();
        QVERIFY2(qAbs(sheet.width() - 595) < 1.5 && qAbs(sheet.height() - 842) < 1.5,
                 qPrintable(u"%1 x %2"_s.arg(sheet.width()).arg(sheet.height())));
        QVERIFY(text.contains(u"LUCIA FERRARI"_s));
        QVERIFY(text.contains(u"VICENZA"_s));
        QVERIFY(text.contains(u"4 di 6"_s));
    }
};

QTEST_GUILESS_MAIN(TestCupsPrint)
#include "tst_cups_print.moc"
