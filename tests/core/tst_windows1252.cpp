#include "core/windows1252.h"

#include <QTest>

using namespace Tavo;

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Windows1252::encode(text).value_or(QByteArray()), all);
    }

    void differsFromLatin1_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("right single quote") << 0x92 << 0x2019;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("undefined 0x81 kept") << 0x81 << 0x0081;
        QTest::newRow("section sign") << 0xA7 << 0x00A7;
        QTest::newRow("e grave") << 0xE8 << 0x00E8;
    }
    void differsFromLatin1()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString text = Windows1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(int(text[0].unicode()), unicode);
    }

    void refusesWhatHasNoByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("C1 control with a byte of its own") << QStringLiteral("\u0080");
        QTest::newRow("Polish L") << QStringLiteral("\u0141ODZ");
        QTest::newRow("emoji") << QStringLiteral("A\U0001F600");
    }
    void refusesWhatHasNoByte()
    {
        QFETCH(QString, text);
        QVERIFY(!Windows1252::encode(text).has_value());
    }

    void upperCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a") << "a"
                           << "A";
        QTest::newRow("a grave") << QStringLiteral("à") << QStringLiteral("À");
        QTest::newRow("e grave") << QStringLiteral("è") << QStringLiteral("È");
        QTest::newRow("y diaeresis") << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("oe") << QStringLiteral("œ") << QStringLiteral("Œ");
        QTest::newRow("s caron") << QStringLiteral("š") << QStringLiteral("Š");
        QTest::newRow("sharp s stays") << QStringLiteral("ß") << QStringLiteral("ß");
        QTest::newRow("micro stays") << QStringLiteral("µ") << QStringLiteral("µ");
        QTest::newRow("digit") << "7"
                               << "7";
        QTest::newRow("backspace") << "\b"
                                   << "\b";
        QTest::newRow("outside the code page") << QStringLiteral("ł") << QStringLiteral("ł");
    }
    void upperCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(QString(Windows1252::toUpper(typed[0])), shown);
    }
};

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
