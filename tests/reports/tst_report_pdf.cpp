#include "reports/booklet_layouts.h"
#include "reports/report_renderer.h"

#include "report_fixtures.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo::Reports;

// The PDF the renderer writes through a QPrinter in full-page mode, as a reader sees it with
// poppler-utils: paper, text, and where words stand, in points (20 twips) from the sheet's
// corner, with margins of 10 mm and 15 mm.
namespace {

struct Word
{
    QString text;
    QPointF topLeft;
};

constexpr double kLeft = 566.92914; // twips
constexpr double kTop = 850.39368;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of each page, from pdftotext -bbox.
QList<QList<Word>> wordsOf(const QString &pdf)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    QList<QList<Word>> pages;
    const QString html = run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    for (const QString &chunk : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        QList<Word> page;
        for (const auto &m : word.globalMatch(chunk))
            page.append({m.captured(3).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                         {m.captured(1).toDouble(), m.captured(2).toDouble()}});
        pages.append(page);
    }
    return pages;
}

// How many words `text` the page has with their top-left corner at the layout position (twips
// from the printable area's corner), within half a point; a centred text is found by its top
// alone, at any x from `x` on.
qsizetype countAt(const QList<Word> &page, const QString &text, double x, double y,
                  bool centred = false)
{
    const QPointF at((kLeft + x) / 20, (kTop + y) / 20);
    return std::count_if(page.begin(), page.end(), [&](const Word &w) {
        const bool xOk = centred ? w.topLeft.x() > at.x() : qAbs(w.topLeft.x() - at.x()) < 0.5;
        return w.text == text && xOk && qAbs(w.topLeft.y() - at.y()) < 0.5;
    });
}

} // namespace

class TestReportPdf : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString print(ReportLayout &layout, const TableRows &rows, int dpi)
    {
        for (const char16_t *name : {u"Ag11", u"Ag21", u"Ag31"})
            layout.setLabelText(name, QStringLiteral("ROSSI & FIGLI"));
        layout.setLeftMargin(float(kLeft));
        layout.setTopMargin(float(kTop));
        layout.setDataSource(&rows);
        const QString path =
            m_dir.filePath(QStringLiteral("%1-%2.pdf").arg(layout.name()).arg(dpi));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(dpi);
        printer.setFullPage(true);
        printer.setPageLayout(QPageLayout(QPageSize(layout.designPageSize()),
                                          layout.designOrientation(), QMarginsF()));
        QPainter painter(&printer);
        const ReportRenderer renderer(layout);
        for (int page = 0; page < renderer.pageCount(); ++page) {
            if (page > 0)
                printer.newPage();
            renderer.paintPage(page, painter);
        }
        return painter.end() ? path : QString();
    }

private Q_SLOTS:
    // A printer's resolution is not 1440 dpi: the words must stand at the same place.
    void wordsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<int>("dpi");
        for (int dpi : {300, 600, 1200, 1440})
            QTest::addRow("%d dpi", dpi) << dpi;
    }
    void wordsStandWhereTheLayoutPutsThem()
    {
        QFETCH(int, dpi);
        auto a4 = createRptLibGuideA4();
        const TableRows rows({{{"pagina", "1 di 3"}}, {{"pagina", "2 di 3"}}});
        const QString pdf = print(*a4, rows, dpi);
        QVERIFY(run(QStringLiteral("pdfinfo"), {pdf}).contains(u"842 x 595 pts (A4)"_qs));
        const QList<QList<Word>> pages = wordsOf(pdf);
        QCOMPARE(pages.size(), 3);
        // The back of the cover on the right half; the statement at its top.
        QCOMPARE(countAt(pages[0], "IL", 8362, 992, true), 1);
        // Original on the left, copy on the right, each with the page number at its foot.
        QCOMPARE(countAt(pages[2], "ORIGINALE", 0, 567), 1);
        QCOMPARE(countAt(pages[2], "COPIA", 8362, 567), 1);
        QCOMPARE(countAt(pages[2], "2", 5953, 10205), 1);
        QCOMPARE(countAt(pages[2], "2", 5953 + 8362, 10205), 1);
        QCOMPARE(std::count_if(pages[2].begin(), pages[2].end(),
                               [](const Word &w) { return w.text == u"&"; }),
                 2);
    }
};

QTEST_MAIN(TestReportPdf)
#include "tst_report_pdf.moc"
