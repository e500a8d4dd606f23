#include "pdf_probe.h"
#include "tavo_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// Prints through a real CUPS queue: the private cupsd that scripts/cups-test-env.sh starts
// (CTest fixture) with its cups-pdf queue TavoPDF. The queue turns the job into a PDF file in
// the folder cups-pdf is configured to use.
namespace {
const QString kQueue = QStringLiteral("TavoPDF");
const QString kCupsDir = QStringLiteral(TAVO_CUPS_DIR);

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()).trimmed() : QString();
}

QSet<QString> pdfFiles(const QString &folder)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// A PDF of this test's job (cups-pdf names the file after the job's title, "Libretto" and the
// learner) that was not in the folder before and that pdfinfo reads whole. Other programs may
// print to the same folder meanwhile.
QString finishedNewPdf(const QString &folder, const QSet<QString> &before)
{
    for (const QString &name : pdfFiles(folder)) {
        const QString path = QDir(folder).filePath(name);
        if (!before.contains(name) && name.contains(QStringLiteral("LUCIA_FERRARI")) &&
            PdfProbe::info(path).pages > 0)
            return path;
    }
    return {};
}
} // namespace

class TestCupsPrint : public QObject
{
    Q_OBJECT

private slots:
    void bookletThroughTheQueue()
    {
        const QString unavailable = readText(kCupsDir + QStringLiteral("/unavailable"));
        if (!unavailable.isEmpty())
            QSKIP(qPrintable(QStringLiteral("cupsd non avviabile: ") + unavailable));
        QVERIFY2(qEnvironmentVariable("CUPS_SERVER").endsWith(QStringLiteral("cups.sock")),
                 "CUPS_SERVER must point at the private cupsd");
        const QString outDir = readText(kCupsDir + QStringLiteral("/pdf-out-dir"));
        QVERIFY2(!outDir.isEmpty(), "the fixture did not say where cups-pdf writes");
        // The private cupsd numbers jobs from 1 again, so a file left by an earlier failed run
        // would have the very name of the new one.
        for (const QString &name : pdfFiles(outDir)) {
            if (name.contains(QStringLiteral("LUCIA_FERRARI")))
                QFile::remove(QDir(outDir).filePath(name));
        }
        const QSet<QString> before = pdfFiles(outDir);

        // GIVEN a school printing collated 6-page booklets on A4
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        QVERIFY(TavoRun::writeSettings(
            dir.path(), {QStringLiteral("0123"), QStringLiteral("AUTOSCUOLA BERICA"), QString(),
                         QStringLiteral("VIA ROMA 1"), QStringLiteral("VICENZA"),
                         QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("6"),
                         QStringLiteral("A4"), QStringLiteral("Si")}));

        // WHEN the booklet is sent to the queue without a dialog
        const TavoRun::Result result = TavoRun::run(
            dir.path(), {QStringLiteral("--stampante"), kQueue, QStringLiteral("--targa"),
                         QStringLiteral("AB123CD"), QStringLiteral("12VI123456§LUCIA*FERRARI")});
        QVERIFY(result.finished);
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));

        // THEN the queue is remembered as the printer
        QFile remembered(dir.filePath(QStringLiteral("Tavo.txt")));
        QVERIFY(remembered.open(QIODevice::ReadOnly));
        QCOMPARE(remembered.readAll(), QByteArray("AB123CD\r\n\r\nTavoPDF\r\n"));

        // AND the queue produces the whole booklet: the cover sheet and six sheets
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = finishedNewPdf(outDir, before)).isEmpty(), 120000);
        const PdfProbe::Info info = PdfProbe::info(pdf);
        const QString text = PdfProbe::text(pdf);
        QFile::remove(pdf);
        QCOMPARE(info.pages, 7);
        // A4 paper, 595 × 842 points: the queue turns the landscape pages onto the sheet.
        const QSizeF sheet = info.pageSize.width() < info.pageSize.height()
                                 ? info.pageSize
                                 : info.pageSize.transposed();
        QVERIFY2(qAbs(sheet.width() - 595) < 1.5 && qAbs(sheet.height() - 842) < 1.5,
                 qPrintable(QStringLiteral("%1 x %2").arg(sheet.width()).arg(sheet.height())));
        QVERIFY(text.contains(QStringLiteral("LUCIA FERRARI")));
        QVERIFY(text.contains(QStringLiteral("VICENZA")));
        QVERIFY(text.contains(QStringLiteral("4 di 6")));
    }
};

QTEST_GUILESS_MAIN(TestCupsPrint)
#include "tst_cups_print.moc"
