#include "fixture.h"

namespace {

// The variants of a button the tests draw; they add to the flags the model already has.
enum class Variant
{
    Up,
    Hover,
    Focused,
    Default,
    Down,
    Disabled
};

QImage drawVariant(ButtonModel m, Variant variant, QSize size = {40, 25})
{
    m.Hovering |= variant == Variant::Hover;
    m.HasFocus |= variant == Variant::Focused;
    m.DisplayAsDefault |= variant == Variant::Default;
    m.Enabled &= variant != Variant::Disabled;
    return draw(m, variant == Variant::Down ? ButtonRenderer::StateDown : ButtonRenderer::StateUp,
                size.width(), size.height());
}

// A 4 x 3 picture, red (200, 0, 0) but for its top row: white (the mask colour), a grey of
// red + green + blue = 384, one of 385, then red. On a 40 x 25 button without caption it is
// centred at (18, 11).
PicturePtr testPicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(200, 0, 0));
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(1, 0, qRgb(128, 128, 128));
    image.setPixel(2, 0, qRgb(129, 128, 128));
    return std::make_shared<ButtonPicture>(ButtonPicture{ButtonPicture::Kind::Bitmap, image});
}
constexpr int kX = 18;
constexpr int kY = 11;

ButtonModel pictureModel(int type, bool greyscale = false, int effect = 0)
{
    ButtonModel m = model(type);
    m.PictureNormal = testPicture();
    m.UseGreyscale = greyscale;
    m.SpecialEffect = effect;
    return m;
}

// Where drawing the button focused changes its pixels: nowhere, only on the border of
// FocusRect, or first at a pixel elsewhere.
QString focusChange(int type, Variant variant)
{
    ButtonModel m = model(type);
    const QImage without = drawVariant(m, variant);
    m.HasFocus = true;
    const QImage with = drawVariant(m, variant);
    ButtonRenderer r;
    r.setClientSize(40, 25, type);
    const QRect focus = r.FocusRect;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 40; ++x)
            if (with.pixel(x, y) != without.pixel(x, y) &&
                (!focus.contains(x, y) || focus.adjusted(1, 1, -1, -1).contains(x, y)))
                return QStringLiteral("at %1,%2").arg(x).arg(y);
    return with == without ? QStringLiteral("nowhere") : QStringLiteral("on the focus rectangle");
}

} // namespace

