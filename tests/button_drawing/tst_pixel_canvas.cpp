#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/ellipse_spans.h"
#include "widgets/styled_button/drawing/pixel_canvas.h"

#include "tests/button_drawing/image_check.h"

#include <QTest>

using namespace Tavo::ButtonDrawing;

namespace {

// Colours of the grids: '.' background, a-d the four bevel colours, '#' the drawing colour.
constexpr OleColor kBackground = rgbColor(192, 192, 192);
constexpr OleColor kInk = rgbColor(10, 20, 30);
constexpr OleColor kA = rgbColor(255, 0, 0);
constexpr OleColor kB = rgbColor(0, 255, 0);
constexpr OleColor kC = rgbColor(0, 0, 255);
constexpr OleColor kD = rgbColor(255, 255, 0);

QHash<QChar, QRgb> gridColours()
{
    return {{u'.', toQRgb(kBackground)}, {u'#', toQRgb(kInk)}, {u'a', toQRgb(kA)},
            {u'b', toQRgb(kB)},          {u'c', toQRgb(kC)},   {u'd', toQRgb(kD)}};
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(toQRgb(kBackground));
    return image;
}

QImage grid(const QStringList &rows)
{
    return ImageCheck::imageFromGrid(rows, gridColours());
}

} // namespace

