#include "print/print_command.h"
#include "print_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Tavo;

namespace {
// A5 is 148 × 210 mm, A4 landscape 297 × 210 mm; in points (72 to the inch).
const QSizeF kA5Portrait(148 / 25.4 * 72, 210 / 25.4 * 72);
const QSizeF kA4Landscape(297 / 25.4 * 72, 210 / 25.4 * 72);

PrintInput learner()
{
    return {u"12VI123456"_s, u"MARIO ZANELLATO"_s, u"AB123CD"_s, u"GIUSEPPE VERDI"_s};
}

Settings settings(const QString &formato, const QString &pagine, bool fascicola = false)
{
    Settings s = Settings::defaults();
    s.CfgAutoscuola1 = u"AUTOSCUOLA BERICA"_s;
    s.CfgFormato = formato;
    s.CfgPagine = pagine;
    s.CfgFascicola = fascicola;
    return s;
}

// Prints to the PDF file pdfName inside dir, which is also the folder of Tavo.txt.
PrintOutcome printPdf(const QTemporaryDir &dir, const Settings &s,
                      const QString &pdfName = u"libretto.pdf"_s,
                      const RememberedValues &remembered = {}, const PrintInput &in = learner())
{
    return printBooklet(in, s, remembered, dir.path(),
                        {PrintTarget::Kind::Pdf, dir.filePath(pdfName)}, nullptr);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
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
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("pages");

        // A5: cover, back, then original and copy of each page: 2 + 2n; A4: the cover sheet
        // and one sheet per page: 1 + n. The count is read as a number: "&HC" is 12.
        QTest::newRow("A5, 12 pages") << u"A5"_s << u"12"_s << false << 12 << 26;
        QTest::newRow("A4, 3 pages") << u"A4"_s << u"3"_s << false << 3 << 4;
        QTest::newRow("A4 collated, hexadecimal 12") << u"A4"_s << u"&HC"_s << true << 12 << 13;
        // Below 1 only the report header prints.
        QTest::newRow("A5, no pages") << u"A5"_s << u"0"_s << false << 0 << 2;
    }

    void pdfHasEveryPage()
    {
        QFETCH(QString, formato);
        QFETCH(QString, pagine);
        QFETCH(bool, fascicola);
        QFETCH(int, n);
        QFETCH(int, pages);
        const QSizeF pageSize = formato == u"A5"_s ? kA5Portrait : kA4Landscape;

        QTemporaryDir dir;
        const PrintOutcome outcome = printPdf(dir, settings(formato, pagine, fascicola));
        QVERIFY2(outcome.status == PrintOutcome::Status::Printed, qPrintable(outcome.error));

        const QString pdf = dir.filePath(u"libretto.pdf"_s);
        const PdfProbe::Info info = PdfProbe::info(pdf);
        QVERIFY2(info.error.isEmpty(), qPrintable(info.error));
        QCOMPARE(info.pages, pages);
        // The PDF writer gives sizes in whole points.
        QVERIFY2(
            qAbs(info.pageSize.width() - pageSize.width()) < 0.6 &&
                qAbs(info.pageSize.height() - pageSize.height()) < 0.6,
            qPrintable(u"%1 x %2 pt"_s.arg(info.pageSize.width()).arg(info.pageSize.height())));

        const QString text = PdfProbe::text(pdf);
        QVERIFY(text.contains(u"MARIO ZANELLATO"_s));
        QVERIFY(text.contains(u"VICENZA"_s));
        QVERIFY(text.contains(u"AUTOSCUOLA BERICA"_s));
        if (n > 0) {
            QVERIFY(text.contains(u"%1 di %1"_s.arg(n)));
            // The statement wraps after "COMPONE".
            QVERIFY(text.contains(u"DI %1 COPPIE DI PAGINE IN ORIGINALE E COPIA"_s.arg(n)));
        }
        if (pagine.startsWith(u'&'))
            QVERIFY(!text.contains(pagine));
        // Nothing but the booklet is left in the folder (the temporary file is gone).
        QCOMPARE(entries(dir.path()), QStringList({u"Tavo.txt"_s, u"libretto.pdf"_s}));
    }

    void marginsMoveThePrint_data()
    {
        QTest::addColumn<QString>("margineSx");
        QTest::addColumn<QString>("margineTop");
        QTest::addColumn<double>("right"); // points, against the print without margins
        QTest::addColumn<double>("down");
        // Whole millimetres × 72 / 25.4 points.
        QTest::newRow("defaults 10 and 15") << u"10"_s << u"15"_s << 28.346 << 42.520;
        QTest::newRow("halves go to even") << u"14.5"_s << u"10.5"_s << 39.685 << 28.346;
    }

