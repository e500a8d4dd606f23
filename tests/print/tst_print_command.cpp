#include "pdf_probe.h"
#include "print/print_command.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Tavo;

namespace {
// A5 is 148 × 210 mm, A4 landscape 297 × 210 mm; in points (72 to the inch).
const QSizeF kA5Portrait(148 / 25.4 * 72, 210 / 25.4 * 72);
const QSizeF kA4Landscape(297 / 25.4 * 72, 210 / 25.4 * 72);

// The PDF writer gives sizes in whole points.
bool sameSheet(QSizeF actual, QSizeF expected)
{
    return qAbs(actual.width() - expected.width()) < 0.6 &&
           qAbs(actual.height() - expected.height()) < 0.6;
}

PrintInput learner()
{
    return {QStringLiteral("12VI123456"), QStringLiteral("MARIO ZANELLATO"),
            QStringLiteral("AB123CD"), QStringLiteral("GIUSEPPE VERDI")};
}

Settings settings(const QString &formato, const QString &pagine, bool fascicola)
{
    Settings s = Settings::defaults();
    s.CfgAutoscuola1 = QStringLiteral("AUTOSCUOLA BERICA");
    s.CfgFormato = formato;
    s.CfgPagine = pagine;
    s.CfgFascicola = fascicola;
    return s;
}

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

PrintTarget pdfTarget(const QString &path)
{
    return {PrintTarget::Kind::Pdf, path};
}
} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT

