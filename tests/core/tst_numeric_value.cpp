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
        QTest::newRow("blanks, tabs and line feeds removed") << " 1\t2\n3" << 123.0;
        QTest::newRow("CR is not removed") << "1\r2" << 1.0;
        QTest::newRow("hex") << "&hC" << 12.0;
        QTest::newRow("octal stops at 8") << "&O18" << 1.0;
        QTest::newRow("trailing words") << "6 pagine" << 6.0;
        QTest::newRow("comma is no decimal point") << "2,5" << 2.0;
        QTest::newRow("sign and blank") << "- 3" << -3.0;
        QTest::newRow("D exponent") << "2D2" << 200.0;
        QTest::newRow("exponent without digits") << "7E" << 7.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("huge") << "1E9999" << qInf();
    }
    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numericValue(text), expected);
    }

    // Halves go to the even neighbour; what does not fit 32 bits has no whole value.
    void whole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("half down to even") << "2.5" << true << 2;
        QTest::newRow("half up to even") << "3.5" << true << 4;
        QTest::newRow("negative half") << "-2.5" << true << -2;
        QTest::newRow("int32 min") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("above int32") << "2147483648" << false << 0;
        QTest::newRow("infinite") << "1E9999" << false << 0;
    }
    void whole()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const auto v = wholeNumericValue(text);
        QCOMPARE(v.has_value(), fits);
        QCOMPARE(v.value_or(0), expected);
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("blanks around") << " 123456 " << true;
        QTest::newRow("hex") << "&H1F" << true;
        QTest::newRow("trailing letter") << "12345A" << false;
        QTest::newRow("comma") << "1,5" << false;
        QTest::newRow("blanks only") << "  " << false;
        QTest::newRow("tab is no blank") << "12\t" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("overflow") << "1E9999" << false;
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
