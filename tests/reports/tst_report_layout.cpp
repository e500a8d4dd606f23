#include "reports/report_layout.h"

#include "table_rows.h"

#include <QTest>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;

ReportLayout smallLayout()
{
    ReportLayout layout(QStringLiteral("Small"), 5000, 2000, 3000);
    const ReportFont font = timesNewRoman(12);
    const bool added =
        layout.addControl(Kind::ReportHeader,
                          ReportControl::label(
                              QStringLiteral("Title"), {0, 0, 5000, 300}, QStringLiteral("design"),
                              font, ReportControl::HAlign::Left, ReportControl::VAlign::Top)) &&
        layout.addControl(Kind::Detail,
                          ReportControl::field(QStringLiteral("Page"), {0, 0, 1000, 300},
                                               QStringLiteral("pagina"), QStringLiteral("pg"), font,
                                               ReportControl::HAlign::Left,
                                               ReportControl::VAlign::Top)) &&
        layout.addControl(Kind::Detail,
                          ReportControl::shape(QStringLiteral("Box"), {0, 0, 100, 100},
                                               ReportControl::ShapeKind::Rectangle));
    Q_ASSERT(added);
    return layout;
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sectionsInOrderWithTheirHeights()
    {
        const ReportLayout layout = smallLayout();
        const auto &sections = layout.sections();
        QCOMPARE(sections[0].kind(), Kind::ReportHeader);
        QCOMPARE(sections[1].kind(), Kind::PageHeader);
        QCOMPARE(sections[2].kind(), Kind::Detail);
        QCOMPARE(sections[3].kind(), Kind::PageFooter);
        QCOMPARE(sections[4].kind(), Kind::ReportFooter);
        QCOMPARE(layout.section(Kind::ReportHeader).height(), 2000);
        QCOMPARE(layout.section(Kind::Detail).height(), 3000);
        QCOMPARE(layout.section(Kind::PageFooter).height(), 0);
    }

    void duplicateNameIsRefused()
    {
        ReportLayout layout = smallLayout();
        const ReportControl twin = ReportControl::shape(QStringLiteral("Title"), {9, 9, 9, 9},
                                                        ReportControl::ShapeKind::Ellipse);
        QVERIFY(!layout.addControl(Kind::Detail, twin));
        QCOMPARE(layout.control(u"Title")->kind(), ReportControl::Kind::Label);
        QCOMPARE(
            layout.controlNames(),
            QStringList({QStringLiteral("Title"), QStringLiteral("Page"), QStringLiteral("Box")}));
        QVERIFY(!layout.addControl(Kind::Detail, twin.renamed(QString())));
    }

    void setLabelTextOnlyReachesLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("label") << "Title" << true << "ROSSI & FIGLI";
        QTest::newRow("field keeps its design text") << "Page" << false << "pg";
        QTest::newRow("shape has no text") << "Box" << false << "";
        QTest::newRow("unknown name") << "Nothing" << false << "";
        QTest::newRow("name is case-sensitive") << "title" << false << "";
    }
    void setLabelTextOnlyReachesLabels()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QFETCH(QString, textAfter);
        ReportLayout layout = smallLayout();
        QCOMPARE(layout.setLabelText(name, QStringLiteral("ROSSI & FIGLI")), accepted);
        QCOMPARE(layout.controlText(name), textAfter);
    }

    void marginsAndDataSourceAreKept()
    {
        ReportLayout layout = smallLayout();
        QCOMPARE(layout.leftMargin(), 0.0f);
        QCOMPARE(layout.dataSource(), nullptr);
        layout.setLeftMargin(566.92914f);
        layout.setTopMargin(850.39368f);
        const TableRows rows;
        layout.setDataSource(&rows);
        QCOMPARE(layout.leftMargin(), 566.92914f);
        QCOMPARE(layout.topMargin(), 850.39368f);
        QCOMPARE(layout.dataSource(), &rows);
    }

    void copiesMoveAndRebind()
    {
        const ReportControl line = ReportControl::line(
            QStringLiteral("L"), {7087, 6378}, {142, 6378}, ReportControl::LineStyle::Solid);
        const ReportControl moved = line.movedRight(8362);
        QCOMPARE(moved.lineStart(), QPoint(15449, 6378));
        QCOMPARE(moved.lineEnd(), QPoint(8504, 6378));
        QCOMPARE(moved.box(), QRect(8504, 6378, 6945, 0));
        QCOMPARE(moved.top(), 6378);

        const ReportControl reshaped = line.withBox({100, 200, 300, 0});
        QCOMPARE(reshaped.lineStart(), QPoint(100, 200));
        QCOMPARE(reshaped.lineEnd(), QPoint(400, 200));

        const ReportControl label = ReportControl::label(
            QStringLiteral("Heading"), {0, 567, 6378, 283}, QStringLiteral("COPIA"),
            timesNewRoman(12, true), ReportControl::HAlign::Left, ReportControl::VAlign::Top);
        const ReportControl bound = label.boundTo(QStringLiteral("titolo"), QStringLiteral("x"));
        QCOMPARE(bound.kind(), ReportControl::Kind::Field);
        QCOMPARE(bound.dataField(), QStringLiteral("titolo"));
        QCOMPARE(bound.text(), QStringLiteral("x"));
        QCOMPARE(bound.font(), timesNewRoman(12, true));
        QCOMPARE(label.movedRight(8362).box(), QRect(8362, 567, 6378, 283));
    }

    void fontKeepsFractionalPointSize()
    {
        const QFont font = arial(14.25, true, true).toQFont();
        QCOMPARE(font.pointSizeF(), 14.25);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(timesNewRoman(8.25).toQFont().pointSizeF(), 8.25);
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_report_layout.moc"
