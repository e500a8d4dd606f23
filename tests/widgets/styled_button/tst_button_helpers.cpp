#include "widgets/styled_button/access_key.h"
#include "widgets/styled_button/property_bag.h"
#include "widgets/styled_button/windows_input_codes.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;

namespace {

QJsonArray parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).array();
}

// A stored bag of one entry.
QString entry(const char *type, const char *value, const char *key = "k")
{
    return QStringLiteral(R"([{"key":"%1","type":"%2","value":%3}])").arg(key, type, value);
}

} // namespace

// The button's plain helpers: access keys, Windows input codes and the property bag.
class TestButtonHelpers : public QObject
{
    Q_OBJECT

private slots:
    void accessKey_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");  // empty: no access key
        QTest::addColumn<QString>("text"); // as read aloud
        const auto row = [](const char *name, const char *caption, const char *key,
                            const char *text) {
            QTest::newRow(name) << QString(caption) << QString(key) << QString(text);
        };
        row("marker at start", "&Stampa", "s", "Stampa");
        row("marker inside, lower-cased", "Con&Figurazione", "f", "ConFigurazione");
        row("literal ampersand only", "Salva && esci", "", "Salva & esci");
        row("doubled then single", "A&&B&C", "c", "A&BC");
        row("lone ampersand", "&", "", "");
        row("marker at end", "Esci&", "", "Esci");
        row("doubled only", "A&&B", "", "A&B");
        row("two doubled pairs hide the marker", "A&&B&&C&D", "", "A&B&CD");
        row("doubled then marker at end", "A&&B&", "", "A&B");
        row("triple ampersand", "A&&&B", "b", "A&B");
        row("just a doubled pair", "&&", "", "&");
        row("no marker", "Annulla", "", "Annulla");
        row("empty", "", "", "");
        row("single character", "A", "", "A");
        row("first single marker wins", "&Uno &Due", "u", "Uno Due");
        row("digit", "Pagina &2", "2", "Pagina 2");
        row("blank after marker", "& x", " ", " x");
    }

    void accessKey()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(QString, text);
        const QChar found = AccessKey::of(caption);
        QCOMPARE(found.isNull() ? QString() : QString(found), key);
        QCOMPARE(AccessKey::plainText(caption), text);
    }

    void keyCode_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        QTest::newRow("space") << int(Qt::Key_Space) << false << 32;
        QTest::newRow("left, not Qt's 0x12") << int(Qt::Key_Left) << false << 37;
        QTest::newRow("up") << int(Qt::Key_Up) << false << 38;
        QTest::newRow("right") << int(Qt::Key_Right) << false << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << false << 40;
        QTest::newRow("letter A") << int(Qt::Key_A) << false << 65;
        QTest::newRow("letter Z") << int(Qt::Key_Z) << false << 90;
        QTest::newRow("digit 0") << int(Qt::Key_0) << false << 48;
        QTest::newRow("digit 9") << int(Qt::Key_9) << false << 57;
        QTest::newRow("return") << int(Qt::Key_Return) << false << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << false << 27;
        QTest::newRow("tab") << int(Qt::Key_Tab) << false << 9;
        QTest::newRow("backtab is tab") << int(Qt::Key_Backtab) << false << 9;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << false << 8;
        QTest::newRow("delete") << int(Qt::Key_Delete) << false << 46;
        QTest::newRow("F1") << int(Qt::Key_F1) << false << 112;
        QTest::newRow("F12") << int(Qt::Key_F12) << false << 123;
        QTest::newRow("shift") << int(Qt::Key_Shift) << false << 16;
        QTest::newRow("keypad 5") << int(Qt::Key_5) << true << 101;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << 109;
        QTest::newRow("comma") << int(Qt::Key_Comma) << false << 188;
        QTest::newRow("unknown key") << int(Qt::Key_LaunchMail) << false << 0;
    }

    void keyCode()
    {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(int, code);
        const auto modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        QCOMPARE(int(WindowsInput::keyCode(qtKey, modifiers)), code);
    }

    void buttonAndShiftBits_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("bits");
        // Single buttons and Shift alone are covered by the input sequences.
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << -1 << 3;
        QTest::newRow("left and middle") << int(Qt::LeftButton | Qt::MiddleButton) << -1 << 5;
        QTest::newRow("ctrl") << -1 << int(Qt::ControlModifier) << 2;
        QTest::newRow("alt") << -1 << int(Qt::AltModifier) << 4;
        QTest::newRow("shift ctrl alt")
            << -1 << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
        QTest::newRow("keypad alone counts nothing") << -1 << int(Qt::KeypadModifier) << 0;
    }

    void buttonAndShiftBits()
    {
        QFETCH(int, buttons); // -1: the row is about modifiers
        QFETCH(int, modifiers);
        QFETCH(int, bits);
        QCOMPARE(buttons >= 0 ? int(WindowsInput::buttonBits(Qt::MouseButtons(buttons)))
                              : int(WindowsInput::shiftBits(Qt::KeyboardModifiers(modifiers))),
                 bits);
    }

    void characterCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("no character") << QString() << -1;
        QTest::newRow("latin-1 accent") << QStringLiteral("\u00E8") << 0xE8;
        QTest::newRow("beyond latin-1") << QStringLiteral("\u20AC") << 63;
    }

    void characterCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(int(WindowsInput::characterCode(text)), code);
    }

    void bagKeysMatchWithoutCaseAndMissingOnesGiveTheDefault()
    {
        PropertyBag bag;
        QCOMPARE(bag.readInt32("BTYPE", 2), 2);
        QCOMPARE(bag.readInt16("MPTR", 0), qint16(0));
        QCOMPARE(bag.readBool("ENAB", true), true);
        QCOMPARE(bag.readString("TX", "x"), QString("x"));
        QCOMPARE(bag.readColour("MCOL", 0xC0C0C0), 0xC0C0C0u);
        QCOMPARE(bag.readFont("FONT", QFont("Arial", 9)).family(), QString("Arial"));
        QVERIFY(!bag.readPicture("PICN"));
        bag.writeInt32("btype", 3);
        QCOMPARE(bag.readInt32("BTYPE", 2), 3);
        QCOMPARE(bag.readInt32("BType", 2), 3);
        QVERIFY(bag.contains("BTYPE"));
        // Writing under another case replaces the value in place.
        bag.writeString("TX", "Esci");
        bag.writeInt32("BTYPE", 7);
        QCOMPARE(bag.keys(), QStringList({"btype", "TX"}));
        QCOMPARE(bag.readInt32("btype", 2), 7);
        // An int16 out of range counts as missing; a negative int32 reads as a system colour.
        bag.writeInt32("MPTR", 40000);
        QCOMPARE(bag.readInt16("MPTR", 1), qint16(1));
        bag.writeInt32("BCOL", qint32(0x8000000F));
        QCOMPARE(bag.readColour("BCOL", 0), 0x8000000Fu);
    }

    void bagValuesConvertBetweenNumericTypes_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("asInt32");
        QTest::addColumn<bool>("asBool");
        QTest::newRow("int16 read as int32") << entry("int16", "-5") << -5 << true;
        QTest::newRow("true reads as -1") << entry("bool", "true") << -1 << true;
        QTest::newRow("zero reads false") << entry("int32", "0") << 0 << false;
        QTest::newRow("numeric string") << entry("string", R"(" 12 ")") << 12 << true;
        QTest::newRow("text string keeps defaults") << entry("string", R"("abc")") << 99 << true;
    }

    void bagValuesConvertBetweenNumericTypes()
    {
        QFETCH(QString, json);
        QFETCH(int, asInt32);
        QFETCH(bool, asBool);
        const auto bag = PropertyBag::fromJson(parse(json), QString());
        QVERIFY(bag);
        QCOMPARE(bag->readInt32("K", 99), asInt32);
        QCOMPARE(bag->readBool("K", true), asBool);
    }

    // The button's own round trip covers fonts, colours, booleans and integers.
    void bagJsonRoundTripKeepsOrderTypesAndValues()
    {
        auto picture = std::make_shared<ButtonDrawing::ButtonPicture>();
        picture->kind = ButtonDrawing::ButtonPicture::Kind::Bitmap;
        picture->image = QImage(4, 3, QImage::Format_ARGB32);
        picture->image.fill(Qt::red);
        PropertyBag bag;
        bag.writeString("TX", QStringLiteral("Perché"));
        bag.writeInt16("MPTR", -3);
        bag.writePicture("MICON", nullptr);
        bag.writePicture("PICN", picture);
        bag.writeBool("ENAB", false);
        const auto back = PropertyBag::fromJson(bag.toJson(), QString());
        QVERIFY(back);
        QCOMPARE(back->keys(), QStringList({"TX", "MPTR", "MICON", "PICN", "ENAB"}));
        QCOMPARE(back->readString("TX", {}), QStringLiteral("Perché"));
        QVERIFY(std::holds_alternative<qint16>(*back->value("MPTR")));
        QCOMPARE(back->readInt16("MPTR", 0), qint16(-3));
        QVERIFY(back->contains("MICON") && !back->readPicture("MICON"));
        const auto readPicture = back->readPicture("PICN");
        QVERIFY(readPicture);
        QCOMPARE(readPicture->image.size(), QSize(4, 3));
        QCOMPARE(readPicture->image.pixelColor(2, 1), QColor(Qt::red));
    }

    void bagPictureFilesAreReadRelativeToTheFolder()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage image(2, 2, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(dir.filePath("p.png")));
        const auto bag = PropertyBag::fromJson(
            parse(entry("picture", R"({"kind":"icon","file":"p.png"})", "PICN")), dir.path());
        QVERIFY(bag);
        const auto picture = bag->readPicture("picn");
        QVERIFY(picture);
        QCOMPARE(picture->kind, ButtonDrawing::ButtonPicture::Kind::Icon);
        QCOMPARE(picture->image.pixelColor(1, 1), QColor(Qt::blue));
    }

    void bagMalformedEntriesAreRefused_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("missing picture file")
            << entry("picture", R"({"kind":"icon","file":"none.png"})");
        QTest::newRow("unknown picture kind") << entry("picture", R"({"kind":"movie","png":""})");
        QTest::newRow("unknown type") << entry("decimal", "1");
        QTest::newRow("fraction for an integer") << entry("int32", "1.5");
        QTest::newRow("int16 out of range") << entry("int16", "40000");
        QTest::newRow("text for a boolean") << entry("bool", R"("yes")");
        QTest::newRow("key missing") << R"([{"type":"bool","value":true}])";
    }

    void bagMalformedEntriesAreRefused()
    {
        QFETCH(QString, json);
        QString error;
        QVERIFY(!PropertyBag::fromJson(parse(json), QDir::tempPath(), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestButtonHelpers)
#include "tst_button_helpers.moc"
