#include "core/windows1252.h"

#include <QTest>

using namespace Tavo;

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    // The five bytes Windows-1252 leaves undefined survive too.
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
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("undefined 0x81 kept") << 0x81 << 0x0081;
        QTest::newRow("section sign") << 0xA7 << 0x00A7;
    }
    void differsFromLatin1()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        QCOMPARE(int(Windows1252::decode(QByteArray(1, char(byte)))[0].unicode()), unicode);
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
};

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