class TestPixelCanvas : public QObject
{
    Q_OBJECT

private slots:
    void rectangle_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("outline");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("fill excludes right and bottom")
            << 2 << 1 << 3 << 2 << false << QStringList{"......", "..###.", "..###.", "......"};
        QTest::newRow("frame is one pixel inside the same extent")
            << 1 << 0 << 4 << 4 << true << QStringList{".####.", ".#..#.", ".#..#.", ".####."};
        QTest::newRow("frame one pixel wide is a column")
            << 2 << 1 << 1 << 3 << true << QStringList{"......", "..#...", "..#...", "..#..."};
        QTest::newRow("clipped at the image edge")
            << -2 << -1 << 4 << 3 << false << QStringList{"##....", "##....", "......", "......"};
        QTest::newRow("empty width draws nothing")
            << 1 << 1 << 0 << 2 << false << QStringList{"......", "......", "......", "......"};
        QTest::newRow("inverted frame draws nothing")
            << 4 << 3 << -3 << -2 << true << QStringList{"......", "......", "......", "......"};
    }
    void rectangle()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, outline);
        QFETCH(QStringList, expected);
        QImage image = blank(6, 4);
        PixelCanvas(image).DrawRect(x, y, width, height, kInk, outline);
        COMPARE_IMAGE(image, grid(expected));
    }

    // Expected pixels worked out with Bresenham's rule: from the start, one pixel per step of
    // the major axis, the minor step taken when the ideal line passes half a pixel; on an
    // exact half, lines heading down-right, shallow lines heading down-left and steep lines
    // heading up-right keep their row or column, all others step. The end point is never
    // drawn.
    void line_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("horizontal leaves out its end")
            << QPoint(0, 0) << QPoint(4, 0) << QStringList{"####..", "......", "......"};
        QTest::newRow("horizontal leftwards")
            << QPoint(5, 1) << QPoint(1, 1) << QStringList{"......", "..####", "......"};
        QTest::newRow("vertical leaves out its end")
            << QPoint(2, 0) << QPoint(2, 2) << QStringList{"..#...", "..#...", "......"};
        QTest::newRow("diagonal down-right")
            << QPoint(0, 0) << QPoint(3, 3) << QStringList{"#.....", ".#....", "..#..."};
        QTest::newRow("diagonal up-left")
            << QPoint(3, 3) << QPoint(0, 0) << QStringList{"......", ".#....", "..#..."};
        QTest::newRow("diagonal up-right")
            << QPoint(0, 2) << QPoint(3, -1) << QStringList{"..#...", ".#....", "#....."};
        QTest::newRow("half slope down-right keeps the row on a tie")
            << QPoint(0, 0) << QPoint(4, 2) << QStringList{"##....", "..##..", "......"};
        QTest::newRow("half slope up-left steps on a tie")
            << QPoint(4, 2) << QPoint(0, 0) << QStringList{".#....", "..##..", "....#."};
        QTest::newRow("half slope up-right steps on a tie")
            << QPoint(0, 2) << QPoint(4, 0) << QStringList{"...#..", ".##...", "#....."};
        QTest::newRow("half slope down-left keeps the row on a tie")
            << QPoint(4, 0) << QPoint(0, 2) << QStringList{"...##.", ".##...", "......"};
        QTest::newRow("steep down-right")
            << QPoint(0, 0) << QPoint(1, 3) << QStringList{"#.....", "#.....", ".#...."};
        QTest::newRow("steep tie down-right keeps the column")
            << QPoint(0, 0) << QPoint(1, 2) << QStringList{"#.....", "#.....", "......"};
        QTest::newRow("steep tie up-left steps")
            << QPoint(1, 2) << QPoint(0, 0) << QStringList{"......", "#.....", ".#...."};
        QTest::newRow("a point draws nothing")
            << QPoint(2, 1) << QPoint(2, 1) << QStringList{"......", "......", "......"};
        QTest::newRow("starts outside the image")
            << QPoint(-3, 1) << QPoint(3, 1) << QStringList{"......", "###...", "......"};
    }
    void line()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QStringList, expected);
        QImage image = blank(6, 3);
        PixelCanvas(image).DrawLine(from.x(), from.y(), to.x(), to.y(), kInk);
        COMPARE_IMAGE(image, grid(expected));
    }

    void lineOfAbsurdLengthEnds()
    {
        QImage image = blank(6, 3);
        PixelCanvas(image).DrawLine(0, 1, INT_MAX, 1, kInk);
        COMPARE_IMAGE(image, grid({"......", "######", "......"}));
    }

    // Rings worked out from the pen path: c1 up the left and along the top, c2 down the
    // right and back along the bottom, each segment leaving its last pixel to the next.
    void bevel_data()
    {
        QTest::addColumn<int>("inset");
        QTest::addColumn<bool>("singleRing");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two rings on the edge")
            << 0 << false << QStringList{"aaaaaaaaab", "acccccccdb", "ac......db",
                                         "ac......db", "addddddddb", "bbbbbbbbbb"};
        QTest::newRow("two rings one pixel in")
            << -1 << false << QStringList{"..........", ".aaaaaaab.", ".acccccdb.",
                                          ".addddddb.", ".bbbbbbbb.", ".........."};
        QTest::newRow("single ring on the edge")
            << 0 << true << QStringList{"aaaaaaaaab", "a........b", "a........b",
                                        "a........b", "a........b", "bbbbbbbbbb"};
    }
    void bevel()
    {
        QFETCH(int, inset);
        QFETCH(bool, singleRing);
        QFETCH(QStringList, expected);
        QImage image = blank(10, 6);
        PixelCanvas(image).DrawBevel(10, 6, kA, kB, kC, kD, inset, singleRing);
        COMPARE_IMAGE(image, grid(expected));
    }

    void focusRectInvertsEveryOtherBorderPixel()
    {
        QImage image = blank(6, 5);
        // Dots where x + y is odd; with black text the pixels between them stay as they were.
        PixelCanvas(image).DrawFocusRect(QRect(1, 1, 4, 3), 0);
        const QRgb inverted = qRgb(63, 63, 63);
        const QImage expected =
            ImageCheck::imageFromGrid({"......", "..x.x.", ".x....", "..x.x.", "......"},
                                      {{u'.', toQRgb(kBackground)}, {u'x', inverted}});
        COMPARE_IMAGE(image, expected);
    }

    void focusRectDrawnTwiceIsGone_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<OleColor>("text");
        QTest::newRow("black text") << QRect(1, 1, 5, 4) << OleColor(0);
        QTest::newRow("coloured text") << QRect(0, 0, 7, 5) << rgbColor(200, 30, 90);
        QTest::newRow("one pixel high") << QRect(1, 2, 5, 1) << rgbColor(0, 0, 255);
        QTest::newRow("one pixel wide") << QRect(3, 0, 1, 5) << rgbColor(0, 0, 255);
    }
    void focusRectDrawnTwiceIsGone()
    {
        QFETCH(QRect, rect);
        QFETCH(OleColor, text);
        QImage image = blank(7, 5);
        PixelCanvas(image).DrawLine(0, 2, 7, 2, kA);
        const QImage before = image;
        PixelCanvas(image).DrawFocusRect(rect, text);
        QVERIFY(image != before);
        PixelCanvas(image).DrawFocusRect(rect, text);
        COMPARE_IMAGE(image, before);
    }

    void ellipse_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("wide even") << 40 << 20;
        QTest::newRow("odd sizes") << 31 << 17;
        QTest::newRow("tall") << 12 << 30;
        QTest::newRow("button") << 150 << 48;
    }
    void ellipse()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        // A margin around the box shows anything drawn outside it.
        QImage image = blank(width + 4, height + 4);
        PixelCanvas(image).DrawEllipse(2, 2, width, height, kA, kB);
        const QRgb back = toQRgb(kBackground);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const bool inBox = x >= 2 && y >= 2 && x < width + 2 && y < height + 2;
                if (!inBox)
                    QCOMPARE(ImageCheck::describe(pixel), ImageCheck::describe(back));
                // Symmetric about both axes of the box.
                const int mirrorX = 2 + (width - 1) - (x - 2);
                const int mirrorY = 2 + (height - 1) - (y - 2);
                if (inBox) {
                    QCOMPARE(image.pixel(mirrorX, y), pixel);
                    QCOMPARE(image.pixel(x, mirrorY), pixel);
                }
            }
        }
        // The corners stay, the centre is filled, the middle of each side is pen.
        QCOMPARE(image.pixel(2, 2), back);
        QCOMPARE(image.pixel(width + 1, height + 1), back);
        QCOMPARE(image.pixel(2 + width / 2, 2 + height / 2), toQRgb(kB));
        QCOMPARE(image.pixel(2, 2 + height / 2), toQRgb(kA));
        QCOMPARE(image.pixel(3, 2 + height / 2), toQRgb(kA));
        QCOMPARE(image.pixel(4, 2 + height / 2), toQRgb(kB));
        QCOMPARE(image.pixel(2 + width / 2, 2), toQRgb(kA));
        QCOMPARE(image.pixel(2 + width / 2, height + 1), toQRgb(kA));
        // The edge is closed: along every row the first and last drawn pixels are pen.
        for (const RowSpan &row : ellipseSpans(2, 2, width, height)) {
            QCOMPARE(image.pixel(row.left, row.y), toQRgb(kA));
            QCOMPARE(image.pixel(row.right - 1, row.y), toQRgb(kA));
        }
    }
};

QTEST_MAIN(TestPixelCanvas)
#include "tst_pixel_canvas.moc"
