#include "reports/booklet_layouts.h"
#include "reports/report_renderer.h"

#include "report_fixtures.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo::Reports;

// Checks the PDF that the renderer writes with poppler-utils, as a reader of the booklet
// would see it: pages, paper, and where each word stands. Positions in the PDF are points
// (20 twips) from the sheet's top-left corner.
namespace {

struct Word
{
    QString text;
    double xMin, yMin, xMax;
};
using Page = QList<Word>;

constexpr double leftMarginTwips = 566.92914; // 10 mm
constexpr double topMarginTwips = 850.39368;  // 15 mm
const QString original = QStringLiteral("ORIGINALE (retro a carta di ricalco)");

double xOf(double twips)
{
    return (leftMarginTwips + twips) / 20;
}
double yOf(double twips)
{
    return (topMarginTwips + twips) / 20;
}

QString pageNumber(int page, int count)
{
    return QStringLiteral("%1 di %2").arg(page).arg(count);
}

void fillLabels(ReportLayout &layout, const TableRows &rows)
{
    for (const char *name : {"Ag11", "Ag21", "Ag31"})
        layout.setLabelText(QString::fromLatin1(name), QStringLiteral("ROSSI & FIGLI"));
    for (const char *name : {"Cognome1", "Cognome2", "Cognome3"})
        layout.setLabelText(QString::fromLatin1(name), QStringLiteral("MARIO BIANCHI"));
    layout.setLabelText(u"compone",
                        QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI "
                                       "3 COPPIE DI PAGINE IN ORIGINALE E COPIA"));
    layout.setLeftMargin(float(leftMarginTwips));
    layout.setTopMargin(float(topMarginTwips));
    layout.setDataSource(&rows);
}

bool paintAll(const ReportLayout &layout, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const ReportRenderer renderer(layout);
    for (int page = 0; page < renderer.pageCount(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        renderer.paintPage(page, painter);
    }
    return painter.end();
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<Page> wordsOf(const QString &pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"[\\d.]+\">([^<]*)</word>"));
    QList<Page> pages;
    for (const QString &chunk : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        Page page;
        for (const auto &match : word.globalMatch(chunk)) {
            QString text = match.captured(4);
            text.replace("&apos;", "'").replace("&quot;", "\"").replace("&lt;", "<");
            text.replace("&gt;", ">").replace("&amp;", "&");
            page.append({text, match.captured(1).toDouble(), match.captured(2).toDouble(),
                         match.captured(3).toDouble()});
        }
        pages.append(page);
    }
    return pages;
}

QList<Word> find(const Page &page, const QString &text)
{
    QList<Word> found;
    std::copy_if(page.begin(), page.end(), std::back_inserter(found),
                 [&](const Word &word) { return word.text == text; });
    return found;
}

// Whether the page has the word `text` with its top-left corner at the layout position
// (twips from the printable area's corner), within half a point.
bool hasWordAt(const Page &page, const QString &text, double xTwips, double yTwips)
{
    return std::any_of(page.begin(), page.end(), [&](const Word &word) {
        return word.text == text && qAbs(word.xMin - xOf(xTwips)) < 0.5 &&
               qAbs(word.yMin - yOf(yTwips)) < 0.5;
    });
}

// The paper as pdfinfo states it, in whole points: "842 x 595 pts (A4)".
QString paperOf(const QString &pdf)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([^\\n]*)"));
    return size.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1);
}

// The page's words joined by blanks, in reading order as pdftotext gives them.
QString textOf(const Page &page)
{
    QStringList words;
    for (const Word &word : page)
        words.append(word.text);
    return words.join(QLatin1Char(' '));
}

} // namespace

