#include "widgets/styled_button/drawing/ellipse_spans.h"
#include "widgets/styled_button/drawing/picture_blitter.h"
#include "widgets/styled_button/drawing/pixel_canvas.h"

#include "fixture.h"

namespace {

// Grid colours: '.' background, '#' the drawing colour, a-d the four bevel colours, 'm' the
// mask colour, 'x' the background inverted.
constexpr OleColor kBackground = rgbColor(192, 192, 192);
constexpr OleColor kInk = rgbColor(10, 20, 30);
constexpr OleColor kA = rgbColor(255, 0, 0);
constexpr OleColor kB = rgbColor(0, 255, 0);
constexpr OleColor kC = rgbColor(0, 0, 255);
constexpr OleColor kD = rgbColor(255, 255, 0);
constexpr OleColor kMask = rgbColor(255, 0, 255);

QImage filled(int width, int height, QRgb colour = toQRgb(kBackground))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString grid(const QImage &image)
{
    return gridOf(image, {{u'.', toQRgb(kBackground)},
                          {u'#', toQRgb(kInk)},
                          {u'a', toQRgb(kA)},
                          {u'b', toQRgb(kB)},
                          {u'c', toQRgb(kC)},
                          {u'd', toQRgb(kD)},
                          {u'm', toQRgb(kMask)},
                          {u'x', qRgb(63, 63, 63)}});
}

// The primitives drawn on a blank image of 6 x 4 (rectangles), 6 x 3 (lines) or 10 x 6.
QImage rectangle(int x, int y, int width, int height, bool outline)
{
    QImage image = filled(6, 4);
    PixelCanvas(image).DrawRect(x, y, width, height, kInk, outline);
    return image;
}
QImage fill(int x, int y, int width, int height)
{
    return rectangle(x, y, width, height, false);
}
QImage frame(int x, int y, int width, int height)
{
    return rectangle(x, y, width, height, true);
}

QImage line(QPoint from, QPoint to)
{
    QImage image = filled(6, 3);
    PixelCanvas(image).DrawLine(from.x(), from.y(), to.x(), to.y(), kInk);
    return image;
}

QImage bevel(int inset, bool singleRing)
{
    QImage image = filled(10, 6);
    PixelCanvas(image).DrawBevel(10, 6, kA, kB, kC, kD, inset, singleRing);
    return image;
}

// A focus rectangle drawn twice over a line in colour a on 7 x 5.
QImage focusTwice(QRect rect, OleColor text)
{
    QImage image = filled(7, 5);
    PixelCanvas(image).DrawLine(0, 2, 7, 2, kA);
    PixelCanvas(image).DrawFocusRect(rect, text);
    PixelCanvas(image).DrawFocusRect(rect, text);
    return image;
}

QImage blit(QImage target, int x, int y, int width, int height, const ButtonPicture &picture,
            const BlitOptions &options)
{
    BlitPicture(target, x, y, width, height, picture, options);
    return target;
}

// Options from letters: 'o' opaque (the mask colour drawn like any other), 's' solid blue
// (0, 0, 200), 'd' dark only, 'g' greyscale, 'b' blend; the mask colour is always kMask.
BlitOptions options(const QString &flags)
{
    BlitOptions o;
    o.transparent = kMask;
    o.useTransparent = !flags.contains(u'o');
    if (flags.contains(u's'))
        o.solid = rgbColor(0, 0, 200);
    o.darkOnly = flags.contains(u'd');
    o.greyscale = flags.contains(u'g');
    o.blend = flags.contains(u'b');
    return o;
}

ButtonPicture bitmap(const QImage &image)
{
    return ButtonPicture{ButtonPicture::Kind::Bitmap, image};
}

// An icon: an opaque 2 x 2 square in a transparent 4 x 4 image.
ButtonPicture icon()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            image.setPixel(x, y, toQRgb(kInk));
    return ButtonPicture{ButtonPicture::Kind::Icon, image};
}

} // namespace

