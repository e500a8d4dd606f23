#include "reports/booklet_layouts.h"
#include "reports/report_renderer.h"

#include "ink.h"
#include "table_rows.h"

#include <QPainter>
#include <QTest>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;
using H = ReportControl::HAlign;
using V = ReportControl::VAlign;

// At 144 dpi one pixel is 10 twips.
constexpr int dpi = 144;
constexpr int twipsPerPixel = 10;

ReportControl textField(const QString &name, QRect box, const QString &dataField)
{
    return ReportControl::field(name, box, dataField, QStringLiteral("HHHH"), timesNewRoman(12),
                                H::Left, V::Top);
}

// A one-section-each layout with a box, a circle, a solid and a dashed line, and text fields.
std::unique_ptr<ReportLayout> probeLayout()
{
    auto layout = std::make_unique<ReportLayout>(QStringLiteral("Probe"), 6000, 3000, 4000);
    const std::vector<std::pair<Kind, ReportControl>> controls = {
        {Kind::ReportHeader, ReportControl::shape(QStringLiteral("Box"), {1000, 1000, 2000, 1000},
                                                  ReportControl::ShapeKind::Rectangle)},
        {Kind::ReportHeader,
         ReportControl::shape(QStringLiteral("Circle"), {4000, 1000, 1000, 1000},
                              ReportControl::ShapeKind::Ellipse)},
        {Kind::Detail, ReportControl::line(QStringLiteral("Solid"), {0, 500}, {5000, 500},
                                           ReportControl::LineStyle::Solid)},
        {Kind::Detail, ReportControl::line(QStringLiteral("Dashed"), {0, 1500}, {5000, 1500},
                                           ReportControl::LineStyle::Dashed)},
        {Kind::Detail,
         textField(QStringLiteral("Bound"), {0, 2000, 3000, 300}, QStringLiteral("pagina"))},
        {Kind::Detail, textField(QStringLiteral("Unbound"), {0, 2500, 3000, 300}, {})},
        {Kind::Detail,
         textField(QStringLiteral("Unknown"), {0, 3000, 3000, 300}, QStringLiteral("nessuno"))},
        {Kind::Detail,
         ReportControl::dataControl(QStringLiteral("DataControl1"), {3500, 2000, 2000, 2000})},
    };
    for (const auto &[section, control] : controls) {
        const bool added = layout->addControl(section, control);
        Q_ASSERT(added);
    }
    return layout;
}

QImage paint(const ReportLayout &layout, int page, QSize size = {700, 500})
{
    QImage image = Ink::sheet(size, dpi);
    QPainter painter(&image);
    ReportRenderer(layout).paintPage(page, painter);
    painter.end();
    return image;
}

// The pixel of a point given in twips from the sheet corner.
QPoint at(int xTwips, int yTwips)
{
    return {xTwips / twipsPerPixel, yTwips / twipsPerPixel};
}

bool inkAt(const QImage &image, QPoint pixel)
{
    return Ink::isInk(image.pixel(pixel));
}

// Whether a 3x3 neighbourhood holds ink: a hairline may fall on either side of a half pixel.
bool inkNear(const QImage &image, QPoint pixel)
{
    return !Ink::inkBox(image, QRect(pixel - QPoint(1, 1), QSize(3, 3))).isNull();
}

} // namespace

