#include "widgets/styled_button/drawing/caption_text.h"

#include "fixture.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <cmath>

namespace {

// The caption font as the caption measures it (aliased).
QFontMetrics metrics()
{
    static const QImage device(1, 1, QImage::Format_RGB32);
    QFont font = captionFont();
    font.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(font, &device);
}

int advance(const QString &text)
{
    return metrics().horizontalAdvance(text);
}

// The caption drawn in the colour on white 80 x 30.
QImage drawn(const QString &caption, OleColor colour)
{
    QImage image(80, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    CaptionText(caption, captionFont()).draw(image, QRect(0, 0, 80, 30), colour);
    return image;
}

// A renderer laid out for a caption and a picture of 16 x 12 at the position.
void layOut(ButtonRenderer &r, const QString &caption, int position, QSize size, int type)
{
    ButtonModel m;
    m.Caption = caption;
    m.Font = captionFont();
    m.PicturePosition = position;
    m.PictureNormal = solidPicture(16, 12, qRgb(255, 0, 0));
    r.setClientSize(size.width(), size.height(), type);
    r.MeasurePicture(m);
    r.LayoutContent(m);
}

} // namespace

class TestCaptionLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QFontInfo(captionFont()).family(), QStringLiteral("Liberation Sans"));
    }

    void wrapping_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width"); // -1: the advance of the first line and half a space
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const char *caption, int width,
                            const QStringList &lines) {
            QTest::newRow(name) << QString(caption) << width << lines;
        };
        row("fits on one line", "Stampa libretto", 1000, {"Stampa libretto"});
        row("breaks at the space", "Stampa libretto", -1, {"Stampa", "libretto"});
        row("long word stands alone", "Configurazione", 10, {"Configurazione"});
        row("zero width puts each word on a line", "A B C", 0, {"A", "B", "C"});
        row("line break kept", "Uno\r\nDue", 1000, {"Uno", "Due"});
        row("ampersand removed", "&Stampa", 1000, {"Stampa"});
        row("double ampersand shows one", "A && B", 1000, {"A & B"});
        row("trailing ampersand dropped", "Esci&", 1000, {"Esci"});
        row("empty caption has no line", "", 1000, {});
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
        const int width = advance(QStringLiteral("configurazione"));
        QCOMPARE(caption.measure(QRect(7, 3, width + 1, 100)),
                 QRect(7, 3, width, 2 * metrics().height()));
        QCOMPARE(CaptionText(QString(), captionFont()).measure(QRect(7, 3, 50, 9)),
                 QRect(7, 3, 0, 0));
    }

    void ampersandUnderlinesTheNextLetter()
    {
        // Letters without descenders, so that the line is the lowest ink.
        const QImage marked = drawn(QStringLiteral("&Salva"), 0);
        const QRect letters = boundsOf(drawn(QStringLiteral("Salva"), 0), qRgb(0, 0, 0));
        const QRect withLine = boundsOf(marked, qRgb(0, 0, 0));
        QCOMPARE_GT(withLine.bottom(), letters.bottom());
        // Below the letters, ink under the "S" only.
        const int sLeft = (80 - advance(QStringLiteral("Salva"))) / 2;
        const int sRight = sLeft + advance(QStringLiteral("S"));
        for (int y = letters.bottom() + 1; y <= withLine.bottom(); ++y)
            for (int x = 0; x < 80; ++x)
                if (marked.pixel(x, y) == qRgb(0, 0, 0))
                    QVERIFY2(x >= sLeft && x < sRight, qPrintable(QString::number(x)));
    }

    void captionIsAliasedInOneColour()
    {
        const QString grid = gridOf(drawn(QStringLiteral("Annulla"), rgbColor(200, 0, 0)),
                                    {{u'.', qRgb(255, 255, 255)}, {u'#', qRgb(200, 0, 0)}});
        QVERIFY(grid.contains(u'#'));
        QVERIFY(!grid.contains(u'?'));
    }

    // The caption is placed with integer halves of the free space (toward zero) from the
    // start rectangle of the picture position; the picture sits 4 pixels beside it, or 2
    // above or below, centred the other way. On 121 x 61 with a 16 x 12 picture.
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
        ButtonRenderer r;
        layOut(r, QStringLiteral("Stampa"), position, QSize(121, 61), Standard3D);
        QCOMPARE(QSize(r.PictureWidth, r.PictureHeight), QSize(16, 12));
        const int cw = advance(QStringLiteral("Stampa"));
        const int ch = metrics().height();
        QCOMPARE(QSize(r.CaptionWidth, r.CaptionHeight), QSize(cw, ch));
        // Centred caption and picture, then moved per position.
        int left = 1 + (120 - cw) / 2;
        int top = 1 + (60 - ch) / 2;
        int px = (121 - 16) / 2;
        int py = (61 - 12) / 2;
        if (position == PictureLeft) {
            left = 17 + (104 - cw) / 2;
            px = left - 16 - 4;
        } else if (position == PictureRight) {
            left = 1 + (120 - cw - 16 - 4) / 2;
            px = left + cw + 4;
        } else if (position == PictureTop) {
            top = 13 + (48 - ch) / 2;
            py = top - 12 - 2;
        } else if (position == PictureBottom) {
            top = 1 + (60 - ch - 12 - 4) / 2;
            py = top + ch + 2;
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
        ButtonRenderer r;
        layOut(r, caption, position, QSize(75, 25), GradientRounded);
        QCOMPARE(QPoint(r.PictureX, r.PictureY), QPoint((75 - 16) / 2, (25 - 12) / 2));
    }

    // A picture keeps its physical size on any screen: its pixels at its own resolution become
    // the button's pixels at the screen's, rounded to the nearest, and it is drawn that large.
    void pictureSizeFollowsTheResolution_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("pictureDpi");
        QTest::addColumn<double>("screenDpi");
        QTest::addColumn<int>("shown");
        QTest::newRow("made for the screen") << 32 << 96 << 96.0 << 32;
        QTest::newRow("120 dpi screen") << 32 << 96 << 120.0 << 40;
        QTest::newRow("144 dpi screen") << 32 << 96 << 144.0 << 48;
        QTest::newRow("made for 192 dpi, 96 dpi screen") << 64 << 192 << 96.0 << 32;
        // 10 pixels at 96 dpi are 265 HIMETRIC, 13.56 pixels at 130 dpi.
        QTest::newRow("rounded to the nearest") << 10 << 96 << 130.0 << 14;
    }

    void pictureSizeFollowsTheResolution()
    {
        QFETCH(int, pixels);
        QFETCH(int, pictureDpi);
        QFETCH(double, screenDpi);
        QFETCH(int, shown);
        const QRgb red = qRgb(255, 0, 0);
        auto picture = std::make_shared<ButtonPicture>(*solidPicture(pixels, pixels, red));
        picture->image.setDotsPerMeterX(int(std::lround(pictureDpi / 0.0254)));
        picture->image.setDotsPerMeterY(int(std::lround(pictureDpi / 0.0254)));
        ButtonModel m = model(Standard3D);
        m.Caption.clear();
        m.PictureNormal = picture;
        m.DpiX = m.DpiY = screenDpi;
        ButtonRenderer r;
        prepare(r, m, 80, 80);
        QCOMPARE(QSize(r.PictureWidth, r.PictureHeight), QSize(shown, shown));
        r.Redraw(m, ButtonRenderer::StateUp, true);
        QCOMPARE(boundsOf(r.image(), red), QRect(r.PictureX, r.PictureY, shown, shown));
        QCOMPARE(r.image().copy(boundsOf(r.image(), red)).convertToFormat(QImage::Format_RGB32),
                 solidPicture(shown, shown, red)->image);
    }

    void noPictureHasZeroSize()
    {
        ButtonModel model;
        model.PictureOver = solidPicture(16, 16, qRgb(255, 0, 0)); // never measured
        ButtonRenderer r;
        r.MeasurePicture(model);
        QCOMPARE(QSize(r.PictureWidth, r.PictureHeight), QSize(0, 0));
    }

    // The corner pixels each shape removes from a 10 x 8 button.
    void region_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<QPoint>>("removed");
        const QList<QPoint> fourCorners{{0, 7}, {9, 0}, {0, 0}, {9, 7}};
        const QList<QPoint> rounded{{0, 0}, {1, 0}, {0, 7}, {1, 7}, {8, 0}, {9, 0},
                                    {8, 7}, {9, 7}, {0, 1}, {0, 6}, {9, 1}, {9, 6}};
        QTest::newRow("framed bevel") << int(FramedBevel) << fourCorners;
        QTest::newRow("gradient banded") << int(GradientBanded) << fourCorners;
        QTest::newRow("shaded frame") << int(ShadedFrame) << QList<QPoint>{{0, 7}, {9, 0}};
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
        // The shadow-coloured edge lies inside the region.
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 30; ++x)
                if ((r.image().pixel(x, y) & 0xFFFFFF) == 0x808080)
                    QVERIFY2(region.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestCaptionLayout)
#include "tst_caption_layout.moc"
