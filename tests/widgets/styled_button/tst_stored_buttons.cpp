#include "recording_button.h"

#include "widgets/styled_button/stored_buttons.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Tavo;
using namespace Tavo::Testing;

namespace {

const QString kSourceDir = QStringLiteral(TAVO_SOURCE_DIR);

} // namespace

class TestStoredButtons : public QObject
{
    Q_OBJECT

private slots:
    void extentToPixels_data()
    {
        QTest::addColumn<int>("extent");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("main window width") << 4683 << 96.0 << 177;
        QTest::newRow("main window height") << 1296 << 96.0 << 49;
        QTest::newRow("Salva width") << 3413 << 96.0 << 129;
        QTest::newRow("Annulla width") << 3201 << 96.0 << 121;
        QTest::newRow("configuration height") << 1085 << 96.0 << 41;
        QTest::newRow("one inch at 120 dpi") << 2540 << 120.0 << 120;
    }

    void extentToPixels()
    {
        QFETCH(int, extent);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(Tavo::extentToPixels(extent, dpi), pixels);
    }

    // The layouts as the program reads them, from its resources.
    void storedLayouts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("extents"); // x, y per button
        QTest::addColumn<QList<bool>>("icons");  // icon (true) or bitmap
        QTest::newRow("main window")
            << ":/forms/form1/form1_buttons.json" << QStringList{"StampaP", "CfgP", "EsciP"}
            << QStringList{"Stampa", "Configurazione", "Esci"}
            << QList<int>{4683, 1296, 4683, 1296, 4683, 1296} << QList<bool>{true, false, true};
        QTest::newRow("configuration window")
            << ":/forms/formcfg/formcfg_buttons.json" << QStringList{"SalvaP", "AnnullaP"}
            << QStringList{"Salva", "Annulla"} << QList<int>{3413, 1085, 3201, 1085}
            << QList<bool>{true, true};
    }

    void storedLayouts()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, names);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, extents);
        QFETCH(QList<bool>, icons);
        QWidget window;
        // A run on a screen of pinned resolution (ctest's 144 dpi run) must really have it.
        if (const int dpi = qEnvironmentVariableIntValue("TAVO_SCREEN_DPI"))
            QCOMPARE(window.logicalDpiX(), dpi);
        // The 32 x 32 pictures are made for 96 dpi: they grow with the buttons.
        const int pictureWidth = int(std::lround(32 * window.logicalDpiX() / 96.0));
        QString error;
        const auto buttons = loadStoredButtons(file, &window, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(buttons.size(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            StyledButton *button = buttons.value(names[i]);
            QVERIFY2(button, qPrintable(names[i]));
            QCOMPARE(button->objectName(), names[i]);
            QCOMPARE(button->parentWidget(), &window);
            const int kind = int(icons[i] ? ButtonDrawing::ButtonPicture::Kind::Icon
                                          : ButtonDrawing::ButtonPicture::Kind::Bitmap);
            QCOMPARE(propertiesOf(*button),
                     words(QStringLiteral(
                               "ButtonType=3, Caption=%1, AccessKey=, Enabled=11, "
                               "Font=Arial 14.25, FontStyle=000, ColorScheme=1, ShowFocusRect=1, "
                               "BackColor=14215660, BackOver=14215660, ForeColor=0, ForeOver=0, "
                               "MaskColor=16777215, MousePointer=1, MouseIcon=none, Cursor=0, "
                               "HandPointer=0, SoftBevel=0, PictureNormal=%2:32x32, "
                               "PictureWidth=%3, PictureOver=none, PicturePosition=0, "
                               "UseMaskColor=1, UseGreyscale=0, SpecialEffect=0, "
                               "CheckBoxBehaviour=0, Value=0")
                               .arg(captions[i])
                               .arg(kind)
                               .arg(pictureWidth),
                           ", "));
            const QImage &image = button->PictureNormal()->image;
            if (!icons[i]) {
                // The bitmap: no alpha, 256 colours at most, white (the mask colour) around.
                QVERIFY(!image.hasAlphaChannel());
                QVERIFY(image.colorCount() > 0 && image.colorCount() <= 256);
                QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
            } else {
                QVERIFY(image.hasAlphaChannel());
                QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
            }
            QCOMPARE(button->size(),
                     QSize(Tavo::extentToPixels(extents[2 * i], window.logicalDpiX()),
                           Tavo::extentToPixels(extents[2 * i + 1], window.logicalDpiY())));
        }
    }

    // White is the mask colour of every program button. An icon's pixel is either opaque or
    // fully transparent: a partly transparent edge, mixed with the mask colour, shows as a light
    // halo on pressed and disabled faces. None inside it is white: the face would show through.
    // The bitmap's white is its mask, and no pixel of it is nearly white (an edge mixed with it).
    void picturesHaveAOneBitMask_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("main window") << ":/forms/form1/form1_buttons.json";
        QTest::newRow("configuration window") << ":/forms/formcfg/formcfg_buttons.json";
    }

    void picturesHaveAOneBitMask()
    {
        QFETCH(QString, file);
        const QRgb white = qRgb(255, 255, 255);
        QWidget window;
        const auto buttons = loadStoredButtons(file, &window);
        QVERIFY(!buttons.isEmpty());
        for (StyledButton *button : buttons) {
            QCOMPARE(button->MaskColor(), 0xFFFFFFu);
            const ButtonDrawing::ButtonPicture &picture = *button->PictureNormal();
            const bool icon = picture.kind == ButtonDrawing::ButtonPicture::Kind::Icon;
            QCOMPARE(picture.image.hasAlphaChannel(), icon);
            const QImage image = picture.image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb p = image.pixel(x, y);
                    const QString where = QStringLiteral("%1 at %2, %3: %4")
                                              .arg(button->objectName())
                                              .arg(x)
                                              .arg(y)
                                              .arg(p, 8, 16);
                    const int fromWhite = 255 - std::min({qRed(p), qGreen(p), qBlue(p)});
                    if (icon)
                        QVERIFY2(qAlpha(p) == 0 || (qAlpha(p) == 255 && p != white),
                                 qPrintable(where));
                    else
                        QVERIFY2(p == white || fromWhite >= 32, qPrintable(where));
                }
            }
        }
    }

    void unreadableLayouts_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("{ buttons");
        QTest::newRow("button without name") << QByteArray(R"({"buttons":[{"properties":[]}]})");
        QTest::newRow("missing picture")
            << QByteArray(R"({"buttons":[{"name":"X","properties":[{"key":"picn",)"
                          R"("type":"picture","value":{"kind":"icon","file":"no.png"}}]}]})");
    }

    void unreadableLayouts()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath("layout.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QWidget window;
        QString error;
        QVERIFY(loadStoredButtons(file.fileName(), &window, &error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(window.findChildren<StyledButton *>().isEmpty());
    }

    void missingFile()
    {
        QString error;
        QVERIFY(loadStoredButtons(kSourceDir + "/nowhere.json", nullptr, &error).isEmpty());
        QVERIFY(error.contains("nowhere.json"));
    }
};

QTEST_MAIN(TestStoredButtons)
#include "tst_stored_buttons.moc"