class TestButtonLooks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setPalette(classicPalette()); }

    // Whole small buttons and single pixels of the looks, worked out from their recipes.
    void looks_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto probe = [](const char *name, const ButtonModel &m, Variant variant, QPoint at,
                              const char *expected, QSize size = {40, 25}) {
            QTest::newRow(name) << rgbText(drawVariant(m, variant, size).pixel(at))
                                << QString(expected);
        };
        using enum Variant;

        // Whole small buttons on the fixed grey scheme, worked out step by step from the
        // recipes: '.' face 192, 'L' light 223, 'H' highlight 255, 'S' shadow 128, 'D' dark
        // shadow 0, 'f' face - 9, 'k' shadow - 48. The framed bevel has two rings one pixel
        // in and the dark frame on the edge.
        const auto row = [](const char *name, int type, Variant variant, const char *grid) {
            const QStringList rows = QString(grid).split(u'/');
            ButtonModel m = model(type);
            m.ColorScheme = FixedGrey;
            const QImage image =
                drawVariant(m, variant, QSize(int(rows.first().size()), int(rows.size())));
            QTest::newRow(name) << gridOf(image, {{u'.', qRgb(192, 192, 192)},
                                                  {u'L', qRgb(223, 223, 223)},
                                                  {u'H', qRgb(255, 255, 255)},
                                                  {u'S', qRgb(128, 128, 128)},
                                                  {u'D', qRgb(0, 0, 0)},
                                                  {u'f', qRgb(183, 183, 183)},
                                                  {u'k', qRgb(80, 80, 80)}})
                                << QString(grid);
        };
        const char *framedUp = "DDDDDDDDDD/DHHHHHHHSD/DHHHHHHSSD/DHH....SSD/DHSSSSSSSD/DSSSSSSSSD/"
                               "DDDDDDDDDD";
        row("framed bevel up", FramedBevel, Up, framedUp);
        row("framed bevel down", FramedBevel, Down,
            "DDDDDDDDDD/DSSSSSSSHD/DSSSSSSHHD/DSS....HHD/DSHHHHHHHD/DHHHHHHHHD/DDDDDDDDDD");
        row("framed bevel disabled", FramedBevel, Disabled, framedUp);
        const char *roundedShaded =
            "DDDDDDDD/D.LLL.DD/D.HHH.SD/DLHH..SD/D....SSD/DDSSSSDD/DDDDDDDD";
        row("rounded shaded up", RoundedShaded, Up, roundedShaded);
        row("rounded shaded disabled", RoundedShaded, Disabled, roundedShaded);
        row("banded down", GradientBanded, Down,
            "kkkkkkkk/kffffffk/kfffffHk/kfffffHk/kfffffHk/kfHHHHHk/kkkkkkkk");
        row("thin 3D up", Thin3D, Up,
            "HHHHHHHS/H......S/H......S/H......S/H......S/H......S/SSSSSSSS");
        row("flat hover down", FlatHover, Down,
            "SSSSSSSH/S......H/S......H/S......H/S......H/S......H/HHHHHHHH");

        // Pixels with the system colours: face (236, 233, 216), shadow (172, 168, 153),
        // selection (49, 106, 197). The program's own look: the face tint is (236 + 48, 233 + 48,
        // 216 + 216 * 48 / 192) clamped = white, and each shift n of it is (255 + n, 255 + n, 255 +
        // 255 * n / 192).
        const ButtonModel gr = model(GradientRounded);
        const char *border = "0,60,115";
        const char *corner = "16,77,123";
        probe("up border left", gr, Up, {0, 10}, border);
        probe("up border bottom", gr, Up, {20, 24}, border);
        probe("up inner corner", gr, Up, {1, 1}, corner);
        probe("up inner corner bottom right", gr, Up, {38, 23}, corner);
        probe("up gradient row 10", gr, Up, {10, 10}, "245,245,242");
        probe("up gradient row 21", gr, Up, {10, 21}, "234,234,228");
        probe("up bottom line -48", gr, Up, {20, 23}, "207,207,192");
        probe("up second bottom -32", gr, Up, {20, 22}, "223,223,213");
        probe("up right line -36", gr, Up, {38, 10}, "219,219,208");
        probe("up second right -24", gr, Up, {37, 10}, "231,231,224");
        probe("up top line +16", gr, Up, {20, 1}, "255,255,255");
        probe("up left line -5", gr, Up, {1, 10}, "250,250,249");
        probe("up left line over second top", gr, Up, {1, 2}, "250,250,249");
        probe("up second left -10", gr, Up, {2, 10}, "245,245,242");
        probe("up second left stops above second bottom", gr, Up, {2, 22}, "223,223,213");
        probe("up second right stops above second bottom", gr, Up, {37, 22}, "223,223,213");
        probe("hover frame left", gr, Hover, {1, 10}, "255,178,49");
        probe("hover frame right", gr, Hover, {38, 10}, "255,178,49");
        probe("hover frame bottom", gr, Hover, {20, 22}, "255,178,49");
        probe("hover bottom", gr, Hover, {20, 23}, "231,150,0");
        probe("hover top", gr, Hover, {20, 1}, "255,243,206");
        probe("hover second top over frame", gr, Hover, {38, 2}, "255,219,140");
        probe("hover sides", gr, Hover, {2, 10}, "255,203,107");
        probe("hover sides right", gr, Hover, {37, 10}, "255,203,107");
        probe("hover keeps corner", gr, Hover, {1, 23}, corner);
        probe("hover keeps gradient", gr, Hover, {10, 10}, "245,245,242");
        probe("focus frame", gr, Focused, {1, 10}, "140,174,231");
        probe("focus bottom", gr, Focused, {20, 23}, "107,130,239");
        probe("focus top", gr, Focused, {20, 1}, "206,231,255");
        probe("focus second top", gr, Focused, {20, 2}, "189,215,247");
        probe("focus sides", gr, Focused, {37, 10}, "181,209,240");
        probe("default shows focus lines", gr, Default, {20, 23}, "107,130,239");
        ButtonModel noFocusRect = gr;
        noFocusRect.ShowFocusRect = false;
        probe("focus lines need ShowFocusRect", noFocusRect, Focused, {20, 23}, "207,207,192");
        // Down: base = white shifted by -32 = (223, 223, 213), darkening upwards.
        probe("down gradient row 10 is step 15", gr, Down, {10, 10}, "208,208,197");
        probe("down bottom line +16", gr, Down, {20, 23}, "239,239,230");
        probe("down second bottom +10", gr, Down, {20, 22}, "233,233,224");
        probe("down right line +5", gr, Down, {38, 10}, "228,228,218");
        probe("down second right face tint", gr, Down, {37, 10}, "255,255,255");
        probe("down top line -32", gr, Down, {20, 1}, "191,191,178");
        probe("down second top -24", gr, Down, {20, 2}, "199,199,187");
        probe("down left line -32", gr, Down, {1, 10}, "191,191,178");
        probe("down second left -22 over top", gr, Down, {2, 2}, "201,201,189");
        probe("down border", gr, Down, {0, 10}, border);
        probe("down corner", gr, Down, {38, 1}, corner);
        probe("disabled face -24", gr, Disabled, {20, 10}, "231,231,224");
        probe("disabled frame -84", gr, Disabled, {0, 10}, "171,171,144");
        probe("disabled corner -72", gr, Disabled, {1, 1}, "183,183,160");

        // Custom face (100, 100, 96): the face tint is (148, 148, 120), so the red channel of
        // a gradient row shows its shift directly.
        ButtonModel custom = gr;
        custom.ColorScheme = CustomColors;
        custom.BackColor = rgbColor(100, 100, 96);
        probe("height 25 row 3", custom, Up, {10, 3}, "145,145,119");
        probe("height 25 row 10", custom, Up, {10, 10}, "138,138,114");
        probe("height 50 row 3 is -2", custom, Up, {10, 3}, "146,146,119", {40, 50});
        probe("height 50 row 4 is -2", custom, Up, {10, 4}, "146,146,119", {40, 50});
        probe("height 50 row 5 is -2", custom, Up, {10, 5}, "146,146,119", {40, 50});
        probe("height 50 row 7 is -4", custom, Up, {10, 7}, "144,144,118", {40, 50});
        probe("height 30 row 9 is -8", custom, Up, {10, 9}, "140,140,115", {40, 30});

        // Banded: highlight (255, 255, 255) darkened by round(-58 / H * i), not
        // proportional, the same when disabled.
        const ButtonModel banded = model(GradientBanded);
        probe("banded height 29 row 5 is -10", banded, Up, {10, 5}, "245,245,245", {40, 29});
        probe("banded height 29 row 20 is -40", banded, Up, {10, 20}, "215,215,215", {40, 29});
        probe("banded height 116 row 5 is -2", banded, Up, {10, 5}, "253,253,253", {40, 116});
        probe("banded disabled row 5", banded, Disabled, {10, 5}, "245,245,245", {40, 29});
        probe("banded disabled row 20", banded, Disabled, {10, 20}, "215,215,215", {40, 29});
        probe("banded disabled height 116", banded, Disabled, {10, 5}, "253,253,253", {40, 116});

        // Selection; its tint with base 176 is (191, 208, 237), with base 128 (152, 180, 226).
        const ButtonModel select = model(HoverSelect);
        ButtonModel hovered = select;
        hovered.Hovering = true;
        probe("hover select frame", select, Hover, {0, 0}, "49,106,197");
        probe("hover select fill", select, Hover, {5, 5}, "191,208,237");
        probe("hover select fill reaches the far frame", select, Hover, {38, 23}, "191,208,237");
        probe("hover select pressed fill", hovered, Down, {5, 5}, "152,180,226");
        probe("hover select pressed frame", hovered, Down, {39, 24}, "49,106,197");

        // The default ring in dark shadow, the dotted focus rectangle at (5, 4) inverting the
        // face to (19, 22, 39).
        const ButtonModel std3D = model(Standard3D);
        ButtonModel asDefault = std3D;
        asDefault.DisplayAsDefault = true;
        probe("default focused edge", asDefault, Focused, {0, 10}, "113,111,100");
        probe("default focused inside edge", asDefault, Focused, {1, 10}, "255,255,255");
        probe("default focused dot", asDefault, Focused, {5, 4}, "19,22,39");
        probe("default edge", asDefault, Up, {0, 10}, "113,111,100");
        probe("default inside edge", asDefault, Up, {1, 10}, "255,255,255");
        probe("default has no dot", asDefault, Up, {5, 4}, "236,233,216");
        probe("focused edge", std3D, Focused, {0, 10}, "255,255,255");
        probe("focused inside edge", std3D, Focused, {1, 10}, "241,239,226");
        probe("focused but not default has no dot", std3D, Focused, {5, 4}, "236,233,216");

        ButtonModel seeThrough = model(SeeThrough);
        seeThrough.Background = QImage(40, 25, QImage::Format_RGB32);
        seeThrough.Background.fill(qRgb(1, 2, 3));
        seeThrough.Background.setPixel(39, 24, qRgb(9, 8, 7));
        probe("see through shows the background", seeThrough, Up, {0, 0}, "1,2,3");
        probe("see through background corner", seeThrough, Up, {39, 24}, "9,8,7");

        // Pictures: the test picture at (kX, kY).
        const auto at = [](int dx, int dy) {
            return QPoint(kX + dx, kY + dy);
        };
        const ButtonModel thin = pictureModel(Thin3D);
        const ButtonModel grey = pictureModel(Thin3D, true);
        const ButtonModel selectPicture = pictureModel(HoverSelect);
        const ButtonModel raised = pictureModel(Thin3D, false, EffectRaised);
        const char *face = "236,233,216";
        const char *red = "200,0,0";
        probe("mask colour leaves the face", thin, Up, at(0, 0), face);
        probe("picture in colour", thin, Up, at(3, 1), red);
        probe("greyscale", grey, Up, at(3, 1), "60,60,60"); // round(0.3 * 200)
        probe("hovering ignores greyscale", grey, Hover, at(3, 1), red);
        probe("pressed moves by one and ignores greyscale", grey, Down, at(4, 2), red);
        probe("shaded frame pressed stays", pictureModel(ShadedFrame), Down, at(3, 2), red);
        probe("disabled shadow silhouette paints 384", thin, Disabled, at(1, 0), "172,168,153");
        probe("disabled silhouette leaves 385", thin, Disabled, at(2, 0), face);
        probe("disabled highlight silhouette below right", thin, Disabled, at(4, 3), "255,255,255");
        probe("disabled soft 3D has no highlight copy", pictureModel(Soft3D), Disabled, at(4, 3),
              face);
        probe("disabled hover select shadow +13", selectPicture, Disabled, at(3, 1), "185,181,166");
        probe("disabled gradient rounded greyscale moved", pictureModel(GradientRounded), Disabled,
              at(4, 2), "60,60,60");
        // (2 * 200 + 236) / 3, (0 + 233) / 3, (0 + 216) / 3
        probe("hover select blends when not hovered", selectPicture, Up, at(3, 1), "212,77,72");
        probe("hover select lifts the picture", selectPicture, Hover, at(0, -1), "128,128,128");
        probe("hover select casts a shadow", selectPicture, Hover, at(4, 3), "172,168,153");
        // Effect copies in the face shifted by -40 (down right) and +40 (up left).
        probe("raised effect dark copy", raised, Up, at(4, 1), "196,193,176");
        probe("raised effect light copy", raised, Up, at(0, -1), "255,255,255");
        probe("effect respects the mask colour", raised, Up, at(-1, -1), face);
        probe("sunken effect light copy below", pictureModel(Thin3D, false, EffectSunken), Up,
              at(4, 1), "255,255,255");
        probe("shadow effect has no upper copy", pictureModel(Thin3D, false, EffectShadow), Up,
              at(0, -1), face);
        ButtonModel over = thin;
        over.PictureOver = solidPicture(4, 3, qRgb(0, 0, 200));
        probe("up shows the normal picture", over, Up, at(3, 1), red);
        probe("hovering shows the other picture", over, Hover, at(3, 1), "0,0,200");
        probe("pressed shows the other picture moved", over, Down, at(1, 1), "0,0,200");

        // Which inks a drawing shows: the red picture, the black caption; and its corner. A
        // state other than up or down draws the face only; a type without a look draws face
        // and picture.
        const auto inks = [](const char *name, ButtonModel m, quint8 state, const char *caption,
                             const char *expected) {
            m.Caption = QString(caption);
            const QImage image = draw(m, state);
            QTest::newRow(name) << QStringLiteral("%1 picture, %2 caption, corner %3")
                                       .arg(boundsOf(image, qRgb(200, 0, 0)).isValid() ? "a" : "no",
                                            boundsOf(image, qRgb(0, 0, 0)).isValid() ? "a" : "no",
                                            rgbText(image.pixel(0, 0)))
                                << QString(expected);
        };
        const quint8 up = ButtonRenderer::StateUp;
        inks("state 1", thin, 1, "Esci", "no picture, no caption, corner 236,233,216");
        inks("type 0", pictureModel(0), up, "Esci", "a picture, no caption, corner 236,233,216");
        inks("type 15", pictureModel(15), up, "Esci", "a picture, no caption, corner 236,233,216");
        inks("picture only draws no caption", pictureModel(PictureOnly), up, "Esci",
             "a picture, no caption, corner 236,233,216");
        ButtonModel overAlone = model(Thin3D);
        overAlone.PictureOver = testPicture();
        overAlone.Hovering = true;
        inks("over picture alone is never drawn", overAlone, up, "",
             "no picture, no caption, corner 255,255,255");
        ButtonModel cover = model(PictureOnly);
        cover.PicturePosition = PictureBehind;
        cover.PictureNormal = solidPicture(40, 25, qRgb(200, 0, 0));
        inks("caption behind a covering picture is drawn over it", cover, up, "Salva",
             "a picture, a caption, corner 200,0,0");
        cover.PicturePosition = PictureLeft;
        inks("caption beside a covering picture is hidden", cover, up, "Salva",
             "a picture, no caption, corner 200,0,0");

        // Whether a focused button shows the dotted rectangle, and nowhere but on FocusRect.
        const auto focus = [](const char *name, int type, Variant variant, bool shown) {
            QTest::newRow(name) << focusChange(type, variant)
                                << QString(shown ? "on the focus rectangle" : "nowhere");
        };
        focus("focus framed bevel up", FramedBevel, Up, true);
        focus("focus framed bevel down", FramedBevel, Down, true);
        focus("focus framed bevel disabled", FramedBevel, Disabled, false);
        focus("focus standard 3D not default", Standard3D, Up, false);
        focus("focus rounded shaded", RoundedShaded, Up, false);
        focus("focus soft 3D down", Soft3D, Down, true);
        focus("focus thin 3D up", Thin3D, Up, true);
        focus("focus flat hover up", FlatHover, Up, true);
        focus("focus hover select down", HoverSelect, Down, true);
        focus("focus picture only", PictureOnly, Up, false);
        focus("focus see through up", SeeThrough, Up, true);
        focus("focus hover 3D up", Hover3D, Up, true);
        focus("focus oval up", Oval, Up, false);
        focus("focus oval down", Oval, Down, false);
        focus("focus banded down", GradientBanded, Down, true);

        // The flat looks show only their face (236, 233, 216) until hovered (the picture-only
        // look has nothing to show then either).
        const auto flat = [](const char *name, int type, const char *expected) {
            QImage face(40, 25, QImage::Format_RGB32);
            face.fill(qRgb(236, 233, 216));
            QString actual = drawVariant(model(type), Up) == face ? "face only" : "drawn";
            if (type != PictureOnly)
                actual += drawVariant(model(type), Hover) == face ? ", hovered face only"
                                                                  : ", hovered drawn";
            QTest::newRow(name) << actual << QString(expected);
        };
        flat("flat hover", FlatHover, "face only, hovered drawn");
        flat("hover 3D", Hover3D, "face only, hovered drawn");
        flat("hover select", HoverSelect, "face only, hovered drawn");
        flat("picture only", PictureOnly, "face only");
    }
    void looks()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

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
        const quint8 state =
            change == "state" ? ButtonRenderer::StateDown : ButtonRenderer::StateUp;
        if (change == "caption")
            m.Caption = QStringLiteral("Fine");
        else if (change == "height0")
            r.setClientSize(40, 0, Thin3D);
        else if (change == "disabled")
            r.DrawingEnabled = false;
        const bool force = change == "force" || change == "height0" || change == "disabled";
        QCOMPARE(r.Redraw(m, state, force), expected);
        if (!expected)
            QCOMPARE(r.image(), first);
        QCOMPARE(r.LastCaption, expected ? m.Caption : QStringLiteral("Esci"));
        QCOMPARE(r.LastState, expected ? state : ButtonRenderer::StateUp);
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
        const OleColor face = r.palette().FaceColor;
        r.setClientSize(200000, 200000, Thin3D);
        QVERIFY(!r.Redraw(m, ButtonRenderer::StateDown, true));
        QCOMPARE(r.image(), before);
        QCOMPARE(r.LastState, ButtonRenderer::StateUp);
        QCOMPARE(r.palette().FaceColor, face);
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
        const QRgb dark = qRgb(60, 70, 80);
        const QRgb light = qRgb(140, 150, 160);
        QTest::newRow("raised") << int(Thin3D) << int(EffectRaised) << dark << light;
        QTest::newRow("sunken") << int(Thin3D) << int(EffectSunken) << light << dark;
        QTest::newRow("shadow") << int(Thin3D) << int(EffectShadow) << dark << QRgb(0);
        QTest::newRow("higher values act as shadow") << int(Thin3D) << 7 << dark << QRgb(0);
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
        QCOMPARE(boundsOf(image, lowerCopy).bottomRight(), text.bottomRight() + QPoint(1, 1));
        if (upperCopy == 0)
            QVERIFY(!boundsOf(image, qRgb(140, 150, 160)).isValid());
        else
            QCOMPARE(boundsOf(image, upperCopy).topLeft(), text.topLeft() - QPoint(1, 1));
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
        QCOMPARE_GT(boundsOf(r.image(), qRgb(0, 0, 0)).width(), regular.width());
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
};

QTEST_MAIN(TestButtonLooks)
#include "tst_button_looks.moc"
