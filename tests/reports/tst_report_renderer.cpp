#include "reports/booklet_layouts.h"
#include "reports/report_page.h"
#include "reports/report_renderer.h"
#include "reports/report_text_box.h"

#include "../golden_image.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;

// Data rows: each maps field names to values.
class TableRows : public ReportDataSource
{
public:
    explicit TableRows(QList<QHash<QString, QString>> rows) : m_rows(std::move(rows)) {}
    int rowCount() const override { return int(m_rows.size()); }
    QString value(int row, QStringView field) const override
    {
        return m_rows.at(row).value(field.toString());
    }

private:
    QList<QHash<QString, QString>> m_rows;
};

// A white sheet at a resolution.
QImage sheet(QSize pixels, int dpi)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}
using H = ReportControl::HAlign;
using V = ReportControl::VAlign;

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

QFontMetricsF metricsAt(int dpi, const ReportFont &font = timesNewRoman(12))
{
    const QImage device = sheet({8, 8}, dpi);
    return QFontMetricsF(font.toQFont(), &device);
}

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

} // namespace

class TestReportRenderer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every distinct page of the three layouts, filled as a booklet of three lesson pages with
    // 10 mm and 15 mm margins, painted at 144 dpi and compared with its reviewed golden image: the
    // place, size, text, font and alignment of every control of every layout. One renderer paints
    // a layout's pages in order, as a print does, so a page that showed the previous page's value
    // would differ too.
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
        const auto report = layout == u"A5"   ? createRptLibGuide()
                            : layout == u"A4" ? createRptLibGuideA4()
                                              : createRptLibGuideA4f();
        // A long name, too long for its box at its size, prints smaller and whole.
        for (const char16_t *name : {u"Ag11", u"Ag21", u"Ag31"})
            report->setLabelText(name, u"AUTOSCUOLA SANTA MARIA DELLE GRAZIE & FIGLI"_qs,
                                 ReportControl::TextFit::Shrink);
        for (const char16_t *name : {u"Cognome1", u"Cognome2", u"Cognome3"})
            report->setLabelText(name, u"MARIO BIANCHI"_qs);
        report->setLeftMargin(566.93f);
        report->setTopMargin(850.39f);
        const TableRows rows(bookletRows(layout));
        report->setDataSource(&rows);
        const QPageLayout paper(QPageSize(report->designPageSize()), report->designOrientation(),
                                QMarginsF());
        const QSize pixels = paper.fullRectPixels(kDpi).size();

        const ReportRenderer renderer(*report);
        for (int page = 0; page <= pages.last(); ++page) {
            QImage image = sheet(pixels, kDpi);
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
    void paginate_data()
    {
        QTest::addColumn<QList<int>>("breaks");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("pages");
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

    // Widths by hand at 1440 dpi, where a device unit is a twip: "MARIO ROSSI" in Times New
    // Roman 12 is about 1500 twips, "MARIO" about 790.
    void wrapsAtBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("boxTwips");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits, inner blanks kept")
            << "A     G   S" << 7228 << QStringList{"A     G   S"};
        QTest::newRow("breaks between words")
            << "MARIO ROSSI" << 1200 << QStringList{"MARIO", "ROSSI"};
        QTest::newRow("blanks at the break and the end dropped")
            << "MARIO     ROSSI   " << 1200 << QStringList{"MARIO", "ROSSI"};
        QTest::newRow("leading blanks kept") << "  MARIO" << 7228 << QStringList{"  MARIO"};
        QTest::newRow("line feed and CR LF") << "A\nB\r\nC" << 7228 << QStringList{"A", "B", "C"};
        QTest::newRow("blanks only") << "   " << 7228 << QStringList{};
        QTest::newRow("a word wider than the box is broken inside")
            << "ABCDEFGHIJ" << 500 << QStringList{"ABC", "DEF", "GHI", "J"};
        // An emoji of two UTF-16 units, a letter with a combining accent: one character each.
        QTest::newRow("a character is never cut in two")
            << "\U0001F600E\u0301" << 1 << QStringList{"\U0001F600", "E\u0301"};
    }
    void wrapsAtBlanks()
    {
        QFETCH(QString, text);
        QFETCH(int, boxTwips);
        QFETCH(QStringList, lines);
        QCOMPARE(wrapText(text, metricsAt(1440), boxTwips), lines);
    }

    // The cut line fills 7216 of its 7228 twips: one line at any printer's resolution.
    void cutLineStaysOneLine_data()
    {
        QTest::addColumn<int>("dpi");
        for (int dpi : {72, 96, 300, 600, 1200, 1440})
            QTest::addRow("%d dpi", dpi) << dpi;
    }
    void cutLineStaysOneLine()
    {
        QFETCH(int, dpi);
        const QFontMetricsF metrics = metricsAt(dpi, timesNewRoman(12, true));
        QCOMPARE(wrapText(cutLineText(), metrics, 7228 * dpi / 1440.0).size(), 1);
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
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(oneLine, QStringList{text.trimmed()});
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
        const QImage device = sheet({8, 8}, 1440);
        const QFont font = arial(14.25, true).toQFont();
        const TextBoxLines laid = layTextBox(QStringLiteral("UNO\nDUE\nTRE"), font, device,
                                             QSizeF(5670, heightTwips), H::Left, vAlign);
        QCOMPARE(laid.lines, QStringList({"UNO", "DUE", "TRE"}).first(printed));

        const QFontMetricsF metrics(font, const_cast<QImage *>(&device));
        const qreal above = laid.baselines.first().y() - metrics.ascent();
        const qreal below = heightTwips - laid.baselines.last().y() - metrics.descent();
        if (vAlign == V::Top)
            QCOMPARE(above, 0.0);
        else if (vAlign == V::Bottom)
            QCOMPARE(below, 0.0);
        else
            QVERIFY(qAbs(above - below) < 0.01);
        // A block that fits needs no clip; a first line taller than its box is cut by the box.
        const bool fits = above >= 0 && below >= 0;
        QCOMPARE(laid.clipped, !fits);
        QVERIFY(fits || printed == 1);
    }

    // A word wider than its box and a first line taller than it are cut at the box's edges.
    void overflowingTextStaysInsideItsBox()
    {
        QImage image = sheet({800, 400}, 288);
        QPainter painter(&image);
        const QRectF box(100, 100, 60, 20);
        paintTextBox(painter, box, QStringLiteral("WWWWWWWW WWWWWWWW"), timesNewRoman(12).toQFont(),
                     H::Center, V::Middle);
        painter.end();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink |= qGray(image.pixel(x, y)) < 96 ? QRect(x, y, 1, 1) : QRect();
        QVERIFY(!ink.isNull() && box.toAlignedRect().contains(ink));
    }
};

QTEST_MAIN(TestReportRenderer)
#include "tst_report_renderer.moc"
