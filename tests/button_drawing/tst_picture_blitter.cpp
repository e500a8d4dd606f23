#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/picture_blitter.h"

#include "tests/button_drawing/image_check.h"

#include <QTest>

using namespace Tavo::ButtonDrawing;

namespace {

constexpr QRgb kFace = 0xFF000000u | 0x405060u;
constexpr OleColor kMask = rgbColor(255, 0, 255);

QImage face(int width, int height, QRgb colour = kFace)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

ButtonPicture bitmap(const QImage &image)
{
    ButtonPicture picture;
    picture.kind = ButtonPicture::Kind::Bitmap;
    picture.image = image;
    return picture;
}

// A one-pixel picture of the given colour blitted over a one-pixel destination.
QRgb blitOnePixel(QRgb picturePixel, QRgb destination, const BlitOptions &options)
{
    QImage target = face(1, 1, destination);
    BlitPicture(target, 0, 0, 1, 1, bitmap(face(1, 1, picturePixel)), options);
    return target.pixel(0, 0) & 0xFFFFFF;
}

} // namespace

class TestPictureBlitter : public QObject
{
    Q_OBJECT

private slots:
    void pixelRules_data()
    {
        QTest::addColumn<QRgb>("picture");
        QTest::addColumn<QRgb>("destination");
        QTest::addColumn<bool>("useTransparent");
        QTest::addColumn<int>("solid"); // -1 for none
        QTest::addColumn<bool>("darkOnly");
        QTest::addColumn<bool>("greyscale");
        QTest::addColumn<bool>("blend");
        QTest::addColumn<QRgb>("expected");
        const QRgb magenta = qRgb(255, 0, 255);
        QTest::newRow("mask colour leaves the destination")
            << magenta << qRgb(1, 2, 3) << true << -1 << false << false << false << qRgb(1, 2, 3);
        QTest::newRow("mask colour drawn without transparency")
            << magenta << qRgb(1, 2, 3) << false << -1 << false << false << false << magenta;
        QTest::newRow("plain copy") << qRgb(9, 8, 7) << qRgb(1, 2, 3) << true << -1 << false
                                    << false << false << qRgb(9, 8, 7);
        QTest::newRow("mask colour stays transparent under a solid colour")
            << magenta << qRgb(1, 2, 3) << true << int(rgbColor(0, 0, 200)) << false << false
            << false << qRgb(1, 2, 3);
        QTest::newRow("solid paints a light pixel")
            << qRgb(255, 255, 255) << qRgb(1, 2, 3) << true << int(rgbColor(0, 0, 200)) << false
            << false << false << qRgb(0, 0, 200);
        QTest::newRow("dark only paints 384")
            << qRgb(128, 128, 128) << qRgb(1, 2, 3) << true << int(rgbColor(0, 0, 200)) << true
            << false << false << qRgb(0, 0, 200);
        QTest::newRow("dark only leaves 385")
            << qRgb(129, 128, 128) << qRgb(1, 2, 3) << true << int(rgbColor(0, 0, 200)) << true
            << false << false << qRgb(1, 2, 3);
        QTest::newRow("solid wins over greyscale")
            << qRgb(10, 10, 10) << qRgb(1, 2, 3) << true << int(rgbColor(7, 7, 7)) << false << true
            << true << qRgb(7, 7, 7);
        QTest::newRow("greyscale of red") << qRgb(255, 0, 0) << qRgb(1, 2, 3) << true << -1 << false
                                          << true << false << qRgb(76, 76, 76);
        QTest::newRow("greyscale of green") << qRgb(0, 255, 0) << qRgb(1, 2, 3) << true << -1
                                            << false << true << false << qRgb(150, 150, 150);
        QTest::newRow("greyscale of blue") << qRgb(0, 0, 255) << qRgb(1, 2, 3) << true << -1
                                           << false << true << false << qRgb(28, 28, 28);
        QTest::newRow("greyscale wins over blend") << qRgb(0, 0, 255) << qRgb(1, 2, 3) << true << -1
                                                   << false << true << true << qRgb(28, 28, 28);
        QTest::newRow("blend white over black")
            << qRgb(255, 255, 255) << qRgb(0, 0, 0) << true << -1 << false << false << true
            << qRgb(170, 170, 170);
        // (2 * 100 + 1) / 3 = 67, (0 + 200) / 3 = 66, (2 * 10 + 11) / 3 = 10
        QTest::newRow("blend truncates per channel")
            << qRgb(100, 0, 10) << qRgb(1, 200, 11) << true << -1 << false << false << true
            << qRgb(67, 66, 10);
    }
    void pixelRules()
    {
        QFETCH(QRgb, picture);
        QFETCH(QRgb, destination);
        QFETCH(bool, useTransparent);
        QFETCH(int, solid);
        QFETCH(bool, darkOnly);
        QFETCH(bool, greyscale);
        QFETCH(bool, blend);
        QFETCH(QRgb, expected);
        BlitOptions options;
        options.transparent = kMask;
        options.useTransparent = useTransparent;
        if (solid >= 0)
            options.solid = OleColor(solid);
        options.darkOnly = darkOnly;
        options.greyscale = greyscale;
        options.blend = blend;
        QCOMPARE(ImageCheck::describe(blitOnePixel(picture, destination, options)),
                 ImageCheck::describe(expected));
    }

