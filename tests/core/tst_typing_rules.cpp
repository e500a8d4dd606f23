#include "core/typing_rules.h"

#include <QTest>

using namespace Tavo;

class TestTypingRules : public QObject
{
    Q_OBJECT

private slots:
    void toUpperTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain words")
            << QStringLiteral("via dei mille") << QStringLiteral("VIA DEI MILLE");
        QTest::newRow("grave e") << QStringLiteral("è") << QStringLiteral("È");
        QTest::newRow("Italian vowels") << QStringLiteral("àéìòù") << QStringLiteral("ÀÉÌÒÙ");
        QTest::newRow("y diaeresis, upper form only in 0x9F")
            << QStringLiteral("ÿ") << QStringLiteral("Ÿ");
        QTest::newRow("oe ligature") << QStringLiteral("œ") << QStringLiteral("Œ");
        QTest::newRow("s and z caron") << QStringLiteral("šž") << QStringLiteral("ŠŽ");
        QTest::newRow("sharp s stays one character") << QStringLiteral("ß") << QStringLiteral("ß");
        QTest::newRow("micro sign stays") << QStringLiteral("µ") << QStringLiteral("µ");
        QTest::newRow("digits and punctuation")
            << QStringLiteral("12-3/4.,;'§*") << QStringLiteral("12-3/4.,;'§*");
        QTest::newRow("already capitals") << QStringLiteral("ROSSI È") << QStringLiteral("ROSSI È");
        QTest::newRow("euro sign") << QStringLiteral("€") << QStringLiteral("€");
        QTest::newRow("letter outside the code page") << QStringLiteral("я") << QStringLiteral("я");
        QTest::newRow("control characters")
            << QStringLiteral("\b\t\x01") << QStringLiteral("\b\t\x01");
    }

    void toUpperTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const QString result = TypingRules::toUpperTyped(typed);
        QCOMPARE(result, shown);
        QCOMPARE(result.size(), typed.size());
    }

    void toSingleLine_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("line");
        QTest::newRow("no break") << QStringLiteral("mario rossi") << QStringLiteral("mario rossi");
        QTest::newRow("CR LF is one blank")
            << QStringLiteral("mario\r\nrossi") << QStringLiteral("mario rossi");
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a b");
        QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("a b");
        QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a  b");
        QTest::newRow("empty line between")
            << QStringLiteral("a\r\n\r\nb") << QStringLiteral("a  b");
        QTest::newRow("trailing line end")
            << QStringLiteral("VI123\r\n") << QStringLiteral("VI123 ");
        QTest::newRow("tab kept") << QStringLiteral("a\tb") << QStringLiteral("a\tb");
        QTest::newRow("lower case not converted")
            << QStringLiteral("è\nß") << QStringLiteral("è ß");
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
        QTest::newRow("empty box") << 10 << 0 << 0 << 10;
        QTest::newRow("partly filled") << 8 << 5 << 0 << 3;
        QTest::newRow("full") << 10 << 10 << 0 << 0;
        QTest::newRow("full, one selected") << 10 << 10 << 1 << 1;
        QTest::newRow("full, all selected") << 10 << 10 << 10 << 10;
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
