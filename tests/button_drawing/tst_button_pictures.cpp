#include "tests/button_drawing/image_check.h"
#include "tests/button_drawing/look_fixture.h"

#include <QTest>

using namespace Tavo::ButtonDrawing;
using namespace LookFixture;

namespace {

// A 4 x 3 picture, red (200, 0, 0) but for its top row: white (the mask colour), a grey of
// red + green + blue = 384, one of 385, then red.
PicturePtr testPicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(200, 0, 0));
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(1, 0, qRgb(128, 128, 128));
    image.setPixel(2, 0, qRgb(129, 128, 128));
    auto picture = std::make_shared<ButtonPicture>();
    picture->image = image;
    return picture;
}

// On a 40 x 25 button without caption the picture is centred at (18, 11).
constexpr int kX = 18;
constexpr int kY = 11;

ButtonModel pictureModel(int type)
{
    ButtonModel m = model(type);
    m.PictureNormal = testPicture();
    return m;
}

} // namespace

class TestButtonPictures : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::setPalette(classicPalette()); }

    void pictureIsCentredWithoutCaption()
    {
        ButtonRenderer r;
        prepare(r, pictureModel(Thin3D), 40, 25);
        QCOMPARE(QPoint(r.PictureX, r.PictureY), QPoint(kX, kY));
    }

    void pictureStates_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hovering");
        QTest::addColumn<bool>("greyscale");
        QTest::addColumn<int>("effect");
        QTest::addColumn<quint8>("state");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("expected");
        const quint8 up = ButtonRenderer::StateUp;
        const quint8 down = ButtonRenderer::StateDown;
        const QString face = "236,233,216";
        const QString red = "200,0,0";
        QTest::newRow("up mask colour leaves the face")
            << int(Thin3D) << false << false << 0 << up << true << QPoint(kX, kY) << face;
        QTest::newRow("up in colour")
            << int(Thin3D) << false << false << 0 << up << true << QPoint(kX + 3, kY + 1) << red;
        // round(0.3 * 200) = 60
        QTest::newRow("up greyscale") << int(Thin3D) << false << true << 0 << up << true
                                      << QPoint(kX + 3, kY + 1) << "60,60,60";
        QTest::newRow("hovering ignores greyscale")
            << int(Thin3D) << true << true << 0 << up << true << QPoint(kX + 3, kY + 1) << red;
        QTest::newRow("pressed moves by one and ignores greyscale")
            << int(Thin3D) << false << true << 0 << down << true << QPoint(kX + 4, kY + 2) << red;
        QTest::newRow("shaded frame pressed stays in place")
            << int(ShadedFrame) << false << false << 0 << down << true << QPoint(kX + 3, kY + 2)
            << red;
        QTest::newRow("disabled shadow silhouette paints 384")
            << int(Thin3D) << false << false << 0 << up << false << QPoint(kX + 1, kY)
            << "172,168,153";
        QTest::newRow("disabled silhouette leaves 385")
            << int(Thin3D) << false << false << 0 << up << false << QPoint(kX + 2, kY) << face;
        QTest::newRow("disabled highlight silhouette below right")
            << int(Thin3D) << false << false << 0 << up << false << QPoint(kX + 4, kY + 3)
            << "255,255,255";
        QTest::newRow("disabled soft 3D has no highlight copy")
            << int(Soft3D) << false << false << 0 << up << false << QPoint(kX + 4, kY + 3) << face;
        QTest::newRow("disabled hover select shadow +13")
            << int(HoverSelect) << false << false << 0 << up << false << QPoint(kX + 3, kY + 1)
            << "185,181,166";
        QTest::newRow("disabled gradient rounded greyscale moved by one")
            << int(GradientRounded) << false << false << 0 << up << false << QPoint(kX + 4, kY + 2)
            << "60,60,60";
        // (2 * 200 + 236) / 3, (0 + 233) / 3, (0 + 216) / 3
        QTest::newRow("hover select blends when not hovered")
            << int(HoverSelect) << false << false << 0 << up << true << QPoint(kX + 3, kY + 1)
            << "212,77,72";
        QTest::newRow("hover select lifts the picture")
            << int(HoverSelect) << true << false << 0 << up << true << QPoint(kX, kY - 1)
            << "128,128,128";
        QTest::newRow("hover select casts a shadow")
            << int(HoverSelect) << true << false << 0 << up << true << QPoint(kX + 4, kY + 3)
            << "172,168,153";
        // Effect copies in the face shifted by -40 (down right) and +40 (up left).
        QTest::newRow("raised effect dark copy")
            << int(Thin3D) << false << false << int(EffectRaised) << up << true
            << QPoint(kX + 4, kY + 1) << "196,193,176";
        QTest::newRow("raised effect light copy")
            << int(Thin3D) << false << false << int(EffectRaised) << up << true
            << QPoint(kX, kY - 1) << "255,255,255";
        QTest::newRow("sunken effect light copy below")
            << int(Thin3D) << false << false << int(EffectSunken) << up << true
            << QPoint(kX + 4, kY + 1) << "255,255,255";
        QTest::newRow("shadow effect has no upper copy")
            << int(Thin3D) << false << false << int(EffectShadow) << up << true
            << QPoint(kX, kY - 1) << face;
        QTest::newRow("effect respects the mask colour")
            << int(Thin3D) << false << false << int(EffectRaised) << up << true
            << QPoint(kX - 1, kY - 1) << face;
    }
    void pictureStates()
    {
        QFETCH(int, type);
        QFETCH(bool, hovering);
        QFETCH(bool, greyscale);
        QFETCH(int, effect);
        QFETCH(quint8, state);
        QFETCH(bool, enabled);
        QFETCH(QPoint, pixel);
        QFETCH(QString, expected);
        ButtonModel m = pictureModel(type);
        m.Hovering = hovering;
        m.UseGreyscale = greyscale;
        m.SpecialEffect = effect;
        m.Enabled = enabled;
        QCOMPARE(rgbText(draw(m, state).pixel(pixel)), expected);
    }

    // A state other than up or down draws the face only, without look or picture; a type
    // without a look draws face and picture.
    void unknownStateOrTypeDrawsTheFace_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<quint8>("state");
        QTest::addColumn<bool>("pictureShown");
        QTest::newRow("state 1") << int(Thin3D) << quint8(1) << false;
        QTest::newRow("type 0") << 0 << ButtonRenderer::StateUp << true;
        QTest::newRow("type 15") << 15 << ButtonRenderer::StateUp << true;
    }
    void unknownStateOrTypeDrawsTheFace()
    {
        QFETCH(int, type);
        QFETCH(quint8, state);
        QFETCH(bool, pictureShown);
        ButtonModel m = pictureModel(type);
        m.Caption = QStringLiteral("Esci");
        const QImage image = draw(m, state);
        QCOMPARE(boundsOf(image, qRgb(200, 0, 0)).isValid(), pictureShown);
        // Nothing but face and picture: no caption ink, no frame.
        QVERIFY(!boundsOf(image, qRgb(0, 0, 0)).isValid());
        QCOMPARE(rgbText(image.pixel(0, 0)), QStringLiteral("236,233,216"));
    }

    void pictureOverAloneIsNeverDrawn()
    {
        ButtonModel m = model(Thin3D);
        m.PictureOver = testPicture();
        m.Hovering = true;
        const QImage image = draw(m, ButtonRenderer::StateUp);
        QVERIFY(!boundsOf(image, qRgb(200, 0, 0)).isValid());
    }

    void pictureOverReplacesWhileHoveringAndPressed_data()
    {
        QTest::addColumn<bool>("hovering");
        QTest::addColumn<quint8>("state");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("expected");
        QTest::newRow("up shows the normal picture")
            << false << ButtonRenderer::StateUp << QPoint(kX + 3, kY + 1) << "200,0,0";
        QTest::newRow("hovering shows the other picture")
            << true << ButtonRenderer::StateUp << QPoint(kX + 3, kY + 1) << "0,0,200";
        QTest::newRow("pressed shows it moved by one")
            << false << ButtonRenderer::StateDown << QPoint(kX + 1, kY + 1) << "0,0,200";
    }
    void pictureOverReplacesWhileHoveringAndPressed()
    {
        QFETCH(bool, hovering);
        QFETCH(quint8, state);
        QFETCH(QPoint, pixel);
        QFETCH(QString, expected);
        ButtonModel m = pictureModel(Thin3D);
        auto over = std::make_shared<ButtonPicture>();
        over->image = QImage(4, 3, QImage::Format_RGB32);
        over->image.fill(qRgb(0, 0, 200));
        m.PictureOver = over;
        m.Hovering = hovering;
        QCOMPARE(rgbText(draw(m, state).pixel(pixel)), expected);
    }

    void captionBehindThePictureIsDrawnOverIt()
    {
        ButtonModel m = model(PictureOnly);
        m.Caption = QStringLiteral("Salva");
        m.PicturePosition = PictureBehind;
        auto cover = std::make_shared<ButtonPicture>();
        cover->image = QImage(40, 25, QImage::Format_RGB32);
        cover->image.fill(qRgb(200, 0, 0));
        m.PictureNormal = cover;
        const QImage behind = draw(m, ButtonRenderer::StateUp);
        QVERIFY(boundsOf(behind, qRgb(0, 0, 0)).isValid());
        m.PicturePosition = PictureLeft;
        const QImage beside = draw(m, ButtonRenderer::StateUp);
        QVERIFY(!boundsOf(beside, qRgb(0, 0, 0)).isValid());
    }
};

QTEST_MAIN(TestButtonPictures)
#include "tst_button_pictures.moc"
