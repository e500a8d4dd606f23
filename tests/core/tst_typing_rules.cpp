#include "core/typing_rules.h"

#include <QTest>

using namespace Tavo;

class TestTypingRules : public QObject
{
    Q_OBJECT

private slots:
    // Upper case within Windows-1252, one character for one.
    void toUpperTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("words and Italian vowels")
            << QStringLiteral("via dei mille àéìòù") << QStringLiteral("VIA DEI MILLE ÀÉÌÒÙ");
        QTest::newRow("upper forms at 0x8A..0x9F")
            << QStringLiteral("ÿœšž") << QStringLiteral("ŸŒŠŽ");
        QTest::newRow("no single upper form: sharp s, micro")
            << QStringLiteral("ßµ") << QStringLiteral("ßµ");
        QTest::newRow("digits, punctuation, controls")
            << QStringLiteral("12-3/§*€\b\t") << QStringLiteral("12-3/§*€\b\t");
        QTest::newRow("letter outside the code page") << QStringLiteral("я") << QStringLiteral("я");
    }
    void toUpperTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(TypingRules::toUpperTyped(typed), shown);
    }

    void toSingleLine_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("line");
        QTest::newRow("CR LF is one blank")
            << QStringLiteral("mario\r\nrossi") << QStringLiteral("mario rossi");
        QTest::newRow("lone CR, lone LF") << QStringLiteral("a\rb\nc") << QStringLiteral("a b c");
        QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a  b");
        QTest::newRow("tab kept, case kept") << QStringLiteral("è\tb") << QStringLiteral("è\tb");
    }
    void toSingleLine()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, line);
        QCOMPARE(TypingRules::toSingleLine(pasted), line);
    }

    void room_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("replaced");
        QTest::addColumn<int>("room");
        QTest::newRow("partly filled") << 8 << 5 << 0 << 3;
        QTest::newRow("full, one selected") << 10 << 10 << 1 << 1;
        QTest::newRow("set past the limit") << 10 << 11 << 0 << 0;
        QTest::newRow("past the limit, two selected") << 10 << 11 << 2 << 1;
        QTest::newRow("more replaced than held") << 10 << 3 << 7 << 10;
    }
    void room()
    {
        QFETCH(int, limit);
        QFETCH(int, length);
        QFETCH(int, replaced);
        QFETCH(int, room);
        QCOMPARE(TypingRules::room(limit, length, replaced), qsizetype(room));
    }
};

QTEST_APPLESS_MAIN(TestTypingRules)
#include "tst_typing_rules.moc"
