#include "reports/booklet_layouts.h"
#include "reports/report_page.h"
#include "reports/report_renderer.h"

#include "table_rows.h"

#include <QTest>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;

ReportSection headerWithBreaks(const QList<int> &tops)
{
    ReportSection header(Kind::ReportHeader, 12915);
    for (int top : tops)
        header.controls().push_back(ReportControl::pageBreak(QStringLiteral("B"), top));
    return header;
}

// "H0-6520" is a header slice from 0 to 6520, "H6520-" one open at the bottom, "D2" the detail
// page of row 2.
QString describe(const std::vector<ReportPage> &pages)
{
    QStringList parts;
    for (const ReportPage &page : pages) {
        if (page.section == Kind::Detail) {
            parts.append(QStringLiteral("D%1").arg(page.row));
            continue;
        }
        const QString end = page.sliceEnd == std::numeric_limits<int>::max()
                                ? QString()
                                : QString::number(page.sliceEnd);
        parts.append(QStringLiteral("H%1-%2").arg(page.sliceTop).arg(end));
    }
    return parts.join(QLatin1Char(','));
}

TableRows rows(int count)
{
    return TableRows(QList<QHash<QString, QString>>(count));
}

} // namespace

class TestReportPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paginate_data()
    {
        QTest::addColumn<QList<int>>("breaks");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("pages");
        QTest::newRow("no break, no rows") << QList<int>{} << 0 << "H0-";
        QTest::newRow("no break, two rows") << QList<int>{} << 2 << "H0-,D0,D1";
        QTest::newRow("one break, three rows")
            << QList<int>{6520} << 3 << "H0-6520,H6520-,D0,D1,D2";
        QTest::newRow("two breaks stored out of order")
            << QList<int>{9000, 3000} << 1 << "H0-3000,H3000-9000,H9000-,D0";
        QTest::newRow("break at the top starts no empty page") << QList<int>{0} << 1 << "H0-,D0";
        QTest::newRow("repeated break counts once")
            << QList<int>{6520, 6520} << 0 << "H0-6520,H6520-";
        QTest::newRow("negative row count prints the header only")
            << QList<int>{6520} << -3 << "H0-6520,H6520-";
    }
    void paginate()
    {
        QFETCH(QList<int>, breaks);
        QFETCH(int, rowCount);
        QFETCH(QString, pages);
        QCOMPARE(describe(Tavo::Reports::paginate(headerWithBreaks(breaks), rowCount)), pages);
    }

    void pageHoldsTopsInItsSlice_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("onCover");
        QTest::addColumn<bool>("onBack");
        QTest::newRow("top of the sheet") << 0 << true << false;
        QTest::newRow("just above the break") << 6519 << true << false;
        QTest::newRow("at the break") << 6520 << false << true;
        QTest::newRow("below the header's height") << 20000 << false << true;
    }
    void pageHoldsTopsInItsSlice()
    {
        QFETCH(int, top);
        QFETCH(bool, onCover);
        QFETCH(bool, onBack);
        const auto pages = Tavo::Reports::paginate(headerWithBreaks({6520}), 0);
        QCOMPARE(pages.size(), std::size_t(2));
        QCOMPARE(pages[0].holds(top), onCover);
        QCOMPARE(pages[1].holds(top), onBack);
    }

    // The A5 booklet: cover and back, then one page per row; 2 + 2n pages for n lesson pages.
    void bookletPageCounts_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("pageCount");
        QTest::newRow("A5, n = 3") << "RptLibGuide" << 6 << 8;
        QTest::newRow("A5, n = 12") << "RptLibGuide" << 24 << 26;
        QTest::newRow("A5, no rows") << "RptLibGuide" << 0 << 2;
        QTest::newRow("A4, n = 6") << "RptLibGuideA4" << 6 << 7;
        QTest::newRow("A4f, n = 12") << "RptLibGuideA4f" << 12 << 13;
        QTest::newRow("A4, no rows") << "RptLibGuideA4" << 0 << 1;
    }
    void bookletPageCounts()
    {
        QFETCH(QString, layout);
        QFETCH(int, rowCount);
        QFETCH(int, pageCount);
        auto report = layout == QLatin1String("RptLibGuide")     ? createRptLibGuide()
                      : layout == QLatin1String("RptLibGuideA4") ? createRptLibGuideA4()
                                                                 : createRptLibGuideA4f();
        const ReportRenderer renderer(*report);
        QCOMPARE(renderer.pageCount(), 1 + (layout == QLatin1String("RptLibGuide") ? 1 : 0));
        const TableRows data = rows(rowCount);
        report->setDataSource(&data);
        QCOMPARE(renderer.pageCount(), pageCount);
    }

    void coverAndBackSplitAtPageBreak1_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::newRow("title") << "Label160" << 0;
        QTest::newRow("learner box") << "Shape14" << 0;
        QTest::newRow("learner name") << "Cognome1" << 0;
        QTest::newRow("fold line at the break") << "Line28" << 1;
        QTest::newRow("composition") << "compone" << 1;
        QTest::newRow("stamp circle") << "Shape20" << 1;
        QTest::newRow("stamp caption") << "Label166" << 1;
    }
    void coverAndBackSplitAtPageBreak1()
    {
        QFETCH(QString, name);
        QFETCH(int, page);
        const auto report = createRptLibGuide();
        const auto pages = ReportRenderer(*report).pages();
        QCOMPARE(pages.size(), std::size_t(2));
        const int top = report->control(name)->top();
        QCOMPARE(pages[std::size_t(page)].holds(top), true);
        QCOMPARE(pages[std::size_t(1 - page)].holds(top), false);
    }
};

QTEST_MAIN(TestReportPage)
#include "tst_report_page.moc"