class TestReportPdf : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Prints the booklet as the print command does: through a QPrinter in full-page mode,
    // which measures from the sheet's edge.
    QString booklet(ReportLayout &layout, const TableRows &rows, int dpi = 1440)
    {
        fillLabels(layout, rows);
        const QString path =
            m_dir.filePath(QStringLiteral("%1-%2.pdf").arg(layout.name()).arg(dpi));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(dpi);
        printer.setFullPage(true);
        printer.setPageLayout(QPageLayout(QPageSize(layout.designPageSize()),
                                          layout.designOrientation(), QMarginsF()));
        return paintAll(layout, printer) ? path : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils (pdfinfo, pdftotext) is not installed");
        QVERIFY(m_dir.isValid());
    }

    void a5BookletStandsWhereTheLayoutPutsIt()
    {
        auto layout = createRptLibGuide();
        QList<QHash<QString, QString>> rows;
        for (int page = 1; page <= 3; ++page) {
            rows.append(
                {{"titolo", original}, {"pagina", pageNumber(page, 3)}, {"taglia", cutLineText()}});
            rows.append({{"titolo", "COPIA"}, {"pagina", pageNumber(page, 3)}, {"taglia", ""}});
        }
        const TableRows data(rows);
        const QString pdf = booklet(*layout, data);
        QCOMPARE(paperOf(pdf), QStringLiteral("420 x 595 pts (A5)"));
        const QList<Page> pages = wordsOf(pdf);
        QCOMPARE(pages.size(), 8);

        // Cover: the centred title 567 twips below the top margin.
        const Word title = find(pages[0], "LIBRETTO").value(0);
        QVERIFY(qAbs(title.yMin - yOf(567)) < 0.5);
        QVERIFY(qAbs((title.xMin + find(pages[0], "GUIDA").value(0).xMax) / 2 - xOf(3614)) < 0.5);
        QVERIFY(textOf(pages[0]).contains("ROSSI & FIGLI"));
        QVERIFY(textOf(pages[0]).contains("MARIO BIANCHI"));
        QVERIFY(!textOf(pages[0]).contains("COMPONE"));

        // Back: the statement moved up by the break, on two lines.
        const Word il = find(pages[1], "IL").value(0);
        QVERIFY(qAbs(il.yMin - yOf(7512 - 6520)) < 0.5);
        QVERIFY(find(pages[1], "COPIA").value(0).yMin > il.yMin + 10);
        QVERIFY(textOf(pages[1]).contains("TIMBRO DELL'UFFICIO"));

        // Original page 1: a cut line of 52 hyphens on one line, the heading, the number.
        const QList<Word> hyphens = find(pages[2], "-");
        QCOMPARE(hyphens.size(), 52);
        QCOMPARE(hyphens.first().yMin, hyphens.last().yMin);
        QVERIFY(hasWordAt(pages[2], "ORIGINALE", 0, 567));
        QVERIFY(hasWordAt(pages[2], "1", 5953, 10205));
        QVERIFY(textOf(pages[2]).contains("ROSSI & FIGLI"));

        // Its copy: no cut line, heading "COPIA", the same number.
        QVERIFY(find(pages[3], "-").isEmpty());
        QVERIFY(hasWordAt(pages[3], "COPIA", 0, 567));
        QVERIFY(textOf(pages[3]).contains("1 di 3"));
        QVERIFY(textOf(pages[7]).contains("3 di 3"));
    }

    // A printer's resolution is not 1440 dpi: the words must stand at the same place.
    void a4SheetHasOriginalLeftAndCopyRight_data()
    {
        QTest::addColumn<int>("dpi");
        for (int dpi : {1440, 300, 600, 1200})
            QTest::addRow("%d dpi", dpi) << dpi;
    }
    void a4SheetHasOriginalLeftAndCopyRight()
    {
        QFETCH(int, dpi);
        auto layout = createRptLibGuideA4();
        const TableRows data({{{"pagina", pageNumber(1, 3)}},
                              {{"pagina", pageNumber(2, 3)}},
                              {{"pagina", pageNumber(3, 3)}}});
        const QString pdf = booklet(*layout, data, dpi);
        QCOMPARE(paperOf(pdf), QStringLiteral("842 x 595 pts (A4)"));
        const QList<Page> pages = wordsOf(pdf);
        QCOMPARE(pages.size(), 4);

        // Cover sheet: the cover on the left, its back on the right half.
        QVERIFY(find(pages[0], "LIBRETTO").value(0).xMax < xOf(7795));
        QVERIFY(qAbs(find(pages[0], "IL").value(0).yMin - yOf(992)) < 0.5);
        QVERIFY(find(pages[0], "IL").value(0).xMin > xOf(8362));

        const Page &sheet = pages[2];
        QVERIFY(hasWordAt(sheet, "ORIGINALE", 0, 567));
        QCOMPARE(find(sheet, "COPIA").size(), 1);
        QVERIFY(hasWordAt(sheet, "COPIA", 8362, 567));
        const QList<Word> hyphens = find(sheet, "-");
        QCOMPARE(hyphens.size(), 52);
        for (const Word &hyphen : hyphens)
            QVERIFY(hyphen.xMax < xOf(7228));
        // Both halves carry the same page number.
        QVERIFY(hasWordAt(sheet, "2", 5953, 10205));
        QVERIFY(hasWordAt(sheet, "2", 5953 + 8362, 10205));
        QCOMPARE(find(sheet, "ROSSI").size(), 2);
    }

    void a4fSheetsCarryTheirRowsHeadingsAndNumbers()
    {
        auto layout = createRptLibGuideA4f();
        const QHash<QString, QString> numbers = {{"pagina1", pageNumber(1, 4)},
                                                 {"pagina2", pageNumber(3, 4)}};
        QHash<QString, QString> originals = numbers, copies = numbers;
        originals.insert({{"taglia", cutLineText()}, {"titolo", original}});
        copies.insert({{"taglia", ""}, {"titolo", "COPIA"}});
        const QString pdf = booklet(*layout, TableRows({originals, copies}));
        QCOMPARE(paperOf(pdf), QStringLiteral("842 x 595 pts (A4)"));
        const QList<Page> pages = wordsOf(pdf);
        QCOMPARE(pages.size(), 3);
        QVERIFY(textOf(pages[0]).contains("A G S"));

        const QList<Word> hyphens = find(pages[1], "-");
        QCOMPARE(hyphens.size(), 104);
        QVERIFY(hyphens.first().xMax < xOf(7228));
        QVERIFY(hyphens.last().xMin > xOf(8362));
        QCOMPARE(find(pages[1], "ORIGINALE").size(), 2);
        QVERIFY(find(pages[2], "-").isEmpty());
        const QList<Word> copia = find(pages[2], "COPIA");
        QCOMPARE(copia.size(), 2);
        QVERIFY(qAbs(copia[0].xMin - xOf(0)) < 0.5);
        QVERIFY(qAbs(copia[1].xMin - xOf(8362)) < 0.5);
        for (const Page &sheet : {pages[1], pages[2]}) {
            QVERIFY(hasWordAt(sheet, "1", 5953, 10205));
            QVERIFY(hasWordAt(sheet, "3", 5953 + 8362, 10205));
        }
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_report_pdf.moc"
