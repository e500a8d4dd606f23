#include "print/print_units.h"

#include <QTest>

#include <optional>

using namespace Tavo;

Q_DECLARE_METATYPE(std::optional<float>)
Q_DECLARE_METATYPE(std::optional<int>)

class TestPrintUnits : public QObject
{
    Q_OBJECT

private slots:
    void margins_data()
    {
        QTest::addColumn<QString>("millimetres");
        QTest::addColumn<std::optional<float>>("twips");

        // Whole millimetres × 1440 / 25.4, in single precision.
        QTest::newRow("default left 10") << QStringLiteral("10") << std::optional(566.92914f);
        QTest::newRow("default top 15") << QStringLiteral("15") << std::optional(850.39368f);
        QTest::newRow("zero") << QStringLiteral("0") << std::optional(0.0f);
        QTest::newRow("empty is zero") << QString() << std::optional(0.0f);
        QTest::newRow("text is zero") << QStringLiteral("mm") << std::optional(0.0f);
        QTest::newRow("half goes to even, 10")
            << QStringLiteral("10.5") << std::optional(566.92914f);
        QTest::newRow("half goes to even, down")
            << QStringLiteral("14.5") << std::optional(793.70079f);
        QTest::newRow("half goes to even, up")
            << QStringLiteral("11.5") << std::optional(680.31496f);
        QTest::newRow("blanks removed") << QStringLiteral(" 1 5 ") << std::optional(850.39368f);
        QTest::newRow("hexadecimal") << QStringLiteral("&HA") << std::optional(566.92914f);
        QTest::newRow("negative") << QStringLiteral("-10") << std::optional(-566.92914f);
        // 1491308 × 1440 = 2147483520 still fits 32 bits; 1491309 × 1440 = 2147484960 does not.
        QTest::newRow("largest that fits")
            << QStringLiteral("1491308") << std::optional(84546592.0f);
        QTest::newRow("product overflows") << QStringLiteral("1491309") << std::optional<float>();
        QTest::newRow("negative product overflows")
            << QStringLiteral("-1491309") << std::optional<float>();
        QTest::newRow("millimetres overflow")
            << QStringLiteral("2147483648") << std::optional<float>();
        QTest::newRow("infinite") << QStringLiteral("1E9999") << std::optional<float>();
    }

    void margins()
    {
        QFETCH(QString, millimetres);
        QFETCH(std::optional<float>, twips);
        const std::optional<float> actual = PrintUnits::marginTwips(millimetres);
        QCOMPARE(actual.has_value(), twips.has_value());
        if (twips) {
            // Exact: the report receives this very single-precision number.
            QVERIFY2(*actual == *twips, qPrintable(QString::number(*actual, 'g', 10)));
        }
    }

    void pageCount_data()
    {
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<std::optional<int>>("count");
        QTest::newRow("three") << QStringLiteral("3") << std::optional(3);
        QTest::newRow("hexadecimal twelve") << QStringLiteral("&HC") << std::optional(12);
        QTest::newRow("empty") << QString() << std::optional(0);
        QTest::newRow("half to even") << QStringLiteral("6.5") << std::optional(6);
        QTest::newRow("beyond 32 bits") << QStringLiteral("4294967296") << std::optional<int>();
        QTest::newRow("below 32 bits") << QStringLiteral("-2147483649") << std::optional<int>();
    }

    void pageCount()
    {
        QFETCH(QString, pagine);
        QFETCH(std::optional<int>, count);
        QCOMPARE(PrintUnits::pageCount(pagine), count);
    }
};

QTEST_GUILESS_MAIN(TestPrintUnits)
#include "tst_print_units.moc"