class TestReportRenderer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapesAreThinOutlines_data()
    {
        QTest::addColumn<int>("leftMargin");
        QTest::addColumn<int>("topMargin");
        QTest::newRow("no margins") << 0 << 0;
        QTest::newRow("10 mm left, 15 mm top") << 570 << 850;
    }
    void shapesAreThinOutlines()
    {
        QFETCH(int, leftMargin);
        QFETCH(int, topMargin);
        auto layout = probeLayout();
        layout->setLeftMargin(leftMargin);
        layout->setTopMargin(topMargin);
        const QImage image = paint(*layout, 0);
        const int x = leftMargin;
        const int y = topMargin;
        // Rectangle 1000..3000 x 1000..2000: its four sides, nothing inside or just outside.
        QVERIFY(inkNear(image, at(x + 1000, y + 1500)));
        QVERIFY(inkNear(image, at(x + 3000, y + 1500)));
        QVERIFY(inkNear(image, at(x + 2000, y + 1000)));
        QVERIFY(inkNear(image, at(x + 2000, y + 2000)));
        QVERIFY(!inkAt(image, at(x + 2000, y + 1500)));
        QVERIFY(!inkNear(image, at(x + 950, y + 1500)));
        QVERIFY(!inkNear(image, at(x + 3050, y + 1500)));
        const QRect side = Ink::inkBox(image, QRect(at(x + 900, y + 1500), QSize(20, 1)));
        QVERIFY(side.width() <= 2);
        // Circle centred at 4500, 1500 with radius 500: the rim, not the corner of its box.
        QVERIFY(inkNear(image, at(x + 4000, y + 1500)));
        QVERIFY(inkNear(image, at(x + 4500, y + 1000)));
        QVERIFY(!inkNear(image, at(x + 4030, y + 1030)));
        QVERIFY(!inkAt(image, at(x + 4500, y + 1500)));
    }

    void linesSolidOrDashed()
    {
        const auto layout = probeLayout();
        const TableRows rows(QList<QHash<QString, QString>>(1));
        layout->setDataSource(&rows);
        const QImage image = paint(*layout, 1);
        // Each hairline covers one pixel row; count the inked pixels along it.
        const auto inkedAlong = [&](int yTwips) {
            const QRect line = Ink::inkBox(image, QRect(at(2500, yTwips - 30), QSize(1, 7)));
            if (line.isNull())
                return 0;
            int count = 0;
            for (int x = 10; x < 490; ++x)
                count += inkAt(image, {x, line.top()}) ? 1 : 0;
            return count;
        };
        QCOMPARE(inkedAlong(500), 480);
        // Dashes twice as long as the gaps: about two thirds of the line is inked.
        const int dashed = inkedAlong(1500);
        QVERIFY2(dashed > 280 && dashed < 360, qPrintable(QString::number(dashed)));
    }

    void fieldsPrintTheRowValue_data()
    {
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<bool>("boundInk");
        QTest::newRow("row value") << "1 di 6" << true;
        QTest::newRow("empty row value prints nothing") << "" << false;
    }
    void fieldsPrintTheRowValue()
    {
        QFETCH(QString, pagina);
        QFETCH(bool, boundInk);
        const auto layout = probeLayout();
        const TableRows rows({{{QStringLiteral("pagina"), pagina}}});
        layout->setDataSource(&rows);
        const QImage image = paint(*layout, 1);
        const auto band = [](int top) {
            return QRect(at(0, top), QSize(300, 30));
        };
        QCOMPARE(!Ink::inkBox(image, band(2000)).isNull(), boundInk);
        QVERIFY2(!Ink::inkBox(image, band(2500)).isNull(), "an unbound Field prints its text");
        QVERIFY2(Ink::inkBox(image, band(3000)).isNull(), "an unknown field prints nothing");
        QVERIFY2(Ink::inkBox(image, QRect(at(3600, 1700), QSize(190, 200))).isNull(),
                 "DataControl1 is not printed");
    }

    void eachRowIsItsOwnPage()
    {
        const auto layout = probeLayout();
        const TableRows rows({{{QStringLiteral("pagina"), QStringLiteral("HHHH")}},
                              {{QStringLiteral("pagina"), QString()}}});
        layout->setDataSource(&rows);
        const ReportRenderer renderer(*layout);
        QCOMPARE(renderer.pageCount(), 3);
        const QRect bound(at(0, 2000), QSize(300, 30));
        QVERIFY(!Ink::inkBox(paint(*layout, 1), bound).isNull());
        QVERIFY(Ink::inkBox(paint(*layout, 2), bound).isNull());
        QVERIFY2(Ink::inkBox(paint(*layout, 1), QRect(at(1100, 950), QSize(180, 10))).isNull(),
                 "the header's box is not on a detail page");
    }

    void pageOutOfRangePaintsNothing()
    {
        const auto layout = probeLayout();
        QVERIFY(Ink::inkBox(paint(*layout, 1)).isNull());
        QVERIFY(Ink::inkBox(paint(*layout, -1)).isNull());
    }

    // The back of the A5 cover starts at the break: the fold line Line28 (top 6520) is drawn
    // at the top margin, from x = 709 to 7228.
    void backOfCoverMovesUpByTheBreak()
    {
        const auto layout = createRptLibGuide();
        layout->setTopMargin(500);
        const QImage back = paint(*layout, 1, {800, 1200});
        QVERIFY(inkNear(back, at(709 + 100, 500)));
        QVERIFY(inkNear(back, at(7228 - 100, 500)));
        QVERIFY(!inkNear(back, at(600, 500)));
        const QImage cover = paint(*layout, 0, {800, 1200});
        QVERIFY2(!inkNear(cover, at(4000, 6520 + 500)), "the fold line is not on the cover");
        // The stamp circle Shape20 (2835..4535 x 11197..12898) lands 6520 twips higher.
        QVERIFY(inkNear(back, at(2835, 11197 + 850 - 6520 + 500)));
    }

    // A top margin that pushes the band past the sheet cuts it off; the pages stay the same.
    void tallBandIsClippedNotPaginated()
    {
        const auto layout = createRptLibGuide();
        const TableRows rows(QList<QHash<QString, QString>>(6));
        layout->setDataSource(&rows);
        const ReportRenderer renderer(*layout);
        QCOMPARE(renderer.pageCount(), 8);
        layout->setTopMargin(10000);
        QCOMPARE(renderer.pageCount(), 8);
        const QImage page = paint(*layout, 2, {827, 1191});
        const QRect ink = Ink::inkBox(page);
        QVERIFY(!ink.isNull());
        QVERIFY(ink.top() >= 10000 / twipsPerPixel);
    }
};

QTEST_MAIN(TestReportRenderer)
#include "tst_report_renderer.moc"