    // 5 pixels make rows of 15 bytes, not a multiple of 4: every pixel must land in place.
    void oddWidthPictureHasNoSkew()
    {
        QImage picture(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                picture.setPixel(x, y, qRgb(10 * x, 100 + 10 * y, 7));
        QImage target = face(8, 5);
        BlitOptions options;
        options.transparent = kMask;
        BlitPicture(target, 2, 1, 5, 3, bitmap(picture), options);
        QImage expected = face(8, 5);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                expected.setPixel(2 + x, 1 + y, qRgb(10 * x, 100 + 10 * y, 7));
        COMPARE_IMAGE(target, expected);
    }

    void clippedAtTheEdges()
    {
        QImage picture = face(3, 3, qRgb(9, 9, 9));
        QImage target = face(4, 4);
        BlitOptions options;
        options.transparent = kMask;
        BlitPicture(target, -1, 2, 3, 3, bitmap(picture), options);
        const QImage expected = ImageCheck::imageFromGrid({"....", "....", "##..", "##.."},
                                                          {{u'.', kFace}, {u'#', qRgb(9, 9, 9)}});
        COMPARE_IMAGE(target, expected);
    }

    void zeroSizeDrawsNothing()
    {
        QImage target = face(3, 3);
        BlitOptions options;
        BlitPicture(target, 0, 0, 0, 3, bitmap(face(3, 3, qRgb(9, 9, 9))), options);
        BlitPicture(target, 0, 0, 3, 0, bitmap(face(3, 3, qRgb(9, 9, 9))), options);
        COMPARE_IMAGE(target, face(3, 3));
    }

    // An icon: an opaque 2 x 2 square in a transparent 4 x 4 image.
    void iconSurroundings_data()
    {
        QTest::addColumn<bool>("useMask");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("mask on shows no box")
            << true << QStringList{"....", ".##.", ".##.", "...."};
        QTest::newRow("mask off shows the mask colour")
            << false << QStringList{"mmmm", "m##m", "m##m", "mmmm"};
    }
    void iconSurroundings()
    {
        QFETCH(bool, useMask);
        QFETCH(QStringList, expected);
        QImage icon(4, 4, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        for (int y = 1; y < 3; ++y)
            for (int x = 1; x < 3; ++x)
                icon.setPixel(x, y, qRgb(20, 30, 40));
        ButtonPicture picture;
        picture.kind = ButtonPicture::Kind::Icon;
        picture.image = icon;
        QImage target = face(4, 4);
        BlitOptions options;
        options.transparent = kMask;
        options.useTransparent = useMask;
        BlitPicture(target, 0, 0, 4, 4, picture, options);
        const QImage expectedImage = ImageCheck::imageFromGrid(
            expected, {{u'.', kFace}, {u'#', qRgb(20, 30, 40)}, {u'm', toQRgb(kMask)}});
        COMPARE_IMAGE(target, expectedImage);
    }
};

QTEST_MAIN(TestPictureBlitter)
#include "tst_picture_blitter.moc"
