#include "reports/booklet_layouts.h"
#include "reports/report_page.h"
#include "reports/report_renderer.h"
#include "reports/report_text_box.h"

#include "report_fixtures.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;
using H = ReportControl::HAlign;
using V = ReportControl::VAlign;

// The layouts are painted at 144 dpi, where one pixel is 10 twips.
constexpr int imageDpi = 144;
constexpr int twipsPerPixel = 10;

// "H0-6520" is a header slice from 0 to 6520, "H6520-" one open at the bottom, "D2" the detail
// page of row 2.
QString describe(const std::vector<ReportPage> &pages)
{
    QStringList parts;
    for (const ReportPage &page : pages) {
        const bool open = page.sliceEnd == std::numeric_limits<int>::max();
        parts.append(page.section == Kind::Detail ? QString::asprintf("D%d", page.row)
                     : open                       ? QString::asprintf("H%d-", page.sliceTop)
                            : QString::asprintf("H%d-%d", page.sliceTop, page.sliceEnd));
    }
    return parts.join(QLatin1Char(','));
}

ReportControl textField(const QString &name, int top, const QString &dataField)
{
    return ReportControl::field(name, {0, top, 3000, 300}, dataField, QStringLiteral("HHHH"),
                                timesNewRoman(12), H::Left, V::Top);
}

// A box and a circle in the header; a solid and a dashed line and text fields in the detail.
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
        {Kind::Detail, textField(QStringLiteral("Bound"), 2000, QStringLiteral("pagina"))},
        {Kind::Detail, textField(QStringLiteral("Unbound"), 2500, {})},
        {Kind::Detail, textField(QStringLiteral("Unknown"), 3000, QStringLiteral("nessuno"))},
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
    QImage image = Ink::sheet(size, imageDpi);
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

// At 288 dpi one pixel is 5 twips.
constexpr int probeDpi = 288;

QFontMetricsF metricsAt(int dpi, const ReportFont &font = timesNewRoman(12))
{
    const QImage device = Ink::sheet({8, 8}, dpi);
    return QFontMetricsF(font.toQFont(), &device);
}

QStringList wrapAt(const QString &text, const ReportFont &font, int boxTwips, int dpi)
{
    return wrapText(text, metricsAt(dpi, font), boxTwips * dpi / 1440.0);
}

QRect paintedInk(const QString &text, H hAlign, V vAlign, const QRectF &box = {100, 100, 600, 200})
{
    QImage image = Ink::sheet({800, 400}, probeDpi);
    QPainter painter(&image);
    paintTextBox(painter, box, text, timesNewRoman(12).toQFont(), hAlign, vAlign);
    painter.end();
    return Ink::inkBox(image);
}

} // namespace

