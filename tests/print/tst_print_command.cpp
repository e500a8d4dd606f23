#include "print/booklet_printing.h"
#include "print/print_command.h"
#include "print/tabella_pagine.h"
#include "print_fixture.h"
#include "reports/report_layout.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Tavo;

namespace {
const PrintInput kLearner{u"12VI123456"_s, u"MARIO ZANELLATO"_s, u"AB123CD"_s, u"GIUSEPPE VERDI"_s};

Settings settings(const QString &formato, const QString &pagine, bool fascicola = false)
{
    Settings s = Settings::defaults();
    s.CfgAutoscuola1 = u"AUTOSCUOLA BERICA"_s;
    s.CfgFormato = formato;
    s.CfgPagine = pagine;
    s.CfgFascicola = fascicola;
    return s;
}

// Prints to the PDF file `name` in dir, which is also the folder of Tavo.txt.
PrintOutcome printPdf(const QTemporaryDir &dir, const Settings &s, const QString &name,
                      const RememberedValues &remembered = {}, const PrintInput &in = kLearner)
{
    return printBooklet(in, s, remembered, dir.path(), {PrintTarget::Kind::Pdf, dir.filePath(name)},
                        nullptr);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}
} // namespace

// The print command in the program's own process, printing to PDF files read back with
// poppler-utils, and through the printer dialog.
class TestPrintCommand : public QObject
{
    Q_OBJECT

private slots:
    // A5: cover, back, then original and copy of each page; A4: the cover sheet and one sheet
    // per page, landscape. The count is read as a number: "&HC" is 12. Points are 20 twips.
    void pdfHasEveryPage_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<bool>("fascicola");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("paper");
        QTest::newRow("A5, 12 pages") << u"A5"_s << u"12"_s << false << 26 << u"420x595"_s;
        QTest::newRow("A4, 3 pages") << u"A4"_s << u"3"_s << false << 4 << u"842x595"_s;
        QTest::newRow("A4 collated, &HC") << u"A4"_s << u"&HC"_s << true << 13 << u"842x595"_s;
    }
    void pdfHasEveryPage()
    {
        QFETCH(QString, formato);
        QFETCH(QString, pagine);
        QFETCH(bool, fascicola);
        QFETCH(int, pages);
        QFETCH(QString, paper);
        QTemporaryDir dir;
        const PrintOutcome outcome =
            printPdf(dir, settings(formato, pagine, fascicola), u"l.pdf"_s);
        QVERIFY2(outcome.status == PrintOutcome::Status::Printed, qPrintable(outcome.error));
        const PdfProbe::Info info = PdfProbe::info(dir.filePath(u"l.pdf"_s));
        QCOMPARE(info.pages, pages);
        QCOMPARE(u"%1x%2"_s.arg(qRound(info.pageSize.width())).arg(qRound(info.pageSize.height())),
                 paper);
        const QString text = PdfProbe::text(dir.filePath(u"l.pdf"_s));
        for (const QString &expected :
             {u"MARIO ZANELLATO"_s, u"VICENZA"_s, u"AUTOSCUOLA BERICA"_s,
              u"%1 di %1"_s.arg((pages - 1) / (formato == u"A5" ? 2 : 1))})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        // The first original's heading stands at (0, 567) twips plus the margins of 10 and 15 mm.
        const QPointF heading = PdfProbe::wordPosition(dir.filePath(u"l.pdf"_s),
                                                       formato == u"A5" ? 3 : 2, u"ORIGINALE"_s);
        QVERIFY(qAbs(heading.x() * 20 - 566.93) < 10 && qAbs(heading.y() * 20 - 1417.39) < 10);
        // Nothing but the booklet and Tavo.txt is left: the temporary file is gone.
        QCOMPARE(entries(dir.path()), QStringList({u"l.pdf"_s, u"Tavo.txt"_s}));
    }

    // A printer's resolution is not 1440 dpi: through a QPrinter at any resolution the words
    // stand where the layout puts them (points are 20 twips; no margins here).
    void wordsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<int>("dpi");
        for (int dpi : {300, 600, 1200})
            QTest::addRow("%d dpi", dpi) << dpi;
    }
    void wordsStandWhereTheLayoutPutsThem()
    {
        QFETCH(int, dpi);
        QTemporaryDir dir;
        const auto layout = BookletPages::Layout::RptLibGuideA4;
        const auto report = BookletPages::createReport(layout);
        TabellaPagine rows;
        QVERIFY(BookletPages::fillPageTable(layout, 3, rows).ok);
        report->setDataSource(&rows);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"r.pdf"_s));
        printer.setResolution(dpi);
        printer.setFullPage(true);
        BookletPrinting::setUpPage(printer, layout);
        QVERIFY(BookletPrinting::printPages(*report, printer, u"PDF"_s).isEmpty());
        const auto at = [&](const QString &word) {
            return PdfProbe::wordPosition(dir.filePath(u"r.pdf"_s), 2, word) * 20;
        };
        for (const auto &[word, x, y] :
             {std::tuple{u"ORIGINALE"_s, 0, 567}, {u"COPIA"_s, 8362, 567}}) {
            const QPointF d = at(word) - QPointF(x, y);
            QVERIFY2(qAbs(d.x()) < 10 && qAbs(d.y()) < 10, qPrintable(word));
        }
    }

    // Tavo.txt, byte for byte: written when plate, instructor or printer changed (a PDF is no
    // printer: the remembered one stays), untouched otherwise.
    void rememberedValues_data()
    {
        QTest::addColumn<QStringList>("before"); // plate, instructor, printer
        QTest::addColumn<QByteArray>("file");    // Tavo.txt before the print
        QTest::addColumn<QByteArray>("after");
        // The instructor is NICOLÒ: Ò is the byte 0xD2; the plate differs in case only.
        QTest::newRow("rewritten, Windows-1252")
            << QStringList{u"ab123cd"_s, u"NICOLÒ"_s, u"Ufficio"_s} << QByteArray()
            << QByteArray("AB123CD\r\nNICOL\xD2\r\nUfficio\r\n");
        // The same values, with a lone LF that a rewrite would turn into CR LF.
        QTest::newRow("untouched when unchanged")
            << QStringList{u"AB123CD"_s, u"NICOLÒ"_s, u"Ufficio"_s}
            << QByteArray("AB123CD\nNICOL\xD2\r\nUfficio\r\n")
            << QByteArray("AB123CD\nNICOL\xD2\r\nUfficio\r\n");
    }
    void rememberedValues()
    {
        QFETCH(QStringList, before);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Tavo.txt"_s);
        QVERIFY(file.isEmpty() || writeRaw(path, file));
        PrintInput in = kLearner;
        in.istruttore = u"NICOLÒ"_s;
        const PrintOutcome outcome = printPdf(dir, settings(u"A4"_s, u"3"_s), u"l.pdf"_s,
                                              {before[0], before[1], before[2]}, in);
        QCOMPARE(outcome.status, PrintOutcome::Status::Printed);
        QCOMPARE(readRaw(path), after);
    }

    // Every settings problem is found before anything prints: no PDF, no temporary file, no
    // Tavo.txt is left behind.
    void failureLeavesNoFiles_data()
    {
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<QString>("margineSx");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<QString>("error");
        QTest::newRow("target is a folder") << u"cartella"_s << u"10"_s << u"3"_s << u"PDF"_s;
        QTest::newRow("margin overflow") << u"l.pdf"_s << u"1491309"_s << u"3"_s << u"1491309"_s;
        QTest::newRow("page number too long")
            << u"l.pdf"_s << u"10"_s << u"1000"_s << u"100 di 1000"_s;
    }
    void failureLeavesNoFiles()
    {
        QFETCH(QString, pdfName);
        QFETCH(QString, margineSx);
        QFETCH(QString, pagine);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"cartella"_s));
        Settings s = settings(u"A4"_s, pagine);
        s.CfgMargineSx = margineSx;
        const PrintOutcome outcome = printPdf(dir, s, pdfName);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QVERIFY2(outcome.error.contains(error), qPrintable(outcome.error));
        QCOMPARE(entries(dir.path()), QStringList({u"cartella"_s}));
        QVERIFY(QDir(dir.filePath(u"cartella"_s)).isEmpty());
    }

    // GIVEN no Tavo.txt, WHEN the printer dialog is cancelled, THEN nothing prints but the
    // plate and instructor are remembered with the dialog's printer.
    void cancelledDialogStillRemembers()
    {
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
            printBooklet(kLearner, settings(u"A4"_s, u"3"_s), {}, dir.path(), {}, nullptr);
        QVERIFY(rejected);
        QCOMPARE(outcome.status, PrintOutcome::Status::Cancelled);
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)),
                 "AB123CD\r\nGIUSEPPE VERDI\r\n" + outcome.printerName.toLatin1() + "\r\n");
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
