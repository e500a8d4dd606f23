#include "widgets/styled_button/drawing/button_renderer.h"
#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/picture_blitter.h"
#include "widgets/styled_button/drawing/system_colors.h"

#include <QGuiApplication>
#include <QTest>

using namespace Tavo::ButtonDrawing;

namespace {

QString channels(OleColor c)
{
    return QStringLiteral("%1,%2,%3").arg(redOf(c)).arg(greenOf(c)).arg(blueOf(c));
}

QPalette testPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(236, 233, 216));
    palette.setColor(QPalette::Dark, QColor(172, 168, 153));
    palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    palette.setColor(QPalette::Light, QColor(255, 255, 254));
    palette.setColor(QPalette::Shadow, QColor(113, 111, 100));
    palette.setColor(QPalette::Midlight, QColor(241, 239, 226));
    palette.setColor(QPalette::Highlight, QColor(49, 106, 197));
    return palette;
}

} // namespace

class TestColorMath : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::setPalette(testPalette()); }

    void shiftColor_data()
    {
        QTest::addColumn<OleColor>("colour");
        QTest::addColumn<int>("amount");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<bool>("softBevel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("white up stays white")
            << rgbColor(255, 255, 255) << 47 << false << false << "255,255,255";
        QTest::newRow("black down stays black")
            << rgbColor(0, 0, 0) << -64 << false << false << "0,0,0";
        QTest::newRow("zero changes nothing")
            << rgbColor(12, 34, 56) << 0 << false << false << "12,34,56";
        QTest::newRow("clamped per channel up")
            << rgbColor(250, 10, 128) << 10 << false << false << "255,20,138";
        QTest::newRow("clamped per channel down")
            << rgbColor(250, 10, 128) << -20 << false << false << "230,0,108";
        QTest::newRow("proportional moves blue by its share")
            << rgbColor(100, 100, 96) << 48 << true << false << "148,148,120";
        QTest::newRow("proportional white down truncates toward zero")
            << rgbColor(255, 255, 255) << -1 << true << false << "254,254,254";
        QTest::newRow("proportional negative share truncates toward zero")
            << rgbColor(100, 100, 100) << -5 << true << false << "95,95,98";
        QTest::newRow("proportional black blue cannot move")
            << rgbColor(0, 0, 0) << 100 << true << false << "100,100,0";
        QTest::newRow("soft bevel halves toward zero")
            << rgbColor(100, 100, 100) << -5 << false << true << "98,98,98";
        QTest::newRow("soft bevel halves a positive odd amount")
            << rgbColor(100, 100, 100) << 31 << false << true << "115,115,115";
        QTest::newRow("soft bevel shadow is 32 less")
            << rgbColor(100, 150, 200) << -64 << false << true << "68,118,168";
    }
    void shiftColor()
    {
        QFETCH(OleColor, colour);
        QFETCH(int, amount);
        QFETCH(bool, proportional);
        QFETCH(bool, softBevel);
        QFETCH(QString, expected);
        QCOMPARE(channels(ShiftColor(colour, amount, proportional, softBevel)), expected);
    }

    void tintColor_data()
    {
        QTest::addColumn<OleColor>("colour");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("expected");
        QTest::newRow("black becomes the base") << rgbColor(0, 0, 0) << 176 << "176,176,176";
        QTest::newRow("white stays white") << rgbColor(255, 255, 255) << 176 << "255,255,255";
        // 176 + 79 * 128 / 255 = 176 + 39 (39.65 truncated)
        QTest::newRow("middle truncates") << rgbColor(0, 128, 255) << 176 << "176,215,255";
        QTest::newRow("selection tint") << rgbColor(49, 106, 197) << 128 << "152,180,226";
    }
    void tintColor()
    {
        QFETCH(OleColor, colour);
        QFETCH(int, base);
        QFETCH(QString, expected);
        QCOMPARE(channels(TintColor(colour, base)), expected);
    }

    void translateColor_data()
    {
        QTest::addColumn<OleColor>("colour");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain colour is itself") << OleColor(14215660) << "236,233,216";
        QTest::newRow("top byte dropped") << OleColor(0x01D8E9EC) << "236,233,216";
        QTest::newRow("button face") << OleColor(0x8000000F) << "236,233,216";
        QTest::newRow("button shadow") << OleColor(0x80000010) << "172,168,153";
        QTest::newRow("button text") << OleColor(0x80000012) << "1,2,3";
        QTest::newRow("button highlight") << OleColor(0x80000014) << "255,255,254";
        QTest::newRow("dark shadow") << OleColor(0x80000015) << "113,111,100";
        QTest::newRow("light") << OleColor(0x80000016) << "241,239,226";
        QTest::newRow("selection") << OleColor(0x8000000D) << "49,106,197";
        QTest::newRow("unknown system colour is black") << OleColor(0x80000063) << "0,0,0";
    }
    void translateColor()
    {
        QFETCH(OleColor, colour);
        QFETCH(QString, expected);
        QCOMPARE(channels(TranslateColor(colour, applicationPalette())), expected);
    }

    void gradientShift_data()
    {
        QTest::addColumn<int>("span");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("expected");
        QTest::newRow("height 25 row 1") << 25 << 25 << 1 << -1;
        QTest::newRow("height 25 row 13") << 25 << 25 << 13 << -13;
        QTest::newRow("height 25 row 25") << 25 << 25 << 25 << -25;
        QTest::newRow("height 50 row 1 half to even") << 25 << 50 << 1 << 0;
        QTest::newRow("height 50 row 2") << 25 << 50 << 2 << -1;
        QTest::newRow("height 50 row 3 half to even") << 25 << 50 << 3 << -2;
        QTest::newRow("height 50 row 5 half to even") << 25 << 50 << 5 << -2;
        QTest::newRow("height 50 row 7 half to even") << 25 << 50 << 7 << -4;
        // 25/30 in single precision times 9 is 7.5 exactly after rounding (a double product
        // would stay below and give -7).
        QTest::newRow("height 30 row 9 single precision") << 25 << 30 << 9 << -8;
        QTest::newRow("banded height 29 row 1") << 58 << 29 << 1 << -2;
        QTest::newRow("banded height 116 row 1 half to even") << 58 << 116 << 1 << 0;
        QTest::newRow("banded height 116 row 3 half to even") << 58 << 116 << 3 << -2;
    }
    void gradientShift()
    {
        QFETCH(int, span);
        QFETCH(int, height);
        QFETCH(int, row);
        QFETCH(int, expected);
        QCOMPARE(Tavo::ButtonDrawing::gradientShift(span, height, row), expected);
    }

    void greyLevel_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("expected");
        QTest::newRow("red 76.5 to even") << qRgb(255, 0, 0) << 76;
        QTest::newRow("green") << qRgb(0, 255, 0) << 150;
        QTest::newRow("blue") << qRgb(0, 0, 255) << 28;
        QTest::newRow("white") << qRgb(255, 255, 255) << 254;
        QTest::newRow("black") << qRgb(0, 0, 0) << 0;
        // round(0.3 * 5) = 2 (1.5 to even), + 0.59 * 10 + 0.11 * 20 = 10.1 -> 10
        QTest::newRow("red rounded first") << qRgb(5, 10, 20) << 10;
    }
    void greyLevel()
    {
        QFETCH(QRgb, colour);
        QFETCH(int, expected);
        QCOMPARE(Tavo::ButtonDrawing::greyLevel(qRed(colour), qGreen(colour), qBlue(colour)),
                 expected);
    }

    void schemes_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("softBevel");
        QTest::addColumn<int>("buttonType");
        // face, light, highlight, shadow, dark shadow, text, text over, select, select tint,
        // face tint, mask
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("custom") << int(CustomColors) << false << int(Standard3D)
                                << QStringList{"100,150,200", "131,181,231", "147,197,247",
                                               "36,86,136",   "0,0,8",       "10,20,30",
                                               "40,50,60",    "0,22,72",     "100,150,200",
                                               "148,198,248", "255,255,255"};
        QTest::newRow("custom soft bevel")
            << int(CustomColors) << true << int(Standard3D)
            << QStringList{"100,150,200", "115,165,215", "123,173,223", "68,118,168",
                           "4,54,104",    "10,20,30",    "40,50,60",    "36,86,136",
                           "100,150,200", "124,174,224", "255,255,255"};
        QTest::newRow("fixed grey")
            << int(FixedGrey) << false << int(Standard3D)
            << QStringList{"192,192,192", "223,223,223", "255,255,255", "128,128,128",
                           "0,0,0",       "0,0,0",       "0,0,0",       "0,0,128",
                           "173,173,209", "240,240,240", "255,255,255"};
        QTest::newRow("system") << int(SystemColors) << false << int(Standard3D)
                                << QStringList{"236,233,216", "241,239,226", "255,255,254",
                                               "172,168,153", "113,111,100", "1,2,3",
                                               "1,2,3",       "49,106,197",  "191,208,237",
                                               "255,255,255", "255,255,255"};
        QTest::newRow("unknown scheme acts as system")
            << 0 << false << int(GradientRounded)
            << QStringList{"236,233,216", "241,239,226", "255,255,254", "172,168,153",
                           "113,111,100", "1,2,3",       "1,2,3",       "49,106,197",
                           "191,208,237", "255,255,255", "255,255,255"};
        QTest::newRow("container")
            << int(ContainerColors) << false << int(GradientRounded)
            << QStringList{"100,100,96",  "131,131,127", "147,147,143", "36,36,32",
                           "0,0,0",       "7,8,9",       "7,8,9",       "49,106,197",
                           "191,208,237", "148,148,120", "255,255,255"};
    }
    void schemes()
    {
        QFETCH(int, scheme);
        QFETCH(bool, softBevel);
        QFETCH(int, buttonType);
        QFETCH(QStringList, expected);
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
        const QStringList actual{
            channels(p.FaceColor),     channels(p.LightColor),      channels(p.HighlightColor),
            channels(p.ShadowColor),   channels(p.DarkShadowColor), channels(p.TextColor),
            channels(p.TextOverColor), channels(p.SelectColor),     channels(p.SelectTintColor),
            channels(p.FaceTintColor), channels(p.MaskRGB)};
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestColorMath)
#include "tst_color_math.moc"