    void marginsMoveThePrint()
    {
        QFETCH(QString, margineSx);
        QFETCH(QString, margineTop);
        QFETCH(double, right);
        QFETCH(double, down);

        QTemporaryDir dir;
        QPointF position[2];
        const QString lefts[2] = {u"0"_s, margineSx};
        const QString tops[2] = {u"0"_s, margineTop};
        for (int i = 0; i < 2; ++i) {
            Settings s = settings(u"A5"_s, u"3"_s);
            s.CfgMargineSx = lefts[i];
            s.CfgMargineTop = tops[i];
            const QString pdf = u"m%1.pdf"_s.arg(i);
            QCOMPARE(printPdf(dir, s, pdf).status, PrintOutcome::Status::Printed);
            position[i] = PdfProbe::wordPosition(dir.filePath(pdf), 1, u"ZANELLATO"_s);
            QVERIFY(position[i].x() >= 0);
        }
        const QPointF shift = position[1] - position[0];
        QVERIFY2(qAbs(shift.x() - right) < 0.05 && qAbs(shift.y() - down) < 0.05,
                 qPrintable(u"%1, %2"_s.arg(shift.x()).arg(shift.y())));
    }

    void rememberedValues_data()
    {
        QTest::addColumn<QStringList>("before"); // plate, instructor, printer
        QTest::addColumn<QByteArray>("file");    // Tavo.txt before the print, if any
        QTest::addColumn<QString>("istruttore");
        QTest::addColumn<QByteArray>("after");

        // A PDF is no printer: the remembered printer (none, or Ufficio) stays.
        QTest::newRow("created when absent")
            << QStringList{QString(), QString(), QString()} << QByteArray() << u"GIUSEPPE VERDI"_s
            << QByteArray("AB123CD\r\nGIUSEPPE VERDI\r\n\r\n");
        // Windows-1252: Ò is the byte 0xD2.
        QTest::newRow("changed, printer kept")
            << QStringList{u"XY999ZZ"_s, u"ANNA"_s, u"Ufficio"_s} << QByteArray() << u"NICOLÒ"_s
            << QByteArray("AB123CD\r\nNICOL\xD2\r\nUfficio\r\n");
        // Same values, but a lone LF inside the file: a rewrite would turn it into CR LF.
        QTest::newRow("untouched when unchanged")
            << QStringList{u"AB123CD"_s, u"GIUSEPPE VERDI"_s, u"Ufficio"_s}
            << QByteArray("AB123CD\nGIUSEPPE VERDI\r\nUfficio\r\n") << u"GIUSEPPE VERDI"_s
            << QByteArray("AB123CD\nGIUSEPPE VERDI\r\nUfficio\r\n");
    }

    void rememberedValues()
    {
        QFETCH(QStringList, before);
        QFETCH(QByteArray, file);
        QFETCH(QString, istruttore);
        QFETCH(QByteArray, after);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tavo.txt"_s);
        if (!file.isEmpty())
            QVERIFY(writeRaw(path, file));
        PrintInput in = learner();
        in.istruttore = istruttore;
        const PrintOutcome outcome = printPdf(dir, settings(u"A4"_s, u"3"_s), u"l.pdf"_s,
                                              {before[0], before[1], before[2]}, in);
        QCOMPARE(outcome.status, PrintOutcome::Status::Printed);
        QCOMPARE(readRaw(path), after);
    }

    void failureLeavesNoFiles_data()
    {
        QTest::addColumn<QString>("pdfName"); // relative to the folder
        QTest::addColumn<QString>("margineSx");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<QString>("nome");  // instead of the learner's, if set
        QTest::addColumn<QString>("error"); // a pattern

        const QString pdf = u"l.pdf"_s;
        // The target is a folder: the finished file cannot take its place.
        QTest::newRow("target is a folder")
            << u"cartella"_s << u"10"_s << u"3"_s << QString() << u"PDF"_s;
        QTest::newRow("margin overflow")
            << pdf << u"1491309"_s << u"3"_s << QString() << u"1491309"_s;
        QTest::newRow("page count overflow")
            << pdf << u"10"_s << u"1E10"_s << QString() << u"1E10"_s;
        QTest::newRow("page number too long")
            << pdf << u"10"_s << u"1000"_s << QString() << u"100 di 1000"_s;
        QTest::newRow("unchecked input")
            << pdf << u"10"_s << u"3"_s << u"  "_s << u"^Nome allievo non presente$"_s;
    }

    void failureLeavesNoFiles()
    {
        QFETCH(QString, pdfName);
        QFETCH(QString, margineSx);
        QFETCH(QString, pagine);
        QFETCH(QString, nome);
        QFETCH(QString, error);

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"cartella"_s));
        Settings s = settings(u"A4"_s, pagine);
        s.CfgMargineSx = margineSx;
        PrintInput in = learner();
        if (!nome.isEmpty())
            in.nome = nome;
        const PrintTarget target{PrintTarget::Kind::Pdf, dir.filePath(pdfName)};
        const PrintOutcome outcome = printBooklet(in, s, {}, dir.path(), target, nullptr);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QVERIFY2(QRegularExpression(error).match(outcome.error).hasMatch(),
                 qPrintable(outcome.error));
        // No Tavo.txt, no PDF, no temporary file: only the folder made above.
        QCOMPARE(entries(dir.path()), QStringList({u"cartella"_s}));
        QVERIFY(QDir(dir.filePath(u"cartella"_s)).isEmpty());
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
            printBooklet(learner(), settings(u"A4"_s, u"3"_s), {}, dir.path(), {}, nullptr);
        closer.stop();
        QVERIFY(rejected);
        QCOMPARE(outcome.status, PrintOutcome::Status::Cancelled);
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)),
                 "AB123CD\r\nGIUSEPPE VERDI\r\n" + outcome.printerName.toLatin1() + "\r\n");
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