private slots:
    void pdfHasEveryPage_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<bool>("fascicola");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSizeF>("pageSize");

        // A5: cover, back, then original and copy of each page: 2 + 2n.
        QTest::newRow("A5, 3 pages")
            << QStringLiteral("A5") << QStringLiteral("3") << false << 8 << kA5Portrait;
        QTest::newRow("A5, 12 pages")
            << QStringLiteral("A5") << QStringLiteral("12") << false << 26 << kA5Portrait;
        // A4: the cover sheet and one sheet per page: 1 + n.
        QTest::newRow("A4, 3 pages")
            << QStringLiteral("A4") << QStringLiteral("3") << false << 4 << kA4Landscape;
        QTest::newRow("A4, 6 pages")
            << QStringLiteral("A4") << QStringLiteral("6") << false << 7 << kA4Landscape;
        QTest::newRow("A4 collated, 12 pages")
            << QStringLiteral("A4") << QStringLiteral("12") << true << 13 << kA4Landscape;
        // The count is read as a number: "&HC" is 12.
        QTest::newRow("A4, hexadecimal count")
            << QStringLiteral("A4") << QStringLiteral("&HC") << false << 13 << kA4Landscape;
        // Below 1 only the report header prints.
        QTest::newRow("A5, no pages")
            << QStringLiteral("A5") << QStringLiteral("0") << false << 2 << kA5Portrait;
        QTest::newRow("A4, no pages")
            << QStringLiteral("A4") << QStringLiteral("-3") << false << 1 << kA4Landscape;
    }

    void pdfHasEveryPage()
    {
        QFETCH(QString, formato);
        QFETCH(QString, pagine);
        QFETCH(bool, fascicola);
        QFETCH(int, pages);
        QFETCH(QSizeF, pageSize);

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("libretto.pdf"));
        const PrintOutcome outcome = printBooklet(learner(), settings(formato, pagine, fascicola),
                                                  {}, dir.path(), pdfTarget(pdf), nullptr);
        QVERIFY2(outcome.status == PrintOutcome::Status::Printed, qPrintable(outcome.error));

        const PdfProbe::Info info = PdfProbe::info(pdf);
        QVERIFY2(info.error.isEmpty(), qPrintable(info.error));
        QCOMPARE(info.pages, pages);
        QVERIFY2(sameSheet(info.pageSize, pageSize), qPrintable(QStringLiteral("%1 x %2 pt")
                                                                    .arg(info.pageSize.width())
                                                                    .arg(info.pageSize.height())));

        const QString text = PdfProbe::text(pdf);
        QVERIFY(text.contains(QStringLiteral("MARIO ZANELLATO")));
        QVERIFY(text.contains(QStringLiteral("VICENZA")));
        QVERIFY(text.contains(QStringLiteral("AUTOSCUOLA BERICA")));
        // Nothing but the booklet is left in the folder (the temporary file is gone).
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({QStringLiteral("Tavo.txt"), QStringLiteral("libretto.pdf")}));
    }

    void pageNumbersComeFromTheCount()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("libretto.pdf"));
        const PrintOutcome outcome =
            printBooklet(learner(), settings(QStringLiteral("A4"), QStringLiteral("&HC"), false),
                         {}, dir.path(), pdfTarget(pdf), nullptr);
        QVERIFY2(outcome.status == PrintOutcome::Status::Printed, qPrintable(outcome.error));
        const QString text = PdfProbe::text(pdf);
        QVERIFY(text.contains(QStringLiteral("12 di 12")));
        QVERIFY(!text.contains(QStringLiteral("&HC")));
        // The statement wraps after "COMPONE".
        QVERIFY(text.contains(QStringLiteral("DI 12 COPPIE DI PAGINE IN ORIGINALE E COPIA")));
    }

    void marginsMoveThePrint_data()
    {
        QTest::addColumn<QString>("margineSx");
        QTest::addColumn<QString>("margineTop");
        QTest::addColumn<double>("right"); // points, against the print without margins
        QTest::addColumn<double>("down");
        // Whole millimetres × 72 / 25.4 points.
        QTest::newRow("defaults 10 and 15")
            << QStringLiteral("10") << QStringLiteral("15") << 28.346 << 42.520;
        QTest::newRow("20 and 0") << QStringLiteral("20") << QStringLiteral("0") << 56.693 << 0.0;
        QTest::newRow("halves go to even")
            << QStringLiteral("14.5") << QStringLiteral("10.5") << 39.685 << 28.346;
    }

    void marginsMoveThePrint()
    {
        QFETCH(QString, margineSx);
        QFETCH(QString, margineTop);
        QFETCH(double, right);
        QFETCH(double, down);

        QTemporaryDir dir;
        QPointF position[2];
        const QString lefts[2] = {QStringLiteral("0"), margineSx};
        const QString tops[2] = {QStringLiteral("0"), margineTop};
        for (int i = 0; i < 2; ++i) {
            Settings s = settings(QStringLiteral("A5"), QStringLiteral("3"), false);
            s.CfgMargineSx = lefts[i];
            s.CfgMargineTop = tops[i];
            const QString pdf = dir.filePath(QStringLiteral("m%1.pdf").arg(i));
            QCOMPARE(printBooklet(learner(), s, {}, dir.path(), pdfTarget(pdf), nullptr).status,
                     PrintOutcome::Status::Printed);
            position[i] = PdfProbe::wordPosition(pdf, 1, QStringLiteral("ZANELLATO"));
            QVERIFY(position[i].x() >= 0);
        }
        const QPointF shift = position[1] - position[0];
        QVERIFY2(qAbs(shift.x() - right) < 0.05 && qAbs(shift.y() - down) < 0.05,
                 qPrintable(QStringLiteral("%1, %2").arg(shift.x()).arg(shift.y())));
    }

    void rememberedValuesCreatedWhenAbsent()
    {
        QTemporaryDir dir;
        const PrintOutcome outcome =
            printBooklet(learner(), settings(QStringLiteral("A4"), QStringLiteral("3"), false), {},
                         dir.path(), pdfTarget(dir.filePath(QStringLiteral("l.pdf"))), nullptr);
        QCOMPARE(outcome.status, PrintOutcome::Status::Printed);
        // A PDF is no printer: the remembered printer (none) stays.
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("Tavo.txt"))),
                 QByteArray("AB123CD\r\nGIUSEPPE VERDI\r\n\r\n"));
    }

    void rememberedValuesKeepThePrinterOnPdf()
    {
        QTemporaryDir dir;
        const RememberedValues before{QStringLiteral("XY999ZZ"), QStringLiteral("ANNA"),
                                      QStringLiteral("Ufficio")};
        PrintInput in = learner();
        in.istruttore = QStringLiteral("NICOLÒ");
        QCOMPARE(printBooklet(in, settings(QStringLiteral("A5"), QStringLiteral("3"), false),
                              before, dir.path(), pdfTarget(dir.filePath(QStringLiteral("l.pdf"))),
                              nullptr)
                     .status,
                 PrintOutcome::Status::Printed);
        // Windows-1252: Ò is the byte 0xD2.
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("Tavo.txt"))),
                 QByteArray("AB123CD\r\nNICOL\xD2\r\nUfficio\r\n"));
    }

    void rememberedValuesUntouchedWhenUnchanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tavo.txt"));
        // Same values, but a lone LF inside the file: a rewrite would turn it into CR LF.
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("AB123CD\nGIUSEPPE VERDI\r\nUfficio\r\n");
        }
        const RememberedValues same{QStringLiteral("AB123CD"), QStringLiteral("GIUSEPPE VERDI"),
                                    QStringLiteral("Ufficio")};
        QCOMPARE(printBooklet(learner(), settings(QStringLiteral("A4"), QStringLiteral("3"), false),
                              same, dir.path(), pdfTarget(dir.filePath(QStringLiteral("l.pdf"))),
                              nullptr)
                     .status,
                 PrintOutcome::Status::Printed);
        QCOMPARE(readRaw(path), QByteArray("AB123CD\nGIUSEPPE VERDI\r\nUfficio\r\n"));
    }

    void comparisonIsCaseSensitive()
    {
        QTemporaryDir dir;
        const RememberedValues lower{QStringLiteral("ab123cd"), QStringLiteral("GIUSEPPE VERDI"),
                                     QString()};
        QCOMPARE(printBooklet(learner(), settings(QStringLiteral("A4"), QStringLiteral("3"), false),
                              lower, dir.path(), pdfTarget(dir.filePath(QStringLiteral("l.pdf"))),
                              nullptr)
                     .status,
                 PrintOutcome::Status::Printed);
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("Tavo.txt"))),
                 QByteArray("AB123CD\r\nGIUSEPPE VERDI\r\n\r\n"));
    }

    void failureLeavesNoFiles_data()
    {
        QTest::addColumn<QString>("pdfName"); // relative to the folder
        QTest::addColumn<QString>("margineSx");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<QString>("errorPart");

        QTest::newRow("missing folder") << QStringLiteral("manca/l.pdf") << QStringLiteral("10")
                                        << QStringLiteral("3") << QStringLiteral("PDF");
        // The target is a folder: the finished file cannot take its place.
        QTest::newRow("target is a folder") << QStringLiteral("cartella") << QStringLiteral("10")
                                            << QStringLiteral("3") << QStringLiteral("PDF");
        QTest::newRow("margin overflow") << QStringLiteral("l.pdf") << QStringLiteral("1491309")
                                         << QStringLiteral("3") << QStringLiteral("1491309");
        QTest::newRow("page count overflow") << QStringLiteral("l.pdf") << QStringLiteral("10")
                                             << QStringLiteral("1E10") << QStringLiteral("1E10");
        QTest::newRow("page number too long")
            << QStringLiteral("l.pdf") << QStringLiteral("10") << QStringLiteral("1000")
            << QStringLiteral("100 di 1000");
    }

    void failureLeavesNoFiles()
    {
        QFETCH(QString, pdfName);
        QFETCH(QString, margineSx);
        QFETCH(QString, pagine);
        QFETCH(QString, errorPart);

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cartella")));
        Settings s = settings(QStringLiteral("A4"), pagine, false);
        s.CfgMargineSx = margineSx;
        const PrintOutcome outcome =
            printBooklet(learner(), s, {}, dir.path(), pdfTarget(dir.filePath(pdfName)), nullptr);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QVERIFY2(outcome.error.contains(errorPart), qPrintable(outcome.error));
        // No Tavo.txt, no PDF, no temporary file: only the folder made above.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("cartella")}));
        QVERIFY(QDir(dir.filePath(QStringLiteral("cartella"))).isEmpty());
    }

    void failedRememberWriteIsAFailure()
    {
        QTemporaryDir dir;
        // A folder named Tavo.txt cannot be replaced by the file.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tavo.txt")));
        const PrintOutcome outcome =
            printBooklet(learner(), settings(QStringLiteral("A4"), QStringLiteral("3"), false), {},
                         dir.path(), pdfTarget(dir.filePath(QStringLiteral("l.pdf"))), nullptr);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QVERIFY(!outcome.error.isEmpty());
    }

    void uncheckedInputIsRefused()
    {
        QTemporaryDir dir;
        PrintInput in = learner();
        in.nome = QStringLiteral("  ");
        const PrintOutcome outcome =
            printBooklet(in, settings(QStringLiteral("A4"), QStringLiteral("3"), false), {},
                         dir.path(), pdfTarget(dir.filePath(QStringLiteral("l.pdf"))), nullptr);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QCOMPARE(outcome.error, QStringLiteral("Nome allievo non presente"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void unknownPrinterIsAFailure()
    {
        QTemporaryDir dir;
        const PrintOutcome outcome = printBooklet(
            learner(), settings(QStringLiteral("A4"), QStringLiteral("3"), false), {}, dir.path(),
            {PrintTarget::Kind::Printer, QStringLiteral("NessunaCodaConQuestoNome")}, nullptr);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QCOMPARE(outcome.error, QStringLiteral("Stampante sconosciuta: NessunaCodaConQuestoNome"));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void cancelledDialogStillRemembers()
    {
        // GIVEN no Tavo.txt, WHEN the printer dialog is cancelled, THEN nothing prints but the
        // plate and instructor are remembered with the dialog's printer.
        QTemporaryDir dir;
        QTimer closer;
        bool rejected = false;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                rejected = true;
                dialog->reject();
            }
        });
        closer.start(20);
        const PrintOutcome outcome =
            printBooklet(learner(), settings(QStringLiteral("A4"), QStringLiteral("3"), false), {},
                         dir.path(), {}, nullptr);
        closer.stop();
        QVERIFY(rejected);
        QCOMPARE(outcome.status, PrintOutcome::Status::Cancelled);
        const QByteArray expected = QByteArray("AB123CD\r\nGIUSEPPE VERDI\r\n") +
                                    outcome.printerName.toLatin1() + QByteArray("\r\n");
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("Tavo.txt"))), expected);
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
