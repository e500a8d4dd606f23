#include "widgets/styled_button/drawing/button_renderer.h"
#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/gallery/gallery_sheet.h"
#include "widgets/styled_button/drawing/system_colors.h"

#include "../../../golden_image.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QTest>

using namespace Tavo::ButtonDrawing;

namespace {

QString rgb(QRgb c)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

ButtonRenderer drawn(const ButtonModel &m, int width = 40, int height = 25, bool down = false)
{
    ButtonRenderer r;
    r.setClientSize(width, height, m.ButtonType);
    r.ComputeColors(m);
    r.MeasurePicture(m);
    r.LayoutContent(m);
    r.Redraw(m, down ? ButtonRenderer::StateDown : ButtonRenderer::StateUp, true);
    return r;
}

// The image as rows of characters separated by '/': the fixed grey palette's '.' face 192, 'L'
// light 223, 'H' highlight 255, 'S' shadow 128, 'D' dark shadow 0; '?' any other colour.
QString grid(const QImage &image)
{
    const QList<QRgb> greys{qRgb(192, 192, 192), qRgb(223, 223, 223), qRgb(255, 255, 255),
                            qRgb(128, 128, 128), qRgb(0, 0, 0)};
    QString grid;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x <= image.width(); ++x)
            grid +=
                x == image.width() ? u'/' : QChar("?.LHSD"[greys.indexOf(image.pixel(x, y)) + 1]);
    return grid.chopped(1);
}

} // namespace

