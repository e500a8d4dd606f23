#include "widgets/styled_button/property_bag.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;

namespace {

PropertyBag::Picture makePicture(ButtonDrawing::ButtonPicture::Kind kind, QColor colour)
{
    auto picture = std::make_shared<ButtonDrawing::ButtonPicture>();
    picture->kind = kind;
    picture->image = QImage(4, 3, QImage::Format_ARGB32);
    picture->image.fill(colour);
    return picture;
}

QJsonArray parse(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).array();
}

} // namespace

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void keysMatchWithoutCase()
    {
        PropertyBag bag;
        bag.writeInt32("btype", 3);
        QCOMPARE(bag.readInt32("BTYPE", 2), 3);
        QCOMPARE(bag.readInt32("BType", 2), 3);
        QVERIFY(bag.contains("BTYPE"));
        // Writing under another case replaces the value in place.
        bag.writeString("TX", "Esci");
        bag.writeInt32("BTYPE", 7);
        QCOMPARE(bag.keys(), QStringList({"btype", "TX"}));
        QCOMPARE(bag.readInt32("btype", 2), 7);
    }

    void missingKeysGiveTheDefault()
    {
        const PropertyBag bag;
        QCOMPARE(bag.readInt32("BTYPE", 2), 2);
        QCOMPARE(bag.readInt16("MPTR", 0), qint16(0));
        QCOMPARE(bag.readBool("ENAB", true), true);
        QCOMPARE(bag.readString("TX", "x"), QString("x"));
        QCOMPARE(bag.readColour("MCOL", 0xC0C0C0), 0xC0C0C0u);
        QCOMPARE(bag.readFont("FONT", QFont("Arial", 9)).family(), QString("Arial"));
        QVERIFY(!bag.readPicture("PICN"));
    }

    void valuesConvertBetweenNumericTypes_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("asInt32");
        QTest::addColumn<bool>("asBool");
        QTest::newRow("int16 read as int32")
            << R"([{"key":"k","type":"int16","value":-5}])" << -5 << true;
        QTest::newRow("true reads as -1")
            << R"([{"key":"k","type":"bool","value":true}])" << -1 << true;
        QTest::newRow("zero reads false")
            << R"([{"key":"k","type":"int32","value":0}])" << 0 << false;
        QTest::newRow("numeric string")
            << R"([{"key":"k","type":"string","value":" 12 "}])" << 12 << true;
        QTest::newRow("text string keeps defaults")
            << R"([{"key":"k","type":"string","value":"abc"}])" << 99 << true;
    }

    void valuesConvertBetweenNumericTypes()
    {
        QFETCH(QString, json);
        QFETCH(int, asInt32);
        QFETCH(bool, asBool);
        const auto bag = PropertyBag::fromJson(parse(json.toUtf8()), QString());
        QVERIFY(bag);
        QCOMPARE(bag->readInt32("K", 99), asInt32);
        QCOMPARE(bag->readBool("K", true), asBool);
    }

    void int16OutOfRangeCountsAsMissing()
    {
        PropertyBag bag;
        bag.writeInt32("MPTR", 40000);
        QCOMPARE(bag.readInt16("MPTR", 1), qint16(1));
    }

    void negativeInt32ReadsAsSystemColour()
    {
        PropertyBag bag;
        bag.writeInt32("BCOL", qint32(0x8000000F));
        QCOMPARE(bag.readColour("BCOL", 0), 0x8000000Fu);
    }

    void jsonRoundTripKeepsOrderTypesAndValues()
    {
        PropertyBag bag;
        QFont font("Arial");
        font.setPointSizeF(14.25);
        font.setItalic(true);
        bag.writeInt32("BTYPE", 3);
        bag.writeString("TX", QStringLiteral("Perché"));
        bag.writeBool("ENAB", false);
        bag.writeFont("FONT", font);
        bag.writeColour("BCOL", 14215660);
        bag.writeInt16("MPTR", -3);
        bag.writePicture("MICON", nullptr);
        bag.writePicture("PICN", makePicture(ButtonDrawing::ButtonPicture::Kind::Bitmap, Qt::red));

        const auto back = PropertyBag::fromJson(bag.toJson(), QString());
        QVERIFY(back);
        QCOMPARE(back->keys(),
                 QStringList({"BTYPE", "TX", "ENAB", "FONT", "BCOL", "MPTR", "MICON", "PICN"}));
        QCOMPARE(back->readInt32("BTYPE", 0), 3);
        QCOMPARE(back->readString("TX", {}), QStringLiteral("Perché"));
        QCOMPARE(back->readBool("ENAB", true), false);
        const QFont readFont = back->readFont("FONT", QFont());
        QCOMPARE(readFont.family(), QString("Arial"));
        QCOMPARE(readFont.pointSizeF(), 14.25);
        QVERIFY(readFont.italic());
        QCOMPARE(back->readColour("BCOL", 0), 14215660u);
        QVERIFY(std::holds_alternative<qint16>(*back->value("MPTR")));
        QCOMPARE(back->readInt16("MPTR", 0), qint16(-3));
        QVERIFY(back->contains("MICON"));
        QVERIFY(!back->readPicture("MICON"));
        const auto picture = back->readPicture("PICN");
        QVERIFY(picture);
        QCOMPARE(picture->kind, ButtonDrawing::ButtonPicture::Kind::Bitmap);
        QCOMPARE(picture->image.size(), QSize(4, 3));
        QCOMPARE(picture->image.pixelColor(2, 1), QColor(Qt::red));
    }

    void pictureFilesAreReadRelativeToTheFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage image(2, 2, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(dir.filePath("p.png")));
        const auto bag = PropertyBag::fromJson(
            parse(R"([{"key":"PICN","type":"picture","value":{"kind":"icon","file":"p.png"}}])"),
            dir.path());
        QVERIFY(bag);
        const auto picture = bag->readPicture("picn");
        QVERIFY(picture);
        QCOMPARE(picture->kind, ButtonDrawing::ButtonPicture::Kind::Icon);
        QCOMPARE(picture->image.pixelColor(1, 1), QColor(Qt::blue));
    }

    void malformedEntriesAreRefused_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("missing picture file")
            << R"([{"key":"PICN","type":"picture","value":{"kind":"icon","file":"none.png"}}])";
        QTest::newRow("unknown picture kind")
            << R"([{"key":"PICN","type":"picture","value":{"kind":"movie","png":""}}])";
        QTest::newRow("unknown type") << R"([{"key":"X","type":"decimal","value":1}])";
        QTest::newRow("fraction for an integer") << R"([{"key":"X","type":"int32","value":1.5}])";
        QTest::newRow("int16 out of range") << R"([{"key":"X","type":"int16","value":40000}])";
        QTest::newRow("text for a boolean") << R"([{"key":"X","type":"bool","value":"yes"}])";
        QTest::newRow("key missing") << R"([{"type":"bool","value":true}])";
    }

    void malformedEntriesAreRefused()
    {
        QFETCH(QString, json);
        QString error;
        QVERIFY(!PropertyBag::fromJson(parse(json.toUtf8()), QDir::tempPath(), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestPropertyBag)
#include "tst_property_bag.moc"
