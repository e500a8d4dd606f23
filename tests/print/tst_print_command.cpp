#include "../modal_closer.h"
#include "core/italian_translations.h"
#include "core/province_table.h"
#include "print/booklet_labels.h"
#include "print/booklet_printing.h"
#include "print/page_selection.h"
#include "print/print_command.h"
#include "print/print_units.h"
#include "print/print_warnings.h"
#include "print/tabella_pagine.h"
#include "print_fixture.h"
#include "reports/report_layout.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;
using Layout = BookletPages::Layout;
using Field = InputCheck::Field;

Q_DECLARE_METATYPE(Tavo::BookletPages::Layout)
Q_DECLARE_METATYPE(Tavo::InputCheck::Field)
Q_DECLARE_METATYPE(std::optional<float>)

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

// The print command in the program's own process: its rules that need no printer (the checks
// of the learner's data, the settings read as numbers, the choice of layout, the page table,
// the labels), and printing to PDF files read back with poppler-utils and through the dialog.
class TestPrintCommand : public QObject
{
    Q_OBJECT

private slots:
    // A5: cover, back, then original and copy of each page; A4: the cover sheet and one sheet
    // per page, landscape. The count is read as a number: "&HC" is 12. Points are 20 twips.
    // The longest texts each field takes print whole, with no warning due: the name that lost
    // words (51 characters, from the command line), the instructor, a wide plate, the school's
    // lines ("&" literal), the longest office. They are counted in the text in drawing order,
    // where the lines of a wrapped text follow one another: on the cover and on every original
    // and copy.
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
        Settings s = settings(formato, pagine, fascicola);
        s.CfgAutoscuola1 = u"AUTOSCUOLA SANTA MARIA DELLE GRAZIE DI MONTECCHIO"_s;
        s.CfgAutoscuola3 = u"VIA SAN GIOVANNI BATTISTA DE LA SALLE, 12/B INT. 4"_s;
        const PrintInput in{u"12BT123456"_s,
                            u"MARIA ADDOLORATA SCHIAVONE DELL'ACQUA SANT'ANGELO X"_s, u"MW888WWM"_s,
                            u"PIERGIORGIO MASSIMILIANO DEL LUCA DI BONAVENTURA X"_s};
        QCOMPARE(findPrintWarnings(in, s), QList<PrintWarning>());
        QTemporaryDir dir;
        const PrintOutcome outcome = printPdf(dir, s, u"l.pdf"_s, {}, in);
        QVERIFY2(outcome.status == PrintOutcome::Status::Printed, qPrintable(outcome.error));
        const PdfProbe::Info info = PdfProbe::info(dir.filePath(u"l.pdf"_s));
        QCOMPARE(info.pages, pages);
        QCOMPARE(u"%1x%2"_s.arg(qRound(info.pageSize.width())).arg(qRound(info.pageSize.height())),
                 paper);
        const QString text =
            PdfProbe::run(u"pdftotext"_s, {u"-raw"_s, dir.filePath(u"l.pdf"_s), u"-"_s})
                .simplified();
        const int n = (pages - 1) / (formato == u"A5" ? 2 : 1);
        for (const QString &onCover : {in.nome, s.CfgAutoscuola1, s.CfgAutoscuola2,
                                       s.CfgAutoscuola3, s.CfgAutoscuola4, s.CfgCodice})
            QVERIFY2(text.count(onCover) == 1 + 2 * n, qPrintable(onCover));
        for (const QString &onLessons : {in.aut, in.istruttore, in.targa,
                                         u"UMC di rilascio autorizzazione BARLETTA-ANDRIA-TRANI"_s})
            QVERIFY2(text.count(onLessons) == 2 * n, qPrintable(onLessons));
        QCOMPARE(text.count(u"%1 di %1"_s.arg(n)), 2);
        QCOMPARE(text.count(u"SI COMPONE DI %1 COPPIE"_s.arg(n)), 1);
        // The first original's heading stands at (0, 567) twips plus the margins of 10 and 15 mm.
        const QPointF heading = PdfProbe::wordPosition(dir.filePath(u"l.pdf"_s),
                                                       formato == u"A5" ? 3 : 2, u"ORIGINALE"_s);
        QVERIFY(qAbs(heading.x() * 20 - 566.93) < 10 && qAbs(heading.y() * 20 - 1417.39) < 10);
        // Nothing but the booklet and Tavo.txt is left: the temporary file is gone.
        QCOMPARE(entries(dir.path()), QStringList({u"l.pdf"_s, u"Tavo.txt"_s}));
    }

    // A margin that pushes the page past its sheet is warned of, naming the margin to lower and
    // how far; the largest margins that keep the stamp circle and the right side on it are not.
    void marginsPastThePaper_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QStringList>("warned"); // a part of each warning, in order
        QTest::newRow("A5, largest") << u"A5"_s << u"20"_s << u"19"_s << QStringList();
        QTest::newRow("A5, both past")
            << u"A5"_s << u"21"_s << u"40"_s
            << QStringList{u"margine sinistro a 20 mm"_s, u"margine superiore a 19 mm"_s};
        QTest::newRow("A4, largest") << u"A4"_s << u"21"_s << u"19"_s << QStringList();
        QTest::newRow("A4, left past")
            << u"A4"_s << u"22"_s << u"15"_s << QStringList{u"margine sinistro a 21 mm"_s};
    }
    void marginsPastThePaper()
    {
        QFETCH(QString, formato);
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(QStringList, warned);
        Settings s = settings(formato, u"6"_s);
        s.CfgMargineSx = left;
        s.CfgMargineTop = top;
        const QList<PrintWarning> warnings = findPrintWarnings(kLearner, s);
        QCOMPARE(warnings.size(), warned.size());
        for (qsizetype i = 0; i < warned.size(); ++i) {
            QVERIFY2(warnings[i].message.contains(warned[i]), qPrintable(warnings[i].message));
            QCOMPARE(warnings[i].field, Field::None);
        }
    }

    // Every office of the province table prints whole, on either half of a sheet.
    void everyOfficePrintsWhole()
    {
        for (std::size_t row = 1; row < Prov().size(); ++row) {
            const QString code = QString::fromUtf8(Prov()[row]).first(2);
            const PrintInput office{u"12"_s + code + u"123456"_s, u"A"_s, {}, {}};
            QVERIFY2(findPrintWarnings(office, settings(u"A4"_s, u"3"_s)).isEmpty(), Prov()[row]);
        }
    }

    // The user guide's assembly of a collated booklet, done on the printed sheets: the cover
    // sheet cut in two, the cover first; the other sheets piled in printing order, the first on
    // top, the pile cut along the fold marks and its left half laid on its right half. Every
    // page comes in order, each original before its copy.
    void collatedSheetsAssemble()
    {
        const int pageCount = 6;
        QTemporaryDir dir;
        const Settings s = settings(u"A4"_s, QString::number(pageCount), true);
        QCOMPARE(printPdf(dir, s, u"f.pdf"_s).status, PrintOutcome::Status::Printed);
        // A half sheet (842 × 595 points) as its heading and page number, or its first word.
        const auto half = [&](int sheet, bool right) {
            const QString n = QString::number(sheet);
            const QString text = PdfProbe::run(
                u"pdftotext"_s,
                {u"-f"_s, n, u"-l"_s, n, u"-x"_s, right ? u"421"_s : u"0"_s, u"-y"_s, u"0"_s,
                 u"-W"_s, u"421"_s, u"-H"_s, u"595"_s, dir.filePath(u"f.pdf"_s), u"-"_s});
            const QRegularExpressionMatch page =
                QRegularExpression(u"(ORIGINALE|COPIA)[\\s\\S]*\\s(\\d+) di "_s).match(text);
            return page.hasMatch() ? page.captured(1) + u' ' + page.captured(2)
                                   : text.simplified().section(u' ', 0, 0);
        };
        QStringList booklet{half(1, false), half(1, true)}; // the cover and the statement
        QStringList rightPile;
        for (int sheet = 2; sheet <= pageCount + 1; ++sheet) {
            booklet.append(half(sheet, false));
            rightPile.append(half(sheet, true));
        }
        QStringList expected{u"LIBRETTO"_s, u"IL"_s};
        for (int page = 1; page <= pageCount; ++page)
            expected << u"ORIGINALE %1"_s.arg(page) << u"COPIA %1"_s.arg(page);
        QCOMPARE(booklet + rightPile, expected);
    }

    // Tavo.txt is left untouched when plate, instructor and printer are unchanged (a PDF is no
    // printer: the remembered one stays); its lone LF would not survive a rewrite.
    void unchangedValuesLeaveTavoTxt()
    {
        QTemporaryDir dir;
        const QByteArray file = "AB123CD\nGIUSEPPE VERDI\r\nUfficio\r\n";
        QVERIFY(writeRaw(dir.filePath(u"Tavo.txt"_s), file));
        const RememberedValues same{u"AB123CD"_s, u"GIUSEPPE VERDI"_s, u"Ufficio"_s};
        const PrintOutcome outcome = printPdf(dir, settings(u"A4"_s, u"3"_s), u"l.pdf"_s, same);
        QCOMPARE(outcome.status, PrintOutcome::Status::Printed);
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)), file);
    }

    // Every settings problem is found before anything prints: no PDF, no temporary file, no
    // Tavo.txt is left behind.
    void failureLeavesNoFiles_data()
    {
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<QString>("margineSx");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<QString>("error");
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
        Settings s = settings(u"A4"_s, pagine);
        s.CfgMargineSx = margineSx;
        const PrintOutcome outcome = printPdf(dir, s, pdfName);
        QCOMPARE(outcome.status, PrintOutcome::Status::Failed);
        QVERIFY2(outcome.error.contains(error), qPrintable(outcome.error));
        QCOMPARE(entries(dir.path()), QStringList());
    }

    // GIVEN no Tavo.txt, WHEN the printer dialog is cancelled, THEN nothing prints but the
    // plate and instructor are remembered with the dialog's printer.
    void cancelledDialogStillRemembers()
    {
        QTemporaryDir dir;
        const ModalCloser closer([] { return true; });
        const PrintOutcome outcome =
            printBooklet(kLearner, settings(u"A4"_s, u"3"_s), {}, dir.path(), {}, nullptr);
        QVERIFY(closer.seen);
        QCOMPARE(outcome.status, PrintOutcome::Status::Cancelled);
        QCOMPARE(readRaw(dir.filePath(u"Tavo.txt"_s)),
                 "AB123CD\r\nGIUSEPPE VERDI\r\n" + outcome.printerName.toLatin1() + "\r\n");
    }

    void inputChecks_data()
    {
        QTest::addColumn<QString>("aut");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("targa");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("message");
        const QString name = u"MARIO ROSSI"_s;
        const QString wrong = u"Numero autorizzazione errato"_s;
        QTest::newRow("valid, trailing blank")
            << u"12VI123456 "_s << name << u"AB123CD"_s << Field::None << QString();
        QTest::newRow("nine characters")
            << u"12VI12345"_s << name << QString() << Field::Aut << wrong;
        QTest::newRow("letter in the digits")
            << u"12VI12345A"_s << name << QString() << Field::Aut << wrong;
        // Whether a part converts to a number, not digit by digit.
        QTest::newRow("signed digits pass")
            << u"12VI-12345"_s << name << QString() << Field::None << QString();
        // The parts are read as typed: a leading blank shifts the code to "2V"; only blanks
        // are trimmed, so a TAB makes 11 characters.
        QTest::newRow("leading blank")
            << u" 12VI123456"_s << name << QString() << Field::Aut << wrong;
        QTest::newRow("tab after the number")
            << u"12VI123456\t"_s << name << QString() << Field::Aut << wrong;
        QTest::newRow("blank name") << u"12VI123456"_s << u"   "_s << QString() << Field::Nome
                                    << u"Nome allievo non presente"_s;
        QTest::newRow("plate Tavo.txt cannot hold, emoji")
            << u"12VI123456"_s << name << u"AB\U0001F697"_s << Field::Targa
            << u"Targa non valida: il carattere \"\U0001F697\" non si può salvare"_s;
    }
    void inputChecks()
    {
        QFETCH(QString, aut);
        QFETCH(QString, nome);
        QFETCH(QString, targa);
        QFETCH(Field, field);
        QFETCH(QString, message);
        const InputCheck check = checkPrintInput({aut, nome, targa, u"È"_s});
        QCOMPARE(check.field, field);
        QCOMPARE(check.message, message);
    }

    // Whole millimetres × 1440 / 25.4, in the single precision the report receives.
    void margins_data()
    {
        QTest::addColumn<QString>("millimetres");
        QTest::addColumn<std::optional<float>>("twips");
        QTest::newRow("default left 10") << u"10"_s << std::optional(566.92914f);
        QTest::newRow("half goes to even, down") << u"14.5"_s << std::optional(793.70079f);
        QTest::newRow("half goes to even, up") << u"11.5"_s << std::optional(680.31496f);
        // 1491308 × 1440 = 2147483520 fits 32 bits; 1491309 × 1440 does not.
        QTest::newRow("largest that fits") << u"1491308"_s << std::optional(84546592.0f);
        QTest::newRow("product overflows") << u"1491309"_s << std::optional<float>();
    }
    void margins()
    {
        QFETCH(QString, millimetres);
        QFETCH(std::optional<float>, twips);
        const std::optional<float> actual = PrintUnits::marginTwips(millimetres);
        QCOMPARE(actual.has_value(), twips.has_value());
        QVERIFY2(actual.value_or(0) == twips.value_or(0),
                 qPrintable(QString::number(actual.value_or(0), 'g', 10)));
    }

    void layoutChoice_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<bool>("fascicola");
        QTest::addColumn<Layout>("layout");
        QTest::newRow("A5 ignores collation") << u"A5"_s << true << Layout::RptLibGuide;
        QTest::newRow("lower-case a5 is A4") << u"a5"_s << false << Layout::RptLibGuideA4;
        QTest::newRow("A4 collated") << u"A4"_s << true << Layout::RptLibGuideA4f;
        QTest::newRow("other format") << u"A3"_s << true << Layout::RptLibGuideA4f;
    }
    void layoutChoice()
    {
        QFETCH(QString, formato);
        QFETCH(bool, fascicola);
        QFETCH(Layout, layout);
        Settings s = Settings::defaults();
        s.CfgFormato = formato;
        s.CfgFascicola = fascicola;
        QCOMPARE(BookletPages::chooseLayout(s), layout);
    }

    // The rows as their values joined by "|"; "ORIG" the original's heading, "CUT" the cut
    // line. Collated sheets pair page i with page n/2 + i.
    void pageTable_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("rows");
        QTest::newRow("A5, 3 pages") << Layout::RptLibGuide << 3
                                     << u"ORIG|1 di 3|CUT;COPIA|1 di 3|;ORIG|2 di 3|CUT;"
                                        "COPIA|2 di 3|;ORIG|3 di 3|CUT;COPIA|3 di 3|"_s;
        QTest::newRow("A4 collated, 6 pages")
            << Layout::RptLibGuideA4f << 6
            << u"CUT|ORIG|1 di 6|4 di 6;|COPIA|1 di 6|4 di 6;CUT|ORIG|2 di 6|5 di 6;"
               "|COPIA|2 di 6|5 di 6;CUT|ORIG|3 di 6|6 di 6;|COPIA|3 di 6|6 di 6"_s;
        QTest::newRow("negative count") << Layout::RptLibGuideA4 << -4 << QString();
    }
    void pageTable()
    {
        QFETCH(Layout, layout);
        QFETCH(int, pageCount);
        QFETCH(QString, rows);
        TabellaPagine table;
        const TabellaPagine::Result result = BookletPages::fillPageTable(layout, pageCount, table);
        QVERIFY2(result.ok, qPrintable(result.error));
        QStringList actual;
        for (int row = 0; row < table.rowCount(); ++row) {
            QStringList values;
            for (const QString &field : table.fieldNames()) {
                const QString v = table.value(row, field);
                values.append(v == u"ORIGINALE (retro a carta di ricalco)"_s ? u"ORIG"_s
                              : v.startsWith(u"- - -"_s)                     ? u"CUT"_s
                                                                             : v);
            }
            actual.append(values.join(u'|'));
        }
        QCOMPARE(actual.join(u';'), rows);
    }

    // "999 di 999" fits the page field; "100 di 1000" is an error naming field and length,
    // never a cut value; a huge count fails before filling rows.
    void pageFieldLimits()
    {
        TabellaPagine fits;
        QVERIFY(BookletPages::fillPageTable(Layout::RptLibGuideA4, 999, fits).ok);
        QCOMPARE(fits.value(998, u"pagina"), u"999 di 999"_s);
        TabellaPagine tooLong;
        const TabellaPagine::Result r =
            BookletPages::fillPageTable(Layout::RptLibGuide, 1000, tooLong);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(u"pagina"_s) && r.error.contains(u"10"_s), qPrintable(r.error));
        TabellaPagine huge;
        QVERIFY(!BookletPages::fillPageTable(Layout::RptLibGuide, 2147483647, huge).ok);
        QCOMPARE(huge.rowCount(), 0);
    }

    // The printer dialog's choice, in printed pages counted from 1, as 0-based indexes: the
    // sheets to reprint. A choice of no page of the booklet, or an unsaid current page, is an
    // error.
    void chosenPages_data()
    {
        QTest::addColumn<int>("range"); // QPrinter::PrintRange
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<QString>("chosen"); // the indexes, "all" or "error"
        QTest::newRow("all") << int(QPrinter::AllPages) << u"3"_s << u"all"_s;
        QTest::newRow("typed") << int(QPrinter::PageRange) << u"2,5-6"_s << u"1,4,5"_s;
        QTest::newRow("past the end") << int(QPrinter::PageRange) << u"12-20"_s << u"11,12"_s;
        QTest::newRow("none of the booklet")
            << int(QPrinter::PageRange) << u"20-30"_s << u"error"_s;
        QTest::newRow("current page, which one unsaid")
            << int(QPrinter::CurrentPage) << QString() << u"error"_s;
    }
    void chosenPages()
    {
        QFETCH(int, range);
        QFETCH(QString, ranges);
        QFETCH(QString, chosen);
        const PageSelection::Choice choice = PageSelection::chosenPages(
            QPrinter::PrintRange(range), QPageRanges::fromString(ranges), 13);
        QStringList indexes;
        for (int page : choice.pages)
            indexes << QString::number(page);
        QCOMPARE(!choice.error.isEmpty() ? u"error"_s
                 : indexes.isEmpty()     ? u"all"_s
                                         : indexes.join(u','),
                 chosen);
    }

    // The printer dialog speaks Italian, the texts Qt's translation lacks included.
    void printerDialogInItalian()
    {
        QVERIFY(loadItalianTranslations());
        QPrinter printer;
        QPrintDialog dialog(&printer);
        QStringList texts;
        for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
            texts << button->text();
        for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
            texts << box->title();
        for (const QString &italian :
             {u"Pagine"_s, u"Fronte e retro"_s, u"Solo fronte"_s, u"Rilegatura sul lato lungo"_s})
            QVERIFY2(texts.contains(italian), qPrintable(texts.join(u'|')));
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_print_command.moc"