// The button's drawing: pixels, colours and sizes worked out by hand from the recipes, then
// every look in every state against a reviewed golden image of the gallery's sheet; on the
// classic system colours and the bundled Liberation fonts.
class TestButtonSnapshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QGuiApplication::setPalette(GallerySheet::classicPalette());
        QCOMPARE(QFontInfo(QFont("Liberation Sans")).family(), "Liberation Sans");
    }

    void values_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &actual, const char *expected) {
            QTest::newRow(name) << actual << QString(expected);
        };
        // Whole small buttons on the fixed grey scheme. The framed bevel: two rings one pixel
        // in, each segment of the pen path leaving its last pixel to the next, and the dark
        // frame on the edge.
        ButtonModel m;
        m.ColorScheme = FixedGrey;
        m.ButtonType = FramedBevel;
        row("framed bevel", grid(drawn(m, 10, 7).image()),
            "DDDDDDDDDD/DHHHHHHHSD/DHHHHHHSSD/DHH....SSD/DHSSSSSSSD/DSSSSSSSSD/DDDDDDDDDD");
        m.ButtonType = RoundedShaded;
        row("rounded shaded", grid(drawn(m, 8, 7).image()),
            "DDDDDDDD/D.LLL.DD/D.HHH.SD/DLHH..SD/D....SSD/DDSSSSDD/DDDDDDDD");
        // A picture keeps its physical size on any screen: 32 pixels at 96 dpi are 48 at 144
        // dpi, 10 are 13.56 at 130 dpi; it is drawn that large, in the middle.
        m.ButtonType = Standard3D;
        for (const auto &[pixels, dpi, shown] : {std::tuple{32, 144.0, 48}, {10, 130.0, 14}}) {
            QImage white(pixels, pixels, QImage::Format_RGB32);
            white.fill(Qt::white);
            m.PictureNormal = std::make_shared<ButtonPicture>(ButtonPicture{{}, white});
            m.DpiX = m.DpiY = dpi;
            const QString margin((64 - shown) / 2, u'.');
            row(qPrintable(QStringLiteral("%1 pixels at %2 dpi").arg(pixels).arg(dpi)),
                grid(drawn(m, 80, 80).image()).split(u'/')[40].mid(8, 64),
                qPrintable(margin + QString(shown, u'H') + margin));
        }

        // A picture of one row, (255, 0, 0), white (the mask colour), (128, 128, 128) and
        // (129, 128, 128) (red + green + blue 384 and 385), (5, 10, 20), (0, 0, 255) and (100, 0,
        // 10), in the middle of a thin button at (16, 12) on the face (236, 233, 216): its pixels
        // as drawn. Greyscale is round(round(0.3 * red) + 0.59 * green + 0.11 * blue), halves to
        // even; a disabled picture leaves all but the dark pixels, painted in the shadow colour
        // (172, 168, 153); a blend is (2 * picture + face) / 3, truncated.
        const auto probe = [&row](const char *name, QPoint at, int count, const char *expected,
                                  const std::function<void(ButtonModel &)> &change) {
            const QList<QRgb> colours{qRgb(255, 0, 0),     qRgb(255, 255, 255), qRgb(128, 128, 128),
                                      qRgb(129, 128, 128), qRgb(5, 10, 20),     qRgb(0, 0, 255),
                                      qRgb(100, 0, 10)};
            QImage image(7, 1, QImage::Format_RGB32);
            for (int i = 0; i < 7; ++i)
                image.setPixel(i, 0, colours[i]);
            ButtonModel p;
            p.ButtonType = Thin3D;
            p.MaskColor = 0xFFFFFF;
            p.PictureNormal = std::make_shared<ButtonPicture>(ButtonPicture{{}, image});
            image.fill(qRgb(0, 0, 200));
            p.PictureOver = std::make_shared<ButtonPicture>(ButtonPicture{{}, image});
            change(p);
            const QImage shown = drawn(p).image();
            QStringList pixels;
            for (int i = 0; i < count; ++i)
                pixels << rgb(shown.pixel(at.x() + i, at.y()));
            row(name, pixels.join(u' '), expected);
        };
        probe("greyscale", {16, 12}, 7,
              "76,76,76 236,233,216 128,128,128 129,129,129 10,10,10 28,28,28 31,31,31",
              [](ButtonModel &p) { p.UseGreyscale = true; });
        probe("disabled", {16, 12}, 7,
              "172,168,153 236,233,216 172,168,153 236,233,216 172,168,153 172,168,153 172,168,153",
              [](ButtonModel &p) { p.Enabled = false; });
        probe("blended", {16, 12}, 7,
              "248,77,72 236,233,216 164,163,157 164,163,157 82,84,85 78,77,242 145,77,78",
              [](ButtonModel &p) { p.ButtonType = HoverSelect; });
        probe("no mask colour", {16, 12}, 2, "255,0,0 255,255,255",
              [](ButtonModel &p) { p.UseMaskColor = false; });
        probe("hovered, the hover picture", {16, 12}, 1, "0,0,200",
              [](ButtonModel &p) { p.Hovering = true; });
        // Raised: a copy one pixel down and right in the face shifted by -40.
        probe("raised", {16, 13}, 3, "236,233,216 196,193,176 236,233,216",
              [](ButtonModel &p) { p.SpecialEffect = EffectRaised; });
        // Focused: the focus rectangle inverts the face at (4, 3), unless it is not to be shown.
        probe("focused", {4, 3}, 1, "19,22,39", [](ButtonModel &p) { p.HasFocus = true; });
        probe("focused, no focus rectangle", {4, 3}, 1, "236,233,216", [](ButtonModel &p) {
            p.HasFocus = true;
            p.ShowFocusRect = false;
        });

        // The colour arithmetic. A proportional shift moves blue by its share, truncated
        // toward zero: 96 * 48 / 192 = 24, 100 * -5 / 192 = -2.6; a soft bevel halves the
        // amount toward zero. A tint: 176 + 79 * 128 / 255 = 176 + 39.65.
        const auto shifted = [](int r, int g, int b, int amount, bool proportional, bool soft) {
            return rgb(toQRgb(ShiftColor(rgbColor(r, g, b), amount, proportional, soft)));
        };
        row("proportional", shifted(100, 100, 96, 48, true, false), "148,148,120");
        row("proportional truncates", shifted(9, 9, 100, -5, true, false), "4,4,98");
        row("soft bevel", shifted(9, 9, 100, -5, false, true), "7,7,98");
        row("tint truncates", rgb(toQRgb(TintColor(rgbColor(0, 128, 255), 176))), "176,215,255");
        // 25 / 50 times 1, 3 and 5 are halves, to even; 25 / 30 in single precision times 9 is
        // exactly 7.5, which a double product stays below.
        QStringList shifts;
        for (const auto &[height, i] : {std::pair{50, 1}, {50, 2}, {50, 3}, {50, 5}, {30, 9}})
            shifts << QString::number(gradientShift(25, height, i));
        row("gradient rows", shifts.join(u' '), "0 -1 -2 -2 -8");
        // Custom colours from (100, 150, 200): light +31, highlight +47, shadow -64, dark shadow
        // -192; the fixed grey selection tint; the window's text colour.
        m.ColorScheme = CustomColors;
        m.BackColor = rgbColor(100, 150, 200);
        const ButtonPalette custom = drawn(m).palette();
        m.ColorScheme = ContainerColors;
        m.ContainerText = QColor(7, 8, 9);
        const OleColor containerText = drawn(m).palette().TextColor;
        m.ColorScheme = FixedGrey;
        row("palettes",
            QStringList{rgb(toQRgb(custom.LightColor)), rgb(toQRgb(custom.HighlightColor)),
                        rgb(toQRgb(custom.ShadowColor)), rgb(toQRgb(custom.DarkShadowColor)),
                        rgb(toQRgb(drawn(m).palette().SelectTintColor)), rgb(toQRgb(containerText))}
                .join(u' '),
            "131,181,231 147,197,247 36,86,136 0,0,8 173,173,209 7,8,9");
        // A 16 x 12 picture 4 pixels left or right of a caption 15 pixels high, 2 above or
        // below. The caption moves down by half the height left below it, toward zero: from 1
        // by (61 - 16) / 2 beside the picture, from 13 by (61 - 28) / 2 below it, from 1 by
        // (61 - 16 - 12 - 4) / 2 above it.
        m = ButtonModel();
        m.Font = QFont(QStringLiteral("Liberation Sans"));
        m.Font.setPixelSize(13);
        m.Caption = QStringLiteral("Salva");
        QImage picture(16, 12, QImage::Format_RGB32);
        picture.fill(Qt::white);
        m.PictureNormal = std::make_shared<ButtonPicture>(ButtonPicture{{}, picture});
        QStringList gaps;
        for (const int position : {PictureLeft, PictureRight, PictureTop, PictureBottom}) {
            m.PicturePosition = position;
            const ButtonRenderer p = drawn(m, 120, 61);
            const QRect c = p.CaptionRect;
            const int gap = std::max({c.left() - p.PictureX - 16, p.PictureX - c.right() - 1,
                                      c.top() - p.PictureY - 12, p.PictureY - c.bottom() - 1});
            gaps << QStringLiteral("%1/%2").arg(gap).arg(c.top());
        }
        row("picture beside the caption, and the caption's top", gaps.join(u' '),
            "4/23 4/23 2/29 2/15");
    }
    void values()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void gallery()
    {
        const QString difference = Golden::compare(GallerySheet().render(),
                                                   QStringLiteral(TAVO_GOLDEN_DIR "/gallery.png"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(TestButtonSnapshots)
#include "tst_button_snapshots.moc"
