#include "reports/booklet_layouts.h"
#include "reports/report_renderer.h"

#include "../golden_image.h"
#include "report_fixtures.h"

#include <QPainter>
#include <QTest>

using namespace Tavo::Reports;

// Every distinct page of the three layouts, filled as a booklet of three lesson pages with
// 10 mm and 15 mm margins, painted at 144 dpi and compared with its reviewed golden image: the
// place, size, text, font and alignment of every control of every layout. One renderer paints
// a layout's pages in order, as a print does, so a page that showed the previous page's value
// would differ too.
namespace {

constexpr int kDpi = 144;
const QString kOriginal = QStringLiteral("ORIGINALE (retro a carta di ricalco)");

QList<QHash<QString, QString>> bookletRows(const QString &layout)
{
    QList<QHash<QString, QString>> rows;
    for (int page = 1; page <= 3; ++page) {
        const QString number = QStringLiteral("%1 di 3").arg(page);
        if (layout == u"A4")
            rows.append({{"pagina", number}});
        else if (layout == u"A5")
            rows << QHash<QString, QString>{{"titolo", kOriginal},
                                            {"pagina", number},
                                            {"taglia", cutLineText()}}
                 << QHash<QString, QString>{{"titolo", "COPIA"}, {"pagina", number}};
    }
    if (layout == u"A4f") // the sheet that holds pages 1 and 3 of a folded block
        rows << QHash<QString, QString>{{"titolo", kOriginal},
                                        {"taglia", cutLineText()},
                                        {"pagina1", "1 di 4"},
                                        {"pagina2", "3 di 4"}}
             << QHash<QString, QString>{
                    {"titolo", "COPIA"}, {"pagina1", "1 di 4"}, {"pagina2", "3 di 4"}};
    return rows;
}

void fillLabels(ReportLayout &layout)
{
    // A long name wraps past its box: only the lines that fit whole print.
    for (const char *name : {"Ag11", "Ag21", "Ag31"})
        layout.setLabelText(QString::fromLatin1(name),
                            QStringLiteral("AUTOSCUOLA SANTA MARIA DELLE GRAZIE & FIGLI"));
    for (const char *name : {"Cognome1", "Cognome2", "Cognome3"})
        layout.setLabelText(QString::fromLatin1(name), QStringLiteral("MARIO BIANCHI"));
    layout.setLeftMargin(566.93f);
    layout.setTopMargin(850.39f);
}

} // namespace

class TestReportSnapshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pages_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("A5") << "A5" << QList<int>{0, 1, 2, 3}; // cover, back, original, copy
        QTest::newRow("A4") << "A4" << QList<int>{0, 1};       // cover sheet, lesson sheet
        QTest::newRow("A4f") << "A4f" << QList<int>{1, 2};     // original and copy sheets
    }
    void pages()
    {
        QFETCH(QString, layout);
        QFETCH(QList<int>, pages);
        const auto report = layoutNamed(layout);
        fillLabels(*report);
        const TableRows rows(bookletRows(layout));
        report->setDataSource(&rows);
        const QPageLayout paper(QPageSize(report->designPageSize()), report->designOrientation(),
                                QMarginsF());
        const QSize pixels = paper.fullRectPixels(kDpi).size();

        const ReportRenderer renderer(*report);
        for (int page = 0; page <= pages.last(); ++page) {
            QImage image = Ink::sheet(pixels, kDpi);
            QPainter painter(&image);
            renderer.paintPage(page, painter);
            painter.end();
            if (!pages.contains(page))
                continue;
            const QString golden =
                QStringLiteral(TAVO_GOLDEN_DIR "/%1-page%2.png").arg(layout).arg(page);
            const QString difference =
                Golden::compare(image.convertToFormat(QImage::Format_Grayscale8), golden);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }
};

QTEST_MAIN(TestReportSnapshots)
#include "tst_report_snapshots.moc"