class TestReportRenderer : public QObject
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
        ReportSection header(Kind::ReportHeader, 12915);
        for (int top : breaks)
            header.controls().push_back(ReportControl::pageBreak(QStringLiteral("B"), top));
        QCOMPARE(describe(Tavo::Reports::paginate(header, rowCount)), pages);
    }

    // A5: cover and back, then one page per row (2 + 2n pages for n lesson pages); A4: the
    // cover sheet, then one sheet per row.
    void bookletPageCounts_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("headerPages");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("pageCount");
        QTest::newRow("A5, n = 3") << "A5" << 2 << 6 << 8;
        QTest::newRow("A5, n = 12") << "A5" << 2 << 24 << 26;
        QTest::newRow("A5, no rows") << "A5" << 2 << 0 << 2;
        QTest::newRow("A4, n = 6") << "A4" << 1 << 6 << 7;
        QTest::newRow("A4f, n = 12") << "A4f" << 1 << 12 << 13;
        QTest::newRow("A4, no rows") << "A4" << 1 << 0 << 1;
    }
    void bookletPageCounts()
    {
        QFETCH(QString, layout);
        QFETCH(int, headerPages);
        QFETCH(int, rowCount);
        QFETCH(int, pageCount);
        const auto report = layoutNamed(layout);
        const ReportRenderer renderer(*report);
        QCOMPARE(renderer.pageCount(), headerPages); // no data source yet
        const TableRows data(rowCount);
        report->setDataSource(&data);
        QCOMPARE(renderer.pageCount(), pageCount);
    }

    void shapesAreThinOutlines_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("no margins") << 0 << 0;
        QTest::newRow("10 mm left, 15 mm top") << 570 << 850;
    }
    void shapesAreThinOutlines()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        auto layout = probeLayout();
        layout->setLeftMargin(x);
        layout->setTopMargin(y);
        const QImage image = paint(*layout, 0);
        // Rectangle 1000..3000 x 1000..2000: its four sides, nothing inside or just outside.
        QVERIFY(inkNear(image, at(x + 1000, y + 1500)));
        QVERIFY(inkNear(image, at(x + 3000, y + 1500)));
        QVERIFY(inkNear(image, at(x + 2000, y + 1000)));
        QVERIFY(inkNear(image, at(x + 2000, y + 2000)));
        QVERIFY(!inkAt(image, at(x + 2000, y + 1500)));
        QVERIFY(!inkNear(image, at(x + 950, y + 1500)));
        QVERIFY(!inkNear(image, at(x + 3050, y + 1500)));
        QVERIFY(Ink::inkBox(image, QRect(at(x + 900, y + 1500), QSize(20, 1))).width() <= 2);
        // Circle centred at 4500, 1500 with radius 500: the rim, not the corner of its box.
        QVERIFY(inkNear(image, at(x + 4000, y + 1500)));
        QVERIFY(inkNear(image, at(x + 4500, y + 1000)));
        QVERIFY(!inkNear(image, at(x + 4030, y + 1030)));
        QVERIFY(!inkAt(image, at(x + 4500, y + 1500)));
    }

    void linesSolidOrDashed()
    {
        const auto layout = probeLayout();
        const TableRows rows(1);
        layout->setDataSource(&rows);
        const QImage image = paint(*layout, 1);
        // Each hairline covers one pixel row; count the inked pixels along it.
        const auto inkedAlong = [&](int yTwips) {
            const QRect line = Ink::inkBox(image, QRect(at(2500, yTwips - 30), QSize(1, 7)));
            int count = 0;
            for (int x = 10; x < 490 && !line.isNull(); ++x)
                count += inkAt(image, {x, line.top()}) ? 1 : 0;
            return count;
        };
        QCOMPARE(inkedAlong(500), 480);
        // Dashes twice as long as the gaps: about two thirds of the line is inked.
        const int dashed = inkedAlong(1500);
        QVERIFY2(dashed > 280 && dashed < 360, qPrintable(QString::number(dashed)));
    }

    void eachRowIsItsOwnPageWithItsValues()
    {
        const auto layout = probeLayout();
        const TableRows rows({{{QStringLiteral("pagina"), QStringLiteral("1 di 6")}},
                              {{QStringLiteral("pagina"), QString()}}});
        layout->setDataSource(&rows);
        QCOMPARE(ReportRenderer(*layout).pageCount(), 3);
        const auto inkInBand = [](const QImage &image, int top) {
            return !Ink::inkBox(image, QRect(at(0, top), QSize(300, 30))).isNull();
        };
        const QImage first = paint(*layout, 1);
        QVERIFY2(inkInBand(first, 2000), "a bound Field prints the row value");
        QVERIFY2(!inkInBand(paint(*layout, 2), 2000), "an empty row value prints nothing");
        QVERIFY2(inkInBand(first, 2500), "an unbound Field prints its text");
        QVERIFY2(!inkInBand(first, 3000), "an unknown field prints nothing");
        QVERIFY2(Ink::inkBox(first, QRect(at(3600, 1700), QSize(190, 200))).isNull(),
                 "DataControl1 is not printed");
        QVERIFY2(Ink::inkBox(first, QRect(at(1100, 950), QSize(180, 10))).isNull(),
                 "the header's box is not on a detail page");
        // Pages out of range paint nothing.
        QVERIFY(Ink::inkBox(paint(*layout, 3)).isNull());
        QVERIFY(Ink::inkBox(paint(*layout, -1)).isNull());
    }

    // One renderer prints the whole booklet and remembers the text boxes it laid out: a value
    // that changes from page to page must still be printed anew on each.
    void sameRendererPrintsEachPagesOwnValue()
    {
        const auto layout = probeLayout();
        const TableRows rows({{{QStringLiteral("pagina"), QStringLiteral("1 di 6")}},
                              {{QStringLiteral("pagina"), QStringLiteral("12 di 12")}}});
        layout->setDataSource(&rows);
        const ReportRenderer renderer(*layout);
        const auto valueInk = [&](int page) {
            QImage image = Ink::sheet({700, 500}, imageDpi);
            QPainter painter(&image);
            renderer.paintPage(page, painter);
            painter.end();
            return Ink::inkBox(image, QRect(at(0, 2000), QSize(300, 30)));
        };
        const QRect short1 = valueInk(1);
        const QRect long2 = valueInk(2);
        QVERIFY(!short1.isNull());
        QVERIFY2(long2.width() > short1.width(), "the second page prints its own, longer value");
        QCOMPARE(valueInk(1), short1);
    }

    // The back of the A5 cover starts at PageBreak1: the fold line Line28, whose top is at the
    // break (6520), is drawn at the top margin of the back, from x = 709 to 7228.
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
        const TableRows rows(6);
        layout->setDataSource(&rows);
        layout->setTopMargin(10000);
        QCOMPARE(ReportRenderer(*layout).pageCount(), 8);
        const QRect ink = Ink::inkBox(paint(*layout, 2, {827, 1191}));
        QVERIFY(!ink.isNull());
        QVERIFY(ink.top() >= 10000 / twipsPerPixel);
    }

    void lineCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ReportFont>("font");
        QTest::addColumn<int>("boxTwips");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("lines");
        const QString compone =
            QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI 12 COPPIE "
                           "DI PAGINE IN ORIGINALE E COPIA");
        // The cut line fills 7216 of the 7228 twips: it must stay one line at any resolution.
        for (int dpi : {72, 96, 300, 600, 1200, 1440}) {
            QTest::addRow("cut line at %d dpi", dpi)
                << cutLineText() << timesNewRoman(12, true) << 7228 << dpi << 1;
            QTest::addRow("compone at %d dpi", dpi)
                << compone << timesNewRoman(12) << 7228 << dpi << 2;
        }
        QTest::newRow("cut line on the copy's wider box")
            << cutLineText() << timesNewRoman(12, true) << 7229 << 1440 << 1;
        // Labels of the layouts with their own text, font and width.
        for (auto [layout, name, lines] :
             {std::tuple{"A4", "Label1", 2}, {"A5", "Label150", 2}, {"A5", "Label160", 1}}) {
            const auto report = layoutNamed(QString::fromLatin1(layout));
            const ReportControl *label = report->control(QString::fromLatin1(name));
            QTest::addRow("%s", name)
                << label->text() << label->font() << label->box().width() << 600 << lines;
        }
        QTest::newRow("empty text") << "" << timesNewRoman(12) << 7228 << 600 << 0;
        QTest::newRow("blanks only") << "   " << timesNewRoman(12) << 7228 << 600 << 0;
        QTest::newRow("line feed") << "ROSSI\nMARIO" << timesNewRoman(12) << 7228 << 600 << 2;
        QTest::newRow("CR LF") << "ROSSI\r\nMARIO" << timesNewRoman(12) << 7228 << 600 << 2;
    }
    void lineCount()
    {
        QFETCH(QString, text);
        QFETCH(ReportFont, font);
        QFETCH(int, boxTwips);
        QFETCH(int, dpi);
        QFETCH(int, lines);
        QCOMPARE(wrapAt(text, font, boxTwips, dpi).size(), lines);
    }

    void wrapsAtBlanksKeepingInnerBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boxTwips");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "ROSSI & FIGLI" << 7228 << QStringList{"ROSSI & FIGLI"};
        QTest::newRow("inner blanks kept")
            << "A     G     S" << 7228 << QStringList{"A     G     S"};
        // "MARIO ROSSI" in TNR 12 is about 1500 twips wide, "MARIO" about 790.
        QTest::newRow("breaks between words")
            << "MARIO ROSSI" << 1200 << QStringList{"MARIO", "ROSSI"};
        QTest::newRow("blanks at the break dropped")
            << "MARIO     ROSSI   " << 1200 << QStringList{"MARIO", "ROSSI"};
        QTest::newRow("leading blanks kept") << "  MARIO" << 7228 << QStringList{"  MARIO"};
    }
    void wrapsAtBlanksKeepingInnerBlanks()
    {
        QFETCH(QString, text);
        QFETCH(int, boxTwips);
        QFETCH(QStringList, lines);
        QCOMPARE(wrapAt(text, timesNewRoman(12), boxTwips, 1440), lines);
    }

    void wordWiderThanTheBoxIsBrokenInside()
    {
        const QString word = QStringLiteral("PRECIPITEVOLISSIMEVOLMENTE");
        const QFontMetricsF metrics = metricsAt(1440);
        const QStringList lines = wrapText(word, metrics, 1000);
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines.join(QString()), word);
        for (const QString &line : lines)
            QVERIFY(metrics.horizontalAdvance(line) <= 1000);
    }

    // One line "HIH" in the box from (100, 100) to (700, 300): its ink at the left, the right
    // or the centre, and a share of the free height above it.
    void alignment_data()
    {
        QTest::addColumn<H>("hAlign");
        QTest::addColumn<V>("vAlign");
        QTest::addColumn<int>("expectedLeft");
        QTest::addColumn<int>("expectedRight");
        QTest::addColumn<qreal>("shareOfFreeSpace");
        const int textWidth = qRound(metricsAt(probeDpi).horizontalAdvance("HIH"));
        const int centre = 400;
        // An "H" has only small side bearings.
        QTest::newRow("left, top") << H::Left << V::Top << 100 << 100 + textWidth << 0.0;
        QTest::newRow("right, top") << H::Right << V::Top << 700 - textWidth << 700 << 0.0;
        QTest::newRow("centre, top")
            << H::Center << V::Top << centre - textWidth / 2 << centre + textWidth / 2 << 0.0;
        QTest::newRow("left, middle") << H::Left << V::Middle << 100 << 100 + textWidth << 0.5;
        QTest::newRow("left, bottom") << H::Left << V::Bottom << 100 << 100 + textWidth << 1.0;
    }
    void alignment()
    {
        QFETCH(H, hAlign);
        QFETCH(V, vAlign);
        QFETCH(int, expectedLeft);
        QFETCH(int, expectedRight);
        QFETCH(qreal, shareOfFreeSpace);
        const QRect ink = paintedInk(QStringLiteral("HIH"), hAlign, vAlign);
        QVERIFY(!ink.isNull());
        QVERIFY2(qAbs(ink.left() - expectedLeft) <= 4, qPrintable(QString::number(ink.left())));
        QVERIFY2(qAbs(ink.right() + 1 - expectedRight) <= 4,
                 qPrintable(QString::number(ink.right())));
        const QRect top = paintedInk(QStringLiteral("HIH"), H::Left, V::Top);
        QVERIFY(top.top() >= 100);
        const qreal freeSpace = 200 - metricsAt(probeDpi).height();
        QVERIFY(qAbs(ink.top() - top.top() - shareOfFreeSpace * freeSpace) <= 1.0);
    }

    // Three lines in boxes of several heights: only whole lines print, the first always, and
    // the block of printed lines sits as the vertical alignment says. At 1440 dpi a device unit
    // is a twip; a line of Arial 14.25 bold is about 318 twips high, two about 646.
    void onlyWholeLinesPrint_data()
    {
        QTest::addColumn<V>("vAlign");
        QTest::addColumn<int>("heightTwips");
        QTest::addColumn<int>("printed");
        for (auto [v, name] :
             {std::pair{V::Top, "top"}, {V::Middle, "middle"}, {V::Bottom, "bottom"}}) {
            QTest::addRow("%s, room for one", name) << v << 425 << 1;
            QTest::addRow("%s, room for two", name) << v << 700 << 2;
            QTest::addRow("%s, room for all", name) << v << 1200 << 3;
            QTest::addRow("%s, shorter than a line", name) << v << 283 << 1;
        }
    }
    void onlyWholeLinesPrint()
    {
        QFETCH(V, vAlign);
        QFETCH(int, heightTwips);
        QFETCH(int, printed);
        const QImage device = Ink::sheet({8, 8}, 1440);
        const QFont font = arial(14.25, true).toQFont();
        const TextBoxLines laid = layTextBox(QStringLiteral("UNO\nDUE\nTRE"), font, device,
                                             QSizeF(5670, heightTwips), H::Left, vAlign);
        QCOMPARE(laid.lines, QStringList({"UNO", "DUE", "TRE"}).first(printed));

        const QFontMetricsF metrics(font, const_cast<QImage *>(&device));
        const qreal blockTop = laid.baselines.first().y() - metrics.ascent();
        const qreal blockBottom = laid.baselines.last().y() + metrics.descent();
        const qreal above = blockTop;
        const qreal below = heightTwips - blockBottom;
        if (vAlign == V::Top)
            QCOMPARE(above, 0.0);
        else if (vAlign == V::Bottom)
            QCOMPARE(below, 0.0);
        else
            QVERIFY(qAbs(above - below) < 0.01);
        // A block that fits needs no clip; a first line taller than its box is cut by the box.
        const bool fits = blockBottom - blockTop <= heightTwips;
        QCOMPARE(laid.clipped, !fits);
        if (fits)
            QVERIFY(above >= 0 && below >= 0);
        else
            QCOMPARE(printed, 1);
    }

    // A hand-edited heading of 64 KiB is wrapped in time linear in its length, however wide
    // its box: a wrap that measured the growing line once per word took minutes.
    void hugeTextIsWrappedQuickly()
    {
        const QString text = QStringLiteral("AUTOSCUOLA ").repeated(6000);
        const QFontMetricsF metrics = metricsAt(1200, arial(14.25, true));
        QElapsedTimer timer;
        timer.start();
        const QStringList oneLine = wrapText(text, metrics, 1e9);
        const QStringList manyLines = wrapText(text, metrics, 4725);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(oneLine, QStringList{text.trimmed()});
        QCOMPARE(manyLines.size(), 3000); // two words a line
    }

    void inkStaysInsideTheBox()
    {
        const QRectF box(100, 100, 60, 20);
        const QRect ink =
            paintedInk(QStringLiteral("WWWWWWWW WWWWWWWW WWWWWWW"), H::Center, V::Middle, box);
        QVERIFY(!ink.isNull());
        QVERIFY(box.toAlignedRect().contains(ink));
    }

    void backgroundIsTransparent()
    {
        QImage image = Ink::sheet({400, 200}, probeDpi, QColor(200, 200, 200));
        QPainter painter(&image);
        paintTextBox(painter, QRectF(0, 0, 400, 200), QStringLiteral("I"),
                     timesNewRoman(12).toQFont(), H::Left, V::Top);
        painter.end();
        QCOMPARE(image.pixel(399, 199), QColor(200, 200, 200).rgb());
        QCOMPARE(image.pixel(200, 100), QColor(200, 200, 200).rgb());
        QVERIFY(!Ink::inkBox(image).isNull());
    }

    void twoLinesStackDownwards()
    {
        const QRect one = paintedInk(QStringLiteral("H"), H::Left, V::Top);
        const QRect two = paintedInk(QStringLiteral("H\nH"), H::Left, V::Top);
        QCOMPARE(two.top(), one.top());
        QVERIFY(qAbs(two.height() - one.height() - metricsAt(probeDpi).lineSpacing()) <= 1.0);
    }
};

QTEST_MAIN(TestReportRenderer)
#include "tst_report_renderer.moc"
