#include "widgets/styled_button/drawing/button_renderer.h"
#include "widgets/styled_button/drawing/caption_text.h"
#include "widgets/styled_button/drawing/color_math.h"

#include "tests/button_drawing/image_check.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

using namespace Tavo::ButtonDrawing;

namespace {

QFont captionFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int advance(const QString &text)
{
    const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(captionFont(), &device).horizontalAdvance(text);
}

int lineHeight()
{
    const QImage device(1, 1, QImage::Format_RGB32);
    return QFontMetrics(captionFont(), &device).height();
}

PicturePtr picture(int width, int height)
{
    auto p = std::make_shared<ButtonPicture>();
    p->image = QImage(width, height, QImage::Format_RGB32);
    p->image.fill(Qt::red);
    return p;
}

// The bounding box of the pixels of one colour.
QRect boundsOf(const QImage &image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestCaptionLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFontInfo(captionFont()).family() == "Liberation Sans"); }

    void wrapping_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width"); // -1: exactly the advance of the first line
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("fits on one line")
            << "Stampa libretto" << 1000 << QStringList{"Stampa libretto"};
        QTest::newRow("breaks at the space")
            << "Stampa libretto" << -1 << QStringList{"Stampa", "libretto"};
        QTest::newRow("long word stands alone")
            << "Configurazione" << 10 << QStringList{"Configurazione"};
        QTest::newRow("zero width puts each word on a line")
            << "A B C" << 0 << QStringList{"A", "B", "C"};
        QTest::newRow("line break kept") << "Uno\r\nDue" << 1000 << QStringList{"Uno", "Due"};
        QTest::newRow("ampersand removed") << "&Stampa" << 1000 << QStringList{"Stampa"};
        QTest::newRow("double ampersand shows one") << "A && B" << 1000 << QStringList{"A & B"};
        QTest::newRow("trailing ampersand dropped") << "Esci&" << 1000 << QStringList{"Esci"};
        QTest::newRow("empty caption has no line") << "" << 1000 << QStringList{};
    }
    void wrapping()
    {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(QStringList, expected);
        if (width < 0)
            width = advance(expected.first()) + advance(QStringLiteral(" ")) / 2;
        QCOMPARE(CaptionText(caption, captionFont()).lines(width), expected);
    }

    void measureGivesWidestLineAndLineCount()
    {
        const CaptionText caption(QStringLiteral("Esci configurazione"), captionFont());
        const int width = advance(QStringLiteral("configurazione")) + 1;
        const QRect measured = caption.measure(QRect(7, 3, width, 100));
        QCOMPARE(measured.topLeft(), QPoint(7, 3));
        QCOMPARE(measured.width(), advance(QStringLiteral("configurazione")));
        QCOMPARE(measured.height(), 2 * lineHeight());
    }

    void measureOfEmptyCaptionIsEmpty()
    {
        const QRect measured = CaptionText(QString(), captionFont()).measure(QRect(7, 3, 50, 9));
        QCOMPARE(measured, QRect(7, 3, 0, 0));
    }

    void ampersandUnderlinesTheNextLetter()
    {
        const OleColor ink = rgbColor(0, 0, 0);
        QImage plain(80, 30, QImage::Format_RGB32);
        plain.fill(Qt::white);
        QImage marked = plain;
        // Letters without descenders, so that the line is the lowest ink.
        CaptionText(QStringLiteral("Salva"), captionFont()).draw(plain, QRect(0, 0, 80, 30), ink);
        CaptionText(QStringLiteral("&Salva"), captionFont()).draw(marked, QRect(0, 0, 80, 30), ink);
        // The same letters, plus a line under the "S" only.
        const QRect letters = boundsOf(plain, qRgb(0, 0, 0));
        const QRect withLine = boundsOf(marked, qRgb(0, 0, 0));
        QVERIFY(withLine.bottom() > letters.bottom());
        const int sLeft = (80 - advance(QStringLiteral("Salva"))) / 2;
        const int sRight = sLeft + advance(QStringLiteral("S"));
        for (int y = letters.bottom() + 1; y <= withLine.bottom(); ++y)
            for (int x = 0; x < 80; ++x)
                if (marked.pixel(x, y) == qRgb(0, 0, 0))
                    QVERIFY2(x >= sLeft && x < sRight, qPrintable(QString::number(x)));
    }

    void captionIsAliasedInOneColour()
    {
        QImage image(80, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        CaptionText(QStringLiteral("Annulla"), captionFont())
            .draw(image, QRect(0, 0, 80, 30), rgbColor(200, 0, 0));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xFFFFFF;
                QVERIFY(p == 0xFFFFFF || p == (qRgb(200, 0, 0) & 0xFFFFFF));
            }
        QVERIFY(boundsOf(image, qRgb(200, 0, 0)).isValid());
    }

    // The caption is placed with integer halves of the free space (toward zero) from the
    // start rectangle of the picture position; the picture sits 4 pixels beside it, or 2
    // above or below, centred the other way.
    void layoutByPicturePosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("left") << int(PictureLeft);
        QTest::newRow("right") << int(PictureRight);
        QTest::newRow("top") << int(PictureTop);
        QTest::newRow("bottom") << int(PictureBottom);
        QTest::newRow("behind") << int(PictureBehind);
    }
    void layoutByPicturePosition()
    {
        QFETCH(int, position);
        const int w = 121;
        const int h = 61;
        const int pw = 16;
        const int ph = 12;
        ButtonModel model;
        model.Caption = QStringLiteral("Stampa");
        model.Font = captionFont();
        model.PicturePosition = position;
        model.PictureNormal = picture(pw, ph);
        ButtonRenderer r;
        r.setClientSize(w, h, Standard3D);
        r.MeasurePicture(model);
        QCOMPARE(r.PictureWidth, pw);
        QCOMPARE(r.PictureHeight, ph);
        r.LayoutContent(model);

        const int cw = advance(QStringLiteral("Stampa"));
        const int ch = lineHeight();
        QCOMPARE(r.CaptionWidth, cw);
        QCOMPARE(r.CaptionHeight, ch);
        int left = 0;
        int top = 0;
        int px = 0;
        int py = 0;
        switch (position) {
        case PictureLeft:
            left = 17 + (w - (17 + cw)) / 2;
            top = 1 + (h - (1 + ch)) / 2;
            px = left - pw - 4;
            py = (h - ph) / 2;
            break;
        case PictureRight:
            left = 1 + (w - (1 + cw) - pw - 4) / 2;
            top = 1 + (h - (1 + ch)) / 2;
            px = left + cw + 4;
            py = (h - ph) / 2;
            break;
        case PictureTop:
            left = 1 + (w - (1 + cw)) / 2;
            top = 13 + (h - (13 + ch)) / 2;
            px = (w - pw) / 2;
            py = top - ph - 2;
            break;
        case PictureBottom:
            left = 1 + (w - (1 + cw)) / 2;
            top = 1 + (h - (1 + ch) - ph - 4) / 2;
            px = (w - pw) / 2;
            py = top + ch + 2;
            break;
        default:
            left = 1 + (w - (1 + cw)) / 2;
            top = 1 + (h - (1 + ch)) / 2;
            px = (w - pw) / 2;
            py = (h - ph) / 2;
            break;
        }
        QCOMPARE(r.CaptionRect, QRect(left, top, cw, ch));
        QCOMPARE(r.CaptionRectDown, QRect(left + 1, top + 1, cw, ch));
        QCOMPARE(QPoint(r.PictureX, r.PictureY), QPoint(px, py));
    }

    void blankCaptionCentresThePicture_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("position");
        QTest::newRow("empty, left") << "" << int(PictureLeft);
        QTest::newRow("spaces, right") << "   " << int(PictureRight);
        QTest::newRow("empty, top") << "" << int(PictureTop);
        QTest::newRow("empty, bottom") << "" << int(PictureBottom);
    }
    void blankCaptionCentresThePicture()
    {
        QFETCH(QString, caption);
        QFETCH(int, position);
        ButtonModel model;
        model.Caption = caption;
        model.Font = captionFont();
        model.PicturePosition = position;
        model.PictureNormal = picture(16, 12);
        ButtonRenderer r;
        r.setClientSize(75, 25, GradientRounded);
        r.MeasurePicture(model);
        r.LayoutContent(model);
        QCOMPARE(QPoint(r.PictureX, r.PictureY), QPoint((75 - 16) / 2, (25 - 12) / 2));
    }

    void noPictureHasZeroSize()
    {
        ButtonModel model;
        model.PictureOver = picture(16, 16); // never measured
        ButtonRenderer r;
        r.MeasurePicture(model);
        QCOMPARE(QSize(r.PictureWidth, r.PictureHeight), QSize(0, 0));
    }

    void region_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<QPoint>>("removed");
        const int w = 10;
        const int h = 8;
        const QList<QPoint> fourCorners{{0, h - 1}, {w - 1, 0}, {0, 0}, {w - 1, h - 1}};
        const QList<QPoint> rounded{{0, 0},     {1, 0},     {0, h - 1},     {1, h - 1},
                                    {w - 2, 0}, {w - 1, 0}, {w - 2, h - 1}, {w - 1, h - 1},
                                    {0, 1},     {0, h - 2}, {w - 1, 1},     {w - 1, h - 2}};
        QTest::newRow("framed bevel") << int(FramedBevel) << fourCorners;
        QTest::newRow("gradient banded") << int(GradientBanded) << fourCorners;
        QTest::newRow("shaded frame") << int(ShadedFrame) << QList<QPoint>{{0, h - 1}, {w - 1, 0}};
        QTest::newRow("gradient rounded") << int(GradientRounded) << rounded;
        QTest::newRow("rounded shaded") << int(RoundedShaded) << rounded;
        QTest::newRow("standard 3D") << int(Standard3D) << QList<QPoint>{};
        QTest::newRow("hover 3D") << int(Hover3D) << QList<QPoint>{};
    }
    void region()
    {
        QFETCH(int, type);
        QFETCH(QList<QPoint>, removed);
        ButtonRenderer r;
        r.setClientSize(10, 8, type);
        const QRegion region = r.BuildRegion(type);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                QVERIFY2(region.contains(QPoint(x, y)) != removed.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        QVERIFY(!region.contains(QPoint(10, 0)));
        QVERIFY(!region.contains(QPoint(0, 8)));
    }

    void ovalRegionIsTheDrawnEllipse()
    {
        ButtonModel model;
        model.ButtonType = Oval;
        model.ColorScheme = FixedGrey;
        model.Hovering = true; // the edge in the shadow colour
        ButtonRenderer r;
        r.setClientSize(30, 14, Oval);
        r.ComputeColors(model);
        QVERIFY(r.Redraw(model, ButtonRenderer::StateUp, true));
        const QRegion region = r.BuildRegion(Oval);
        QVERIFY(!region.contains(QPoint(0, 0)));
        QVERIFY(!region.contains(QPoint(29, 13)));
        QVERIFY(region.contains(QPoint(15, 7)));
        QVERIFY(region.contains(QPoint(0, 7)));
        // The shadow-coloured edge lies inside the region and marks its border on each row.
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 30; ++x)
                if ((r.image().pixel(x, y) & 0xFFFFFF) == 0x808080)
                    QVERIFY2(region.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestCaptionLayout)
#include "tst_caption_layout.moc"
