#include "reports/booklet_layouts.h"
#include "reports/report_text_box.h"

#include "ink.h"

#include <QPainter>
#include <QTest>

using namespace Tavo::Reports;

namespace {

using H = ReportControl::HAlign;
using V = ReportControl::VAlign;

// At 288 dpi one pixel is 5 twips.
constexpr int probeDpi = 288;

QStringList wrapAt(const QString &text, const ReportFont &font, int boxTwips, int dpi)
{
    const QImage device = Ink::sheet({8, 8}, dpi);
    const QFontMetricsF metrics(font.toQFont(), &device);
    return wrapText(text, metrics, boxTwips * dpi / 1440.0);
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

class TestReportTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QTest::newRow("legal reference")
            << "(Art. 122, comma 5-bis del codice della strada ed art. 1, co. 3, del DM "
               "Infrastrutture e Trasporti del 20/04/2012"
            << timesNewRoman(11.25) << 6378 << 600 << 2;
        QTest::newRow("foot note")
            << "(cfr. programma di cui all'allegato 1 DM Infrastrutture e trasporti del "
               "20/04/2012)"
            << timesNewRoman(9) << 3119 << 600 << 2;
        QTest::newRow("title") << "LIBRETTO DELLE LEZIONI DI GUIDA" << timesNewRoman(15.75, true)
                               << 7228 << 600 << 1;
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
        const QImage device = Ink::sheet({8, 8}, 1440);
        const QFontMetricsF metrics(timesNewRoman(12).toQFont(), &device);
        const qreal width = 1000;
        const QStringList lines = wrapText(word, metrics, width);
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines.join(QString()), word);
        for (const QString &line : lines)
            QVERIFY(metrics.horizontalAdvance(line) <= width);
    }

    void horizontalAlignment_data()
    {
        QTest::addColumn<H>("hAlign");
        QTest::addColumn<int>("expectedLeft");
        QTest::addColumn<int>("expectedRight");
        const QImage device = Ink::sheet({8, 8}, probeDpi);
        const qreal advance =
            QFontMetricsF(timesNewRoman(12).toQFont(), &device).horizontalAdvance("HIH");
        const int textWidth = qRound(advance);
        // Box from x = 100 to 700; an "H" has only small side bearings.
        QTest::newRow("left") << H::Left << 100 << 100 + textWidth;
        QTest::newRow("right") << H::Right << 700 - textWidth << 700;
        QTest::newRow("centre") << H::Center << 400 - textWidth / 2 << 400 + textWidth / 2;
    }
    void horizontalAlignment()
    {
        QFETCH(H, hAlign);
        QFETCH(int, expectedLeft);
        QFETCH(int, expectedRight);
        const QRect ink = paintedInk(QStringLiteral("HIH"), hAlign, V::Top);
        QVERIFY(!ink.isNull());
        QVERIFY2(qAbs(ink.left() - expectedLeft) <= 4, qPrintable(QString::number(ink.left())));
        QVERIFY2(qAbs(ink.right() + 1 - expectedRight) <= 4,
                 qPrintable(QString::number(ink.right())));
    }

    void verticalAlignment_data()
    {
        QTest::addColumn<V>("vAlign");
        QTest::addColumn<qreal>("shareOfFreeSpace");
        QTest::newRow("top") << V::Top << 0.0;
        QTest::newRow("middle") << V::Middle << 0.5;
        QTest::newRow("bottom") << V::Bottom << 1.0;
    }
    void verticalAlignment()
    {
        QFETCH(V, vAlign);
        QFETCH(qreal, shareOfFreeSpace);
        const QImage device = Ink::sheet({8, 8}, probeDpi);
        const QFontMetricsF metrics(timesNewRoman(12).toQFont(), &device);
        // The free space of the 200 px box once one line stands in it.
        const qreal freeSpace = 200 - metrics.height();
        const QRect top = paintedInk(QStringLiteral("HIH"), H::Left, V::Top);
        const QRect ink = paintedInk(QStringLiteral("HIH"), H::Left, vAlign);
        QVERIFY(top.top() >= 100);
        QVERIFY(qAbs(ink.top() - top.top() - shareOfFreeSpace * freeSpace) <= 1.0);
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
        const QImage device = Ink::sheet({8, 8}, probeDpi);
        const QFontMetricsF metrics(timesNewRoman(12).toQFont(), &device);
        const QRect one = paintedInk(QStringLiteral("H"), H::Left, V::Top);
        const QRect two = paintedInk(QStringLiteral("H\nH"), H::Left, V::Top);
        QCOMPARE(two.top(), one.top());
        QVERIFY(qAbs(two.height() - one.height() - metrics.lineSpacing()) <= 1.0);
    }
};

QTEST_MAIN(TestReportTextBox)
#include "tst_report_text_box.moc"