class TestPixelPrimitives : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data()
    {
        QTest::addColumn<QImage>("actual");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QImage &actual, const char *expected) {
            QTest::newRow(name) << actual << QString(expected);
        };
        row("fill excludes right and bottom", fill(2, 1, 3, 2), "....../..###./..###./......");
        row("frame one pixel inside the extent", frame(1, 0, 4, 4), ".####./.#..#./.#..#./.####.");
        row("frame one pixel wide is a column", frame(2, 1, 1, 3), "....../..#.../..#.../..#...");
        row("rectangle clipped at the edge", fill(-2, -1, 4, 3), "##..../##..../....../......");
        row("empty width draws nothing", fill(1, 1, 0, 2), "....../....../....../......");
        row("inverted frame draws nothing", frame(4, 3, -3, -2), "....../....../....../......");

        // Worked out with Bresenham's rule: one pixel per step of the major axis, the minor
        // step taken when the ideal line passes half a pixel; on an exact half, lines heading
        // down-right, shallow lines heading down-left and steep lines heading up-right keep
        // their row or column, all others step. The end point is never drawn.
        row("horizontal leaves out its end", line({0, 0}, {4, 0}), "####../....../......");
        row("horizontal leftwards", line({5, 1}, {1, 1}), "....../..####/......");
        row("vertical leaves out its end", line({2, 0}, {2, 2}), "..#.../..#.../......");
        row("diagonal down-right", line({0, 0}, {3, 3}), "#...../.#..../..#...");
        row("diagonal up-left", line({3, 3}, {0, 0}), "....../.#..../..#...");
        row("diagonal up-right", line({0, 2}, {3, -1}), "..#.../.#..../#.....");
        row("half slope down-right keeps the row", line({0, 0}, {4, 2}), "##..../..##../......");
        row("half slope up-left steps", line({4, 2}, {0, 0}), ".#..../..##../....#.");
        row("half slope up-right steps", line({0, 2}, {4, 0}), "...#../.##.../#.....");
        row("half slope down-left keeps the row", line({4, 0}, {0, 2}), "...##./.##.../......");
        row("steep down-right", line({0, 0}, {1, 3}), "#...../#...../.#....");
        row("steep tie down-right keeps the column", line({0, 0}, {1, 2}), "#...../#...../......");
        row("steep tie up-left steps", line({1, 2}, {0, 0}), "....../#...../.#....");
        row("a point draws nothing", line({2, 1}, {2, 1}), "....../....../......");
        row("line starts outside the image", line({-3, 1}, {3, 1}), "....../###.../......");
        row("line of absurd length ends", line({0, 1}, {INT_MAX, 1}), "....../######/......");

        // From the pen path: c1 up the left and along the top, c2 down the right and back
        // along the bottom, each segment leaving its last pixel to the next.
        row("bevel two rings on the edge", bevel(0, false),
            "aaaaaaaaab/acccccccdb/ac......db/ac......db/addddddddb/bbbbbbbbbb");
        row("bevel two rings one pixel in", bevel(-1, false),
            "........../.aaaaaaab./.acccccdb./.addddddb./.bbbbbbbb./..........");
        row("bevel single ring on the edge", bevel(0, true),
            "aaaaaaaaab/a........b/a........b/a........b/a........b/bbbbbbbbbb");

        // Dots where x + y is odd; with black text the pixels between them stay as they were.
        QImage focus = filled(6, 5);
        PixelCanvas(focus).DrawFocusRect(QRect(1, 1, 4, 3), 0);
        row("focus rectangle inverts every other pixel", focus,
            "....../..x.x./.x..../..x.x./......");
        const char *lineOnly = "......./......./aaaaaaa/......./.......";
        row("focus drawn twice is gone", focusTwice({1, 1, 5, 4}, 0), lineOnly);
        row("focus drawn twice in colour is gone", focusTwice({0, 0, 7, 5}, kInk), lineOnly);
        row("focus one pixel high drawn twice", focusTwice({1, 2, 5, 1}, kC), lineOnly);
        row("focus one pixel wide drawn twice", focusTwice({3, 0, 1, 5}, kC), lineOnly);

        const BlitOptions masked = options({});
        const ButtonPicture square = bitmap(filled(3, 3, toQRgb(kInk)));
        row("picture clipped at the edges", blit(filled(4, 4), -1, 2, 3, 3, square, masked),
            "..../..../##../##..");
        row("picture of zero width", blit(filled(3, 3), 0, 0, 0, 3, square, masked), ".../.../...");
        row("picture of zero height", blit(filled(3, 3), 0, 0, 3, 0, square, masked),
            ".../.../...");
        row("icon with the mask shows no box", blit(filled(4, 4), 0, 0, 4, 4, icon(), masked),
            "..../.##./.##./....");
        row("icon without the mask shows the mask colour",
            blit(filled(4, 4), 0, 0, 4, 4, icon(), options("o")), "mmmm/m##m/m##m/mmmm");
    }
    void shapes()
    {
        QFETCH(QImage, actual);
        QFETCH(QString, expected);
        QCOMPARE(grid(actual), expected);
    }

    void ellipse_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide even") << QSize(40, 20);
        QTest::newRow("odd sizes") << QSize(31, 17);
        QTest::newRow("tall") << QSize(12, 30);
        QTest::newRow("button") << QSize(150, 48);
    }
    void ellipse()
    {
        QFETCH(QSize, size);
        const int w = size.width();
        const int h = size.height();
        // A margin of 2 around the box shows anything drawn outside it.
        QImage image = filled(w + 4, h + 4);
        PixelCanvas(image).DrawEllipse(2, 2, w, h, kA, kB);
        const QRgb back = toQRgb(kBackground);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (x < 2 || y < 2 || x >= w + 2 || y >= h + 2) {
                    QCOMPARE(rgbText(pixel), rgbText(back));
                } else { // symmetric about both axes of the box
                    QCOMPARE(image.pixel(w + 3 - x, y), pixel);
                    QCOMPARE(image.pixel(x, h + 3 - y), pixel);
                }
            }
        // The corners stay, the centre is filled, the middle of each side is pen.
        QCOMPARE(image.pixel(2, 2), back);
        QCOMPARE(image.pixel(w + 1, h + 1), back);
        QCOMPARE(image.pixel(2 + w / 2, 2 + h / 2), toQRgb(kB));
        QCOMPARE(image.pixel(2, 2 + h / 2), toQRgb(kA));
        QCOMPARE(image.pixel(3, 2 + h / 2), toQRgb(kA));
        QCOMPARE(image.pixel(4, 2 + h / 2), toQRgb(kB));
        QCOMPARE(image.pixel(2 + w / 2, 2), toQRgb(kA));
        QCOMPARE(image.pixel(2 + w / 2, h + 1), toQRgb(kA));
        // The edge is closed: along every row the first and last drawn pixels are pen.
        for (const RowSpan &row : ellipseSpans(2, 2, w, h)) {
            QCOMPARE(image.pixel(row.left, row.y), toQRgb(kA));
            QCOMPARE(image.pixel(row.right - 1, row.y), toQRgb(kA));
        }
    }

    // One picture pixel over one destination pixel, with the options of the letters.
    void blitPixelRules_data()
    {
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<QRgb>("destination");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QRgb>("expected");
        const auto row = [](const char *name, QRgb picture, QRgb destination, const char *flags,
                            QRgb expected) {
            QTest::newRow(name) << picture << destination << QString(flags) << expected;
        };
        const QRgb magenta = qRgb(255, 0, 255);
        const QRgb dest = qRgb(1, 2, 3);
        const QRgb blue = qRgb(0, 0, 200);
        row("mask colour leaves the destination", magenta, dest, "", dest);
        row("mask colour drawn without transparency", magenta, dest, "o", magenta);
        row("plain copy", qRgb(9, 8, 7), dest, "", qRgb(9, 8, 7));
        row("mask colour stays transparent under a solid colour", magenta, dest, "s", dest);
        row("solid paints a light pixel", qRgb(255, 255, 255), dest, "s", blue);
        row("dark only paints 384", qRgb(128, 128, 128), dest, "sd", blue);
        row("dark only leaves 385", qRgb(129, 128, 128), dest, "sd", dest);
        row("solid wins over greyscale and blend", qRgb(10, 10, 10), dest, "sgb", blue);
        row("greyscale of red", qRgb(255, 0, 0), dest, "g", qRgb(76, 76, 76));
        row("greyscale wins over blend", qRgb(0, 0, 255), dest, "gb", qRgb(28, 28, 28));
        row("blend white over black", qRgb(255, 255, 255), qRgb(0, 0, 0), "b", qRgb(170, 170, 170));
        // (2 * 100 + 1) / 3 = 67, (0 + 200) / 3 = 66, (2 * 10 + 11) / 3 = 10
        row("blend truncates per channel", qRgb(100, 0, 10), qRgb(1, 200, 11), "b",
            qRgb(67, 66, 10));
    }
    void blitPixelRules()
    {
        QFETCH(QRgb, picture);
        QFETCH(QRgb, destination);
        QFETCH(QString, flags);
        QFETCH(QRgb, expected);
        const QImage target = blit(filled(1, 1, destination), 0, 0, 1, 1,
                                   bitmap(filled(1, 1, picture)), options(flags));
        QCOMPARE(rgbText(target.pixel(0, 0)), rgbText(expected));
    }

    // 5 pixels make rows of 15 bytes, not a multiple of 4: every pixel must land in place.
    void blitOddWidthPictureHasNoSkew()
    {
        QImage picture(5, 3, QImage::Format_RGB32);
        QImage expected = filled(8, 5);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                picture.setPixel(x, y, qRgb(10 * x, 100 + 10 * y, 7));
                expected.setPixel(2 + x, 1 + y, qRgb(10 * x, 100 + 10 * y, 7));
            }
        QCOMPARE(blit(filled(8, 5), 2, 1, 5, 3, bitmap(picture), options({})), expected);
    }
};

QTEST_MAIN(TestPixelPrimitives)
#include "tst_pixel_primitives.moc"
