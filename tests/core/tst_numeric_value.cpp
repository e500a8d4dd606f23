#include "core/numeric_value.h"

#include <QTest>

#include <clocale>
#include <cmath>

using namespace Tavo;

class TestNumericValue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A comma locale must not change how "2.5" or "2,5" read.
        std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    }

    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "6" << 6.0;
        QTest::newRow("blank inside") << "1 2" << 12.0;
        QTest::newRow("tab and line feed removed") << "\t1\n2" << 12.0;
        QTest::newRow("CR is not removed") << "1\r2" << 1.0;
        QTest::newRow("no-break space is not removed") << QStringLiteral("1\u00A02") << 1.0;
        QTest::newRow("hex") << "&HC" << 12.0;
        QTest::newRow("hex lower case") << "&hc" << 12.0;
        QTest::newRow("octal") << "&O14" << 12.0;
        QTest::newRow("octal stops at 8") << "&O18" << 1.0;
        QTest::newRow("trailing words") << "6 pagine" << 6.0;
        QTest::newRow("comma is no decimal point") << "2,5" << 2.0;
        QTest::newRow("decimal point") << "2.5" << 2.5;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("negative") << "-12" << -12.0;
        QTest::newRow("sign and blank") << "- 3" << -3.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("D exponent") << "2D2" << 200.0;
        QTest::newRow("exponent without digits") << "7E" << 7.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("tiny") << "1E-9999" << 0.0;
    }
    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numericValue(text), expected);
    }

    void hugeIsInfinite()
    {
        QVERIFY(std::isinf(numericValue(u"1E9999")));
        QVERIFY(numericValue(u"-1E9999") < 0);
    }

    void whole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("half down to even") << "2.5" << true << 2;
        QTest::newRow("half up to even") << "3.5" << true << 4;
        QTest::newRow("negative half") << "-2.5" << true << -2;
        QTest::newRow("just above half") << "2.51" << true << 3;
        QTest::newRow("int32 max") << "2147483647" << true << 2147483647;
        QTest::newRow("int32 min") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("above int32") << "2147483648" << false << 0;
        QTest::newRow("far above, even as a double") << "1E20" << false << 0;
        QTest::newRow("infinite") << "1E9999" << false << 0;
    }
    void whole()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const auto v = wholeNumericValue(text);
        QCOMPARE(v.has_value(), fits);
        if (fits)
            QCOMPARE(*v, expected);
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << "12" << true;
        QTest::newRow("leading blank") << " 1" << true;
        QTest::newRow("trailing blank") << "123456 " << true;
        QTest::newRow("negative") << "-12345" << true;
        QTest::newRow("decimal") << "1.5" << true;
        QTest::newRow("hex") << "&H1F" << true;
        QTest::newRow("letters") << "AB" << false;
        QTest::newRow("trailing letter") << "12345A" << false;
        QTest::newRow("comma") << "1,5" << false;
        QTest::newRow("overflow") << "1E9999" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "  " << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("tab is no blank") << "12\t" << false;
        QTest::newRow("blank inside") << "1 2" << false;
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(isNumericText(text), numeric);
    }
};

QTEST_APPLESS_MAIN(TestNumericValue)
#include "tst_numeric_value.moc"
