#include "tests/button_drawing/image_check.h"
#include "tests/button_drawing/look_fixture.h"

#include <QTest>

using namespace Tavo::ButtonDrawing;
using namespace LookFixture;

namespace {

// The variants of a button the tests draw.
enum class Variant
{
    Up,
    Hover,
    Focused,
    Default,
    Down,
    Disabled
};

QImage drawVariant(ButtonModel m, Variant variant, int width = 40, int height = 25)
{
    m.Hovering = variant == Variant::Hover;
    m.HasFocus = variant == Variant::Focused;
    m.DisplayAsDefault = variant == Variant::Default;
    m.Enabled = variant != Variant::Disabled;
    return draw(m, variant == Variant::Down ? ButtonRenderer::StateDown : ButtonRenderer::StateUp,
                width, height);
}

} // namespace

Q_DECLARE_METATYPE(Variant)

class TestButtonLooks : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::setPalette(classicPalette()); }

    void redrawRunsOnlyWhenNeeded_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("expected");
        QTest::newRow("nothing changed") << "none" << false;
        QTest::newRow("forced") << "force" << true;
        QTest::newRow("caption changed") << "caption" << true;
        QTest::newRow("state changed") << "state" << true;
        QTest::newRow("height 0") << "height0" << false;
        QTest::newRow("drawing disabled") << "disabled" << false;
    }
    void redrawRunsOnlyWhenNeeded()
    {
        QFETCH(QString, change);
        QFETCH(bool, expected);
        ButtonModel m = model(Thin3D);
        m.Caption = QStringLiteral("Esci");
        ButtonRenderer r;
        prepare(r, m, 40, 25);
        QVERIFY(r.Redraw(m, ButtonRenderer::StateUp, true));
        const QImage first = r.image();
        quint8 state = ButtonRenderer::StateUp;
        bool force = false;
        if (change == "force")
            force = true;
        else if (change == "caption")
            m.Caption = QStringLiteral("Fine");
        else if (change == "state")
            state = ButtonRenderer::StateDown;
        else if (change == "height0")
            r.setClientSize(40, 0, Thin3D), force = true;
        else if (change == "disabled")
            r.DrawingEnabled = false, force = true;
        QCOMPARE(r.Redraw(m, state, force), expected);
        if (!expected) {
            COMPARE_IMAGE(r.image(), first);
            QCOMPARE(r.LastCaption, QStringLiteral("Esci"));
            QCOMPARE(r.LastState, ButtonRenderer::StateUp);
        } else {
            QCOMPARE(r.LastCaption, m.Caption);
            QCOMPARE(r.LastState, state);
        }
    }

    void checkedCheckBoxIsDrawnDown()
    {
        ButtonModel m = model(Thin3D);
        m.CheckBoxBehaviour = true;
        m.Value = true;
        ButtonRenderer r;
        prepare(r, m, 40, 25);
        QVERIFY(r.Redraw(m, ButtonRenderer::StateUp, false));
        QCOMPARE(r.LastState, ButtonRenderer::StateDown);
        // Down: the single ring starts in the shadow colour at the top left.
        QCOMPARE(rgbText(r.image().pixel(0, 0)), QStringLiteral("172,168,153"));
        QCOMPARE(rgbText(r.image().pixel(39, 24)), QStringLiteral("255,255,255"));
    }

    void customHoverDrawsBackOverAndKeepsThePalette()
    {
        ButtonModel m = model(Thin3D);
        m.ColorScheme = CustomColors;
        m.BackColor = rgbColor(100, 100, 100);
        m.BackOver = rgbColor(50, 60, 70);
        m.Hovering = true;
        ButtonRenderer r;
        prepare(r, m, 40, 25);
        QVERIFY(r.Redraw(m, ButtonRenderer::StateUp, true));
        QCOMPARE(rgbText(r.image().pixel(10, 10)), QStringLiteral("50,60,70"));
        // Edges derive from the hover colour: highlight = +47.
        QCOMPARE(rgbText(r.image().pixel(0, 0)), QStringLiteral("97,107,117"));
        QCOMPARE(r.palette().FaceColor, rgbColor(100, 100, 100));
        QCOMPARE(r.palette().HighlightColor, rgbColor(147, 147, 147));
    }

    void failedRedrawKeepsTheOldPixels()
    {
        ButtonModel m = model(Thin3D);
        ButtonRenderer r;
        prepare(r, m, 40, 25);
        QVERIFY(r.Redraw(m, ButtonRenderer::StateUp, true));
        const QImage before = r.image();
        const ButtonPalette palette = r.palette();
        r.setClientSize(200000, 200000, Thin3D);
        QVERIFY(!r.Redraw(m, ButtonRenderer::StateDown, true));
        COMPARE_IMAGE(r.image(), before);
        QCOMPARE(r.LastState, ButtonRenderer::StateUp);
        QCOMPARE(r.palette().FaceColor, palette.FaceColor);
    }

    // Two-ring bevel one pixel in and the dark frame on the edge, on the fixed grey scheme:
    // '.' face, 'H' highlight, 'S' shadow, 'D' dark shadow.
    void framedBevel_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("up") << Variant::Up
                            << QStringList{"DDDDDDDDDD", "DHHHHHHHSD", "DHHHHHHSSD", "DHH....SSD",
                                           "DHSSSSSSSD", "DSSSSSSSSD", "DDDDDDDDDD"};
        QTest::newRow("down") << Variant::Down
                              << QStringList{"DDDDDDDDDD", "DSSSSSSSHD", "DSSSSSSHHD", "DSS....HHD",
                                             "DSHHHHHHHD", "DHHHHHHHHD", "DDDDDDDDDD"};
        QTest::newRow("disabled") << Variant::Disabled
                                  << QStringList{"DDDDDDDDDD", "DHHHHHHHSD", "DHHHHHHSSD",
                                                 "DHH....SSD", "DHSSSSSSSD", "DSSSSSSSSD",
                                                 "DDDDDDDDDD"};
    }
    void framedBevel()
    {
        QFETCH(Variant, variant);
        QFETCH(QStringList, expected);
        ButtonModel m = model(FramedBevel);
        m.ColorScheme = FixedGrey;
        const QImage expectedImage =
            ImageCheck::imageFromGrid(expected, {{u'.', qRgb(192, 192, 192)},
                                                 {u'H', qRgb(255, 255, 255)},
                                                 {u'S', qRgb(128, 128, 128)},
                                                 {u'D', qRgb(0, 0, 0)}});
        COMPARE_IMAGE(drawVariant(m, variant, 10, 7), expectedImage);
    }

    // Whole small buttons on the fixed grey scheme, worked out step by step from the
    // recipes: '.' face 192, 'L' light 223, 'H' highlight 255, 'S' shadow 128, 'D' dark
    // shadow 0, 'f' face - 9, 'k' shadow - 48.
    void smallLooks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QStringList>("expected");
        const QStringList roundedShaded{"DDDDDDDD", "D.LLL.DD", "D.HHH.SD", "DLHH..SD",
                                        "D....SSD", "DDSSSSDD", "DDDDDDDD"};
        QTest::newRow("rounded shaded up") << int(RoundedShaded) << Variant::Up << roundedShaded;
        QTest::newRow("rounded shaded disabled")
            << int(RoundedShaded) << Variant::Disabled << roundedShaded;
        QTest::newRow("banded down") << int(GradientBanded) << Variant::Down
                                     << QStringList{"kkkkkkkk", "kffffffk", "kfffffHk", "kfffffHk",
                                                    "kfffffHk", "kfHHHHHk", "kkkkkkkk"};
        QTest::newRow("thin 3D up") << int(Thin3D) << Variant::Up
                                    << QStringList{"HHHHHHHS", "H......S", "H......S", "H......S",
                                                   "H......S", "H......S", "SSSSSSSS"};
        QTest::newRow("flat hover down")
            << int(FlatHover) << Variant::Down
            << QStringList{"SSSSSSSH", "S......H", "S......H", "S......H",
                           "S......H", "S......H", "HHHHHHHH"};
    }
    void smallLooks()
    {
        QFETCH(int, type);
        QFETCH(Variant, variant);
        QFETCH(QStringList, expected);
        ButtonModel m = model(type);
        m.ColorScheme = FixedGrey;
        const QImage expectedImage =
            ImageCheck::imageFromGrid(expected, {{u'.', qRgb(192, 192, 192)},
                                                 {u'L', qRgb(223, 223, 223)},
                                                 {u'H', qRgb(255, 255, 255)},
                                                 {u'S', qRgb(128, 128, 128)},
                                                 {u'D', qRgb(0, 0, 0)},
                                                 {u'f', qRgb(183, 183, 183)},
                                                 {u'k', qRgb(80, 80, 80)}});
        COMPARE_IMAGE(drawVariant(m, variant, 8, 7), expectedImage);
    }

    // Key pixels of the program's own look on a 40 x 25 button, system face (236, 233, 216):
    // the face tint is (236 + 48, 233 + 48, 216 + 216 * 48 / 192) clamped = white, and each
    // shift n of it is (255 + n, 255 + n, 255 + 255 * n / 192).
    void gradientRounded_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("expected");
        const QString borderBlue = "0,60,115";
        const QString cornerBlue = "16,77,123";
        QTest::newRow("up border left") << Variant::Up << QPoint(0, 10) << borderBlue;
        QTest::newRow("up border bottom") << Variant::Up << QPoint(20, 24) << borderBlue;
        QTest::newRow("up inner corner") << Variant::Up << QPoint(1, 1) << cornerBlue;
        QTest::newRow("up inner corner bottom right")
            << Variant::Up << QPoint(38, 23) << cornerBlue;
        QTest::newRow("up gradient row 10") << Variant::Up << QPoint(10, 10) << "245,245,242";
        QTest::newRow("up gradient row 21") << Variant::Up << QPoint(10, 21) << "234,234,228";
        QTest::newRow("up bottom line -48") << Variant::Up << QPoint(20, 23) << "207,207,192";
        QTest::newRow("up second bottom -32") << Variant::Up << QPoint(20, 22) << "223,223,213";
        QTest::newRow("up right line -36") << Variant::Up << QPoint(38, 10) << "219,219,208";
        QTest::newRow("up second right -24") << Variant::Up << QPoint(37, 10) << "231,231,224";
        QTest::newRow("up top line +16") << Variant::Up << QPoint(20, 1) << "255,255,255";
        QTest::newRow("up left line -5") << Variant::Up << QPoint(1, 10) << "250,250,249";
        QTest::newRow("up left line over second top")
            << Variant::Up << QPoint(1, 2) << "250,250,249";
        QTest::newRow("up second left -10") << Variant::Up << QPoint(2, 10) << "245,245,242";
        QTest::newRow("up second left stops above second bottom")
            << Variant::Up << QPoint(2, 22) << "223,223,213";
        QTest::newRow("up second right stops above second bottom")
            << Variant::Up << QPoint(37, 22) << "223,223,213";

        QTest::newRow("hover frame left") << Variant::Hover << QPoint(1, 10) << "255,178,49";
        QTest::newRow("hover frame right") << Variant::Hover << QPoint(38, 10) << "255,178,49";
        QTest::newRow("hover frame bottom") << Variant::Hover << QPoint(20, 22) << "255,178,49";
        QTest::newRow("hover bottom") << Variant::Hover << QPoint(20, 23) << "231,150,0";
        QTest::newRow("hover top") << Variant::Hover << QPoint(20, 1) << "255,243,206";
        QTest::newRow("hover second top over frame")
            << Variant::Hover << QPoint(38, 2) << "255,219,140";
        QTest::newRow("hover sides") << Variant::Hover << QPoint(2, 10) << "255,203,107";
        QTest::newRow("hover sides right") << Variant::Hover << QPoint(37, 10) << "255,203,107";
        QTest::newRow("hover keeps corner") << Variant::Hover << QPoint(1, 23) << cornerBlue;
        QTest::newRow("hover keeps gradient") << Variant::Hover << QPoint(10, 10) << "245,245,242";

        QTest::newRow("focus frame") << Variant::Focused << QPoint(1, 10) << "140,174,231";
        QTest::newRow("focus bottom") << Variant::Focused << QPoint(20, 23) << "107,130,239";
        QTest::newRow("focus top") << Variant::Focused << QPoint(20, 1) << "206,231,255";
        QTest::newRow("focus second top") << Variant::Focused << QPoint(20, 2) << "189,215,247";
        QTest::newRow("focus sides") << Variant::Focused << QPoint(37, 10) << "181,209,240";
        QTest::newRow("default shows focus lines")
            << Variant::Default << QPoint(20, 23) << "107,130,239";

        // Down: base = white shifted by -32 = (223, 223, 213), darkening upwards.
        QTest::newRow("down gradient row 10 is step 15")
            << Variant::Down << QPoint(10, 10) << "208,208,197";
        QTest::newRow("down bottom line +16") << Variant::Down << QPoint(20, 23) << "239,239,230";
        QTest::newRow("down second bottom +10") << Variant::Down << QPoint(20, 22) << "233,233,224";
        QTest::newRow("down right line +5") << Variant::Down << QPoint(38, 10) << "228,228,218";
        QTest::newRow("down second right face tint")
            << Variant::Down << QPoint(37, 10) << "255,255,255";
        QTest::newRow("down top line -32") << Variant::Down << QPoint(20, 1) << "191,191,178";
        QTest::newRow("down second top -24") << Variant::Down << QPoint(20, 2) << "199,199,187";
        QTest::newRow("down left line -32") << Variant::Down << QPoint(1, 10) << "191,191,178";
        QTest::newRow("down second left -22 over top")
            << Variant::Down << QPoint(2, 2) << "201,201,189";
        QTest::newRow("down border") << Variant::Down << QPoint(0, 10) << borderBlue;
        QTest::newRow("down corner") << Variant::Down << QPoint(38, 1) << cornerBlue;

        QTest::newRow("disabled face -24") << Variant::Disabled << QPoint(20, 10) << "231,231,224";
        QTest::newRow("disabled frame -84") << Variant::Disabled << QPoint(0, 10) << "171,171,144";
        QTest::newRow("disabled corner -72") << Variant::Disabled << QPoint(1, 1) << "183,183,160";
    }
    void gradientRounded()
    {
        QFETCH(Variant, variant);
        QFETCH(QPoint, pixel);
        QFETCH(QString, expected);
        const QImage image = drawVariant(model(GradientRounded), variant);
        QCOMPARE(rgbText(image.pixel(pixel)), expected);
    }

    void gradientRoundedFocusNeedsShowFocusRect()
    {
        ButtonModel m = model(GradientRounded);
        m.ShowFocusRect = false;
        const QImage image = drawVariant(m, Variant::Focused);
        QCOMPARE(rgbText(image.pixel(20, 23)), QStringLiteral("207,207,192"));
    }

    // Custom face (100, 100, 96): the face tint is (148, 148, 120), so the red channel of a
    // gradient row shows its shift directly.
    void gradientRows_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("height 25 row 3") << 25 << 3 << "145,145,119";
        QTest::newRow("height 25 row 10") << 25 << 10 << "138,138,114";
        QTest::newRow("height 50 row 3 is -2") << 50 << 3 << "146,146,119";
        QTest::newRow("height 50 row 4 is -2") << 50 << 4 << "146,146,119";
        QTest::newRow("height 50 row 5 is -2") << 50 << 5 << "146,146,119";
        QTest::newRow("height 50 row 7 is -4") << 50 << 7 << "144,144,118";
        QTest::newRow("height 30 row 9 is -8") << 30 << 9 << "140,140,115";
    }
    void gradientRows()
    {
        QFETCH(int, height);
        QFETCH(int, row);
        QFETCH(QString, expected);
        ButtonModel m = model(GradientRounded);
        m.ColorScheme = CustomColors;
        m.BackColor = rgbColor(100, 100, 96);
        QCOMPARE(rgbText(drawVariant(m, Variant::Up, 40, height).pixel(10, row)), expected);
    }

    // Banded: highlight (255, 255, 255) darkened by round(-58 / H * i), not proportional.
    void bandedGradientRows_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::newRow("height 29 row 5 is -10") << 29 << 5 << "245,245,245";
        QTest::newRow("height 29 row 20 is -40") << 29 << 20 << "215,215,215";
        QTest::newRow("height 116 row 5 is -2") << 116 << 5 << "253,253,253";
    }
    void bandedGradientRows()
    {
        QFETCH(int, height);
        QFETCH(int, row);
        QFETCH(QString, expected);
        QCOMPARE(
            rgbText(drawVariant(model(GradientBanded), Variant::Up, 40, height).pixel(10, row)),
            expected);
        QCOMPARE(
            rgbText(
                drawVariant(model(GradientBanded), Variant::Disabled, 40, height).pixel(10, row)),
            expected);
    }

    void flatLooksShowOnlyTheirFaceWhenNotHovered_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("flat hover") << int(FlatHover);
        QTest::newRow("hover 3D") << int(Hover3D);
        QTest::newRow("hover select") << int(HoverSelect);
        QTest::newRow("picture only") << int(PictureOnly);
    }
    void flatLooksShowOnlyTheirFaceWhenNotHovered()
    {
        QFETCH(int, type);
        QImage face(40, 25, QImage::Format_RGB32);
        face.fill(qRgb(236, 233, 216));
        COMPARE_IMAGE(drawVariant(model(type), Variant::Up), face);
        QVERIFY(drawVariant(model(type), Variant::Hover) != face || type == PictureOnly);
    }

    // Whether a focused button shows the dotted rectangle: drawn with and without the focus.
    void focusRectangleByLook_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<bool>("shown");
        QTest::newRow("framed bevel up") << int(FramedBevel) << Variant::Up << true;
        QTest::newRow("framed bevel down") << int(FramedBevel) << Variant::Down << true;
        QTest::newRow("framed bevel disabled") << int(FramedBevel) << Variant::Disabled << false;
        QTest::newRow("standard 3D not default") << int(Standard3D) << Variant::Up << false;
        QTest::newRow("rounded shaded") << int(RoundedShaded) << Variant::Up << false;
        QTest::newRow("soft 3D down") << int(Soft3D) << Variant::Down << true;
        QTest::newRow("thin 3D up") << int(Thin3D) << Variant::Up << true;
        QTest::newRow("flat hover up") << int(FlatHover) << Variant::Up << true;
        QTest::newRow("hover select down") << int(HoverSelect) << Variant::Down << true;
        QTest::newRow("picture only") << int(PictureOnly) << Variant::Up << false;
        QTest::newRow("see through up") << int(SeeThrough) << Variant::Up << true;
        QTest::newRow("hover 3D up") << int(Hover3D) << Variant::Up << true;
        QTest::newRow("oval up") << int(Oval) << Variant::Up << false;
        QTest::newRow("oval down") << int(Oval) << Variant::Down << false;
        QTest::newRow("banded down") << int(GradientBanded) << Variant::Down << true;
    }
    void focusRectangleByLook()
    {
        QFETCH(int, type);
        QFETCH(Variant, variant);
        QFETCH(bool, shown);
        ButtonModel m = model(type);
        const QImage without = drawVariant(m, variant);
        m.HasFocus = true;
        m.Enabled = variant != Variant::Disabled;
        const QImage with =
            draw(m, variant == Variant::Down ? ButtonRenderer::StateDown : ButtonRenderer::StateUp);
        QCOMPARE(with != without, shown);
        if (shown) {
            // Only the border of FocusRect changes.
            ButtonRenderer r;
            r.setClientSize(40, 25, type);
            const QRect focus = r.FocusRect;
            for (int y = 0; y < 25; ++y)
                for (int x = 0; x < 40; ++x) {
                    const bool onBorder =
                        focus.contains(x, y) && !focus.adjusted(1, 1, -1, -1).contains(x, y);
                    if (!onBorder)
                        QCOMPARE(with.pixel(x, y), without.pixel(x, y));
                }
        }
    }

    void standard3DDefault_data()
    {
        QTest::addColumn<bool>("asDefault");
        QTest::addColumn<bool>("focus");
        QTest::addColumn<QString>("edge");       // pixel (0, 10)
        QTest::addColumn<QString>("insideEdge"); // pixel (1, 10)
        QTest::addColumn<QString>("focusPixel"); // pixel (5, 4) of the focus rectangle
        // Face (236, 233, 216) inverted on the dots: (19, 22, 39).
        QTest::newRow("default with focus") << true << true << "113,111,100"
                                            << "255,255,255"
                                            << "19,22,39";
        QTest::newRow("default without focus") << true << false << "113,111,100"
                                               << "255,255,255"
                                               << "236,233,216";
        QTest::newRow("not default with focus") << false << true << "255,255,255"
                                                << "241,239,226"
                                                << "236,233,216";
    }
    void standard3DDefault()
    {
        QFETCH(bool, asDefault);
        QFETCH(bool, focus);
        QFETCH(QString, edge);
        QFETCH(QString, insideEdge);
        QFETCH(QString, focusPixel);
        ButtonModel m = model(Standard3D);
        m.DisplayAsDefault = asDefault;
        m.HasFocus = focus;
        const QImage image = draw(m, ButtonRenderer::StateUp);
        QCOMPARE(rgbText(image.pixel(0, 10)), edge);
        QCOMPARE(rgbText(image.pixel(1, 10)), insideEdge);
        QCOMPARE(rgbText(image.pixel(5, 4)), focusPixel);
    }

    void shadedFrameDownKeepsTheCaptionInPlace_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("shaded frame stays") << int(ShadedFrame) << QPoint(0, 0);
        QTest::newRow("thin 3D moves") << int(Thin3D) << QPoint(1, 1);
        QTest::newRow("framed bevel moves") << int(FramedBevel) << QPoint(1, 1);
    }
    void shadedFrameDownKeepsTheCaptionInPlace()
    {
        QFETCH(int, type);
        QFETCH(QPoint, shift);
        ButtonModel m = model(type);
        m.Caption = QStringLiteral("Salva");
        const QRect up = boundsOf(draw(m, ButtonRenderer::StateUp, 80, 30), qRgb(0, 0, 0));
        const QRect down = boundsOf(draw(m, ButtonRenderer::StateDown, 80, 30), qRgb(0, 0, 0));
        QVERIFY(up.isValid());
        QCOMPARE(down, up.translated(shift));
    }

    // Caption effects on a custom face (100, 110, 120) with a blue caption: the copy one
    // pixel down-right and, for raised and sunken, the opposite copy one pixel up-left.
    void captionEffects_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("effect");
        QTest::addColumn<QRgb>("lowerCopy"); // colour of the copy at (+1, +1)
        QTest::addColumn<QRgb>("upperCopy"); // colour of the copy at (-1, -1), 0 for none
        QTest::newRow("raised") << int(Thin3D) << int(EffectRaised) << qRgb(60, 70, 80)
                                << qRgb(140, 150, 160);
        QTest::newRow("sunken") << int(Thin3D) << int(EffectSunken) << qRgb(140, 150, 160)
                                << qRgb(60, 70, 80);
        QTest::newRow("shadow") << int(Thin3D) << int(EffectShadow) << qRgb(60, 70, 80) << QRgb(0);
        QTest::newRow("higher values act as shadow")
            << int(Thin3D) << 7 << qRgb(60, 70, 80) << QRgb(0);
        // Face tint (148, 158, 120 + 120 * 48 / 192) = (148, 158, 150), then -40 and +40.
        QTest::newRow("gradient rounded takes the face tint")
            << int(GradientRounded) << int(EffectRaised) << qRgb(108, 118, 110)
            << qRgb(188, 198, 190);
    }
    void captionEffects()
    {
        QFETCH(int, type);
        QFETCH(int, effect);
        QFETCH(QRgb, lowerCopy);
        QFETCH(QRgb, upperCopy);
        ButtonModel m = model(type);
        m.ColorScheme = CustomColors;
        m.BackColor = rgbColor(100, 110, 120);
        m.ForeColor = rgbColor(0, 0, 255);
        m.SpecialEffect = effect;
        m.Caption = QStringLiteral("Salva");
        const QImage image = draw(m, ButtonRenderer::StateUp, 80, 30);
        const QRect text = boundsOf(image, qRgb(0, 0, 255));
        QVERIFY(text.isValid());
        const QRect lower = boundsOf(image, lowerCopy);
        QCOMPARE(lower.bottomRight(), text.bottomRight() + QPoint(1, 1));
        if (upperCopy == 0) {
            QVERIFY(!boundsOf(image, qRgb(140, 150, 160)).isValid());
        } else {
            const QRect upper = boundsOf(image, upperCopy);
            QCOMPARE(upper.topLeft(), text.topLeft() - QPoint(1, 1));
        }
    }

    void bandedDefaultCaptionIsBoldAndLayoutComesBack()
    {
        ButtonModel m = model(GradientBanded);
        m.Caption = QStringLiteral("Stampa");
        ButtonRenderer r;
        prepare(r, m, 100, 30);
        const QRect caption = r.CaptionRect;
        const int captionWidth = r.CaptionWidth;
        QVERIFY(r.Redraw(m, ButtonRenderer::StateUp, true));
        const QRect regular = boundsOf(r.image(), qRgb(0, 0, 0));
        m.DisplayAsDefault = true;
        QVERIFY(r.Redraw(m, ButtonRenderer::StateUp, true));
        const QRect bold = boundsOf(r.image(), qRgb(0, 0, 0));
        QVERIFY2(bold.width() > regular.width(),
                 qPrintable(QStringLiteral("%1 vs %2").arg(bold.width()).arg(regular.width())));
        QCOMPARE(r.CaptionRect, caption);
        QCOMPARE(r.CaptionWidth, captionWidth);
        QVERIFY(!m.Font.bold());
        QVERIFY(r.DrawingEnabled);
    }

    void roundedShadedDownLeavesFaceTintAsComputed()
    {
        ButtonModel m = model(RoundedShaded);
        m.SpecialEffect = EffectRaised;
        m.Caption = QStringLiteral("Ok");
        ButtonRenderer r;
        prepare(r, m, 40, 25);
        QVERIFY(r.Redraw(m, ButtonRenderer::StateDown, true));
        // (236 + 48, 233 + 48, 216 + 48) clamped.
        QCOMPARE(r.palette().FaceTintColor, rgbColor(255, 255, 255));
        // The pressed face is the shadow (172, 168, 153) less 16.
        QCOMPARE(rgbText(r.image().pixel(6, 6)), QStringLiteral("156,152,137"));
    }

    void pictureOnlyDrawsNoCaption()
    {
        ButtonModel m = model(PictureOnly);
        m.Caption = QStringLiteral("Esci");
        QVERIFY(!boundsOf(draw(m, ButtonRenderer::StateUp), qRgb(0, 0, 0)).isValid());
    }

    void seeThroughShowsTheBackground()
    {
        ButtonModel m = model(SeeThrough);
        m.Background = QImage(40, 25, QImage::Format_RGB32);
        m.Background.fill(qRgb(1, 2, 3));
        m.Background.setPixel(39, 24, qRgb(9, 8, 7));
        const QImage image = draw(m, ButtonRenderer::StateUp);
        QCOMPARE(rgbText(image.pixel(0, 0)), QStringLiteral("1,2,3"));
        QCOMPARE(rgbText(image.pixel(39, 24)), QStringLiteral("9,8,7"));
    }

    void hoverSelectBoxes_data()
    {
        QTest::addColumn<Variant>("variant");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("expected");
        // Selection (49, 106, 197); its tint with base 176 is (191, 208, 237).
        QTest::newRow("hover frame") << Variant::Hover << QPoint(0, 0) << "49,106,197";
        QTest::newRow("hover fill") << Variant::Hover << QPoint(5, 5) << "191,208,237";
        QTest::newRow("hover fill reaches the far frame")
            << Variant::Hover << QPoint(38, 23) << "191,208,237";
    }
    void hoverSelectBoxes()
    {
        QFETCH(Variant, variant);
        QFETCH(QPoint, pixel);
        QFETCH(QString, expected);
        QCOMPARE(rgbText(drawVariant(model(HoverSelect), variant).pixel(pixel)), expected);
    }

    void hoverSelectPressedWhileHovering()
    {
        ButtonModel m = model(HoverSelect);
        m.Hovering = true;
        const QImage image = draw(m, ButtonRenderer::StateDown);
        // TintColor(selection, 128) = (152, 180, 226) inside the selection frame.
        QCOMPARE(rgbText(image.pixel(5, 5)), QStringLiteral("152,180,226"));
        QCOMPARE(rgbText(image.pixel(39, 24)), QStringLiteral("49,106,197"));
    }
};

QTEST_MAIN(TestButtonLooks)
#include "tst_button_looks.moc"
