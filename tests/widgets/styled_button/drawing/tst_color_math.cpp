#include "widgets/styled_button/drawing/picture_blitter.h"
#include "widgets/styled_button/drawing/system_colors.h"

#include "fixture.h"

namespace {

QString channels(OleColor c)
{
    return QStringLiteral("%1,%2,%3").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c));
}

// The colours ComputeColors gives a button of the scheme and type, back colour (100, 150, 200),
// text (10, 20, 30), text over (40, 50, 60), in a container of (100, 100, 96) with text
// (7, 8, 9).
QString schemeColours(int scheme, bool softBevel, int buttonType)
{
    ButtonModel model;
    model.ColorScheme = scheme;
    model.SoftBevel = softBevel;
    model.ButtonType = buttonType;
    model.BackColor = rgbColor(100, 150, 200);
    model.ForeColor = rgbColor(10, 20, 30);
    model.ForeOver = rgbColor(40, 50, 60);
    model.MaskColor = 0xFFFFFF;
    model.ContainerBackground = QColor(100, 100, 96);
    model.ContainerText = QColor(7, 8, 9);
    ButtonRenderer renderer;
    renderer.ComputeColors(model);
    const ButtonPalette &p = renderer.palette();
    return QStringList{
        channels(p.FaceColor),     channels(p.LightColor),      channels(p.HighlightColor),
        channels(p.ShadowColor),   channels(p.DarkShadowColor), channels(p.TextColor),
        channels(p.TextOverColor), channels(p.SelectColor),     channels(p.SelectTintColor),
        channels(p.FaceTintColor), channels(p.MaskRGB)}
        .join(u' ');
}

// Distinct system colours, so that each palette role shows where it is used.
QPalette testPalette()
{
    QPalette palette = classicPalette();
    palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    palette.setColor(QPalette::Light, QColor(255, 255, 254));
    return palette;
}

} // namespace

class TestColorMath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setPalette(testPalette()); }

    // Each row computes a colour (as its channels) or a number; the test compares it.
    void values_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto shift = [](const char *name, OleColor c, int amount, bool proportional,
                              bool soft, const char *expected) {
            QTest::newRow(name) << channels(ShiftColor(c, amount, proportional, soft))
                                << QString(expected);
        };
        const OleColor grey100 = rgbColor(100, 100, 100);
        shift("white up stays white", rgbColor(255, 255, 255), 47, false, false, "255,255,255");
        shift("black down stays black", rgbColor(0, 0, 0), -64, false, false, "0,0,0");
        shift("zero changes nothing", rgbColor(12, 34, 56), 0, false, false, "12,34,56");
        shift("clamped per channel up", rgbColor(250, 10, 128), 10, false, false, "255,20,138");
        shift("clamped per channel down", rgbColor(250, 10, 128), -20, false, false, "230,0,108");
        shift("proportional blue", rgbColor(100, 100, 96), 48, true, false, "148,148,120");
        shift("proportional white down truncates toward zero", rgbColor(255, 255, 255), -1, true,
              false, "254,254,254");
        shift("proportional negative share truncates toward zero", grey100, -5, true, false,
              "95,95,98");
        shift("proportional black blue cannot move", rgbColor(0, 0, 0), 100, true, false,
              "100,100,0");
        shift("soft bevel halves toward zero", grey100, -5, false, true, "98,98,98");
        shift("soft bevel halves a positive odd amount", grey100, 31, false, true, "115,115,115");

        const auto tint = [](const char *name, OleColor c, int base, const char *expected) {
            QTest::newRow(name) << channels(TintColor(c, base)) << QString(expected);
        };
        tint("tint of black is the base", rgbColor(0, 0, 0), 176, "176,176,176");
        tint("tint of white stays white", rgbColor(255, 255, 255), 176, "255,255,255");
        // 176 + 79 * 128 / 255 = 176 + 39 (39.65 truncated)
        tint("tint truncates", rgbColor(0, 128, 255), 176, "176,215,255");
        tint("selection tint", rgbColor(49, 106, 197), 128, "152,180,226");

        const auto translate = [](const char *name, OleColor c, const char *expected) {
            QTest::newRow(name) << channels(TranslateColor(c, applicationPalette()))
                                << QString(expected);
        };
        translate("plain colour is itself", 14215660, "236,233,216");
        translate("top byte dropped", 0x01D8E9EC, "236,233,216");
        translate("button face", 0x8000000F, "236,233,216");
        translate("button shadow", 0x80000010, "172,168,153");
        translate("button text", 0x80000012, "1,2,3");
        translate("button highlight", 0x80000014, "255,255,254");
        translate("dark shadow", 0x80000015, "113,111,100");
        translate("light", 0x80000016, "241,239,226");
        translate("selection", 0x8000000D, "49,106,197");
        translate("unknown system colour is black", 0x80000063, "0,0,0");

        const auto gradient = [](const char *name, int span, int height, int row, int expected) {
            QTest::newRow(name) << QString::number(gradientShift(span, height, row))
                                << QString::number(expected);
        };
        gradient("height 25 row 13", 25, 25, 13, -13);
        gradient("height 25 row 25", 25, 25, 25, -25);
        gradient("height 50 row 1 half to even", 25, 50, 1, 0);
        gradient("height 50 row 2", 25, 50, 2, -1);
        gradient("height 50 row 3 half to even", 25, 50, 3, -2);
        gradient("height 50 row 5 half to even", 25, 50, 5, -2);
        gradient("height 50 row 7 half to even", 25, 50, 7, -4);
        // 25/30 in single precision times 9 rounds to 7.5 exactly (a double product stays
        // below and gives -7).
        gradient("height 30 row 9 single precision", 25, 30, 9, -8);
        gradient("banded height 29 row 1", 58, 29, 1, -2);
        gradient("banded height 116 row 1 half to even", 58, 116, 1, 0);
        gradient("banded height 116 row 3 half to even", 58, 116, 3, -2);

        const auto grey = [](const char *name, int r, int g, int b, int expected) {
            QTest::newRow(name) << QString::number(greyLevel(r, g, b)) << QString::number(expected);
        };
        grey("grey of red 76.5 to even", 255, 0, 0, 76);
        grey("grey of green", 0, 255, 0, 150);
        grey("grey of blue", 0, 0, 255, 28);
        grey("grey of white", 255, 255, 255, 254);
        grey("grey of black", 0, 0, 0, 0);
        // round(0.3 * 5) = 2 (1.5 to even), + 0.59 * 10 + 0.11 * 20 = 10.1 -> 10
        grey("grey rounds red first", 5, 10, 20, 10);

        // The palettes of the schemes: face, light, highlight, shadow, dark shadow, text, text
        // over, select, select tint, face tint, mask.
        const auto scheme = [](const char *name, int scheme, bool soft, int type,
                               const char *expected) {
            QTest::newRow(name) << schemeColours(scheme, soft, type) << QString(expected);
        };
        const char *system = "236,233,216 241,239,226 255,255,254 172,168,153 113,111,100 1,2,3 "
                             "1,2,3 49,106,197 191,208,237 255,255,255 255,255,255";
        scheme("custom", CustomColors, false, Standard3D,
               "100,150,200 131,181,231 147,197,247 36,86,136 0,0,8 10,20,30 40,50,60 0,22,72 "
               "100,150,200 148,198,248 255,255,255");
        scheme("custom soft bevel", CustomColors, true, Standard3D,
               "100,150,200 115,165,215 123,173,223 68,118,168 4,54,104 10,20,30 40,50,60 "
               "36,86,136 100,150,200 124,174,224 255,255,255");
        scheme("fixed grey", FixedGrey, false, Standard3D,
               "192,192,192 223,223,223 255,255,255 128,128,128 0,0,0 0,0,0 0,0,0 0,0,128 "
               "173,173,209 240,240,240 255,255,255");
        scheme("system", SystemColors, false, Standard3D, system);
        scheme("unknown scheme acts as system", 0, false, GradientRounded, system);
        scheme("container", ContainerColors, false, GradientRounded,
               "100,100,96 131,131,127 147,147,143 36,36,32 0,0,0 7,8,9 7,8,9 49,106,197 "
               "191,208,237 148,148,120 255,255,255");
    }
    void values()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestColorMath)
#include "tst_color_math.moc"
