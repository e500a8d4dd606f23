#include "print/print_command.h"
#include "print/print_units.h"
#include "print/tabella_pagine.h"

#include <QTest>

#include <functional>
#include <optional>

using namespace Tavo;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Tavo::InputCheck::Field)
Q_DECLARE_METATYPE(std::optional<float>)
Q_DECLARE_METATYPE(std::optional<int>)
using Result = TabellaPagine::Result; // ok by default: a step whose own setup fails fails the test
using Step = std::function<Result(TabellaPagine &)>;
Q_DECLARE_METATYPE(Step)

// The learner's checks, the settings read as numbers, and the page table.
class TestPrintValues : public QObject
{
    Q_OBJECT

private slots:
    void inputChecks_data()
    {
        QTest::addColumn<QString>("aut");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<InputCheck::Field>("field");

        using F = InputCheck::Field;
        const QString name = u"MARIO ROSSI"_s;
        QTest::newRow("valid") << u"12VI123456"_s << name << F::None;
        QTest::newRow("nine characters") << u"12VI12345"_s << name << F::Aut;
        QTest::newRow("eleven characters") << u"12VI1234567"_s << name << F::Aut;
        QTest::newRow("empty number") << QString() << name << F::Aut;
        QTest::newRow("letters first") << u"ABVI123456"_s << name << F::Aut;
        QTest::newRow("unknown code XX") << u"12XX123456"_s << name << F::Aut;
        QTest::newRow("lower-case code") << u"12vi123456"_s << name << F::Aut;
        QTest::newRow("foreign code EE") << u"12EE123456"_s << name << F::Aut;
        QTest::newRow("letter in the digits") << u"12VI12345A"_s << name << F::Aut;
        QTest::newRow("decimal comma") << u"12VI1234,5"_s << name << F::Aut;
        // Too large for a double: must fail, not crash.
        QTest::newRow("infinite exponent") << u"12VI1E9999"_s << name << F::Aut;
        // The test is whether the part converts to a number, not digit by digit.
        QTest::newRow("signed digits pass") << u"12VI-12345"_s << name << F::None;
        // The parts are read from the text as typed: a leading blank shifts the code to "2V".
        QTest::newRow("leading blank") << u" 12VI123456"_s << name << F::Aut;
        QTest::newRow("trailing blank passes") << u"12VI123456 "_s << name << F::None;
        // Only blanks are trimmed: a TAB makes the number 11 characters long.
        QTest::newRow("tab after the number") << u"12VI123456\t"_s << name << F::Aut;
        QTest::newRow("empty name") << u"12VI123456"_s << QString() << F::Nome;
        QTest::newRow("blank name") << u"12VI123456"_s << u"   "_s << F::Nome;
        QTest::newRow("name check comes second") << u"12XX123456"_s << QString() << F::Aut;
    }

    void inputChecks()
    {
        QFETCH(QString, aut);
        QFETCH(QString, nome);
        QFETCH(InputCheck::Field, field);

        const InputCheck check = checkPrintInput({aut, nome, QString(), QString()});
        QCOMPARE(check.field, field);
        QCOMPARE(check.ok(), field == InputCheck::Field::None);
        const QString message = field == InputCheck::Field::Aut ? u"Numero autorizzazione errato"_s
                                                                : u"Nome allievo non presente"_s;
        QCOMPARE(check.message, check.ok() ? QString() : message);
    }

    void margins_data()
    {
        QTest::addColumn<QString>("millimetres");
        QTest::addColumn<std::optional<float>>("twips");

        // Whole millimetres × 1440 / 25.4, in single precision.
        QTest::newRow("default left 10") << u"10"_s << std::optional(566.92914f);
        QTest::newRow("default top 15") << u"15"_s << std::optional(850.39368f);
        QTest::newRow("zero") << u"0"_s << std::optional(0.0f);
        QTest::newRow("empty is zero") << QString() << std::optional(0.0f);
        QTest::newRow("text is zero") << u"mm"_s << std::optional(0.0f);
        QTest::newRow("half goes to even, 10") << u"10.5"_s << std::optional(566.92914f);
        QTest::newRow("half goes to even, down") << u"14.5"_s << std::optional(793.70079f);
        QTest::newRow("half goes to even, up") << u"11.5"_s << std::optional(680.31496f);
        QTest::newRow("blanks removed") << u" 1 5 "_s << std::optional(850.39368f);
        QTest::newRow("hexadecimal") << u"&HA"_s << std::optional(566.92914f);
        QTest::newRow("negative") << u"-10"_s << std::optional(-566.92914f);
        // 1491308 × 1440 = 2147483520 still fits 32 bits; 1491309 × 1440 = 2147484960 does not.
        QTest::newRow("largest that fits") << u"1491308"_s << std::optional(84546592.0f);
        QTest::newRow("product overflows") << u"1491309"_s << std::optional<float>();
        QTest::newRow("negative product overflows") << u"-1491309"_s << std::optional<float>();
        QTest::newRow("millimetres overflow") << u"2147483648"_s << std::optional<float>();
        QTest::newRow("infinite") << u"1E9999"_s << std::optional<float>();
    }

    void margins()
    {
        QFETCH(QString, millimetres);
        QFETCH(std::optional<float>, twips);
        const std::optional<float> actual = PrintUnits::marginTwips(millimetres);
        QCOMPARE(actual.has_value(), twips.has_value());
        // Exact: the report receives this very single-precision number.
        if (twips)
            QVERIFY2(*actual == *twips, qPrintable(QString::number(*actual, 'g', 10)));
    }

    void pageCount_data()
    {
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<std::optional<int>>("count");
        QTest::newRow("three") << u"3"_s << std::optional(3);
        QTest::newRow("hexadecimal twelve") << u"&HC"_s << std::optional(12);
        QTest::newRow("empty") << QString() << std::optional(0);
        QTest::newRow("half to even") << u"6.5"_s << std::optional(6);
        QTest::newRow("beyond 32 bits") << u"4294967296"_s << std::optional<int>();
        QTest::newRow("below 32 bits") << u"-2147483649"_s << std::optional<int>();
    }

    void pageCount()
    {
        QFETCH(QString, pagine);
        QFETCH(std::optional<int>, count);
        QCOMPARE(PrintUnits::pageCount(pagine), count);
    }

    void tableRowsKeepTheirValuesInOrder()
    {
        TabellaPagine table;
        QVERIFY(table.addField(u"titolo"_s, 60).ok && table.addField(u"pagina"_s, 10).ok);
        for (const QString &page : {u"1 di 3"_s, u"2 di 3"_s}) {
            QVERIFY(table.addNew().ok);
            QVERIFY(table.setValue(u"pagina", page).ok);
            QVERIFY(table.update().ok);
            QCOMPARE(table.currentRow(), table.rowCount() - 1);
        }
        QVERIFY(table.addNew().ok); // dropped: never committed
        table.moveFirst();
        QCOMPARE(table.currentRow(), 0);
        QCOMPARE(table.rowCount(), 2);
        // A field never set stays empty.
        QCOMPARE(table.value(0, u"titolo"), QString());
        QCOMPARE(table.value(0, u"pagina"), u"1 di 3"_s);
        QCOMPARE(table.value(1, u"pagina"), u"2 di 3"_s);
    }

    void tableMisuseIsRefused_data()
    {
        // Each step runs on a table with the one field "pagina" (at most 10 characters).
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("set without an open row")
            << Step([](TabellaPagine &t) { return t.setValue(u"pagina", u"1 di 3"_s); })
            << QString();
        QTest::newRow("commit without an open row")
            << Step([](TabellaPagine &t) { return t.update(); }) << QString();
        QTest::newRow("duplicate field")
            << Step([](TabellaPagine &t) { return t.addField(u"pagina"_s, 20); }) << QString();
        QTest::newRow("field after the first row") << Step([](TabellaPagine &t) {
            return t.addNew().ok && t.update().ok ? t.addField(u"titolo"_s, 20) : Result{};
        }) << QString();
        QTest::newRow("empty field name")
            << Step([](TabellaPagine &t) { return t.addField(QString(), 20); }) << QString();
        // An error, not a silent cut: the field and its length are named.
        const Step tooLong = [](TabellaPagine &t) {
            return t.addNew().ok ? t.setValue(u"pagina", u"100 di 1000"_s) : Result{};
        };
        QTest::newRow("value too long") << tooLong << u"pagina"_s;
        QTest::newRow("value too long, length") << tooLong << u"10"_s;
        // Field names are case-sensitive.
        QTest::newRow("unknown field") << Step([](TabellaPagine &t) {
            return t.addNew().ok ? t.setValue(u"Pagina", u"1 di 3"_s) : Result{};
        }) << u"Pagina"_s;
    }

    void tableMisuseIsRefused()
    {
        QFETCH(Step, step);
        QFETCH(QString, errorPart);
        TabellaPagine table;
        QVERIFY(table.addField(u"pagina"_s, 10).ok);
        const Result r = step(table);
        QVERIFY(!r.ok);
        QVERIFY2(!r.error.isEmpty() && r.error.contains(errorPart), qPrintable(r.error));
        QCOMPARE(table.fieldNames(), QStringList({u"pagina"_s}));
        // A row left open keeps its previous (empty) value.
        if (table.update().ok) {
            QCOMPARE(table.value(0, u"pagina"), QString());
            QCOMPARE(table.value(0, u"Pagina"), QString());
        }
    }

    void closeDropsEverything()
    {
        TabellaPagine table;
        QVERIFY(table.addField(u"pagina"_s, 10).ok);
        QVERIFY(table.addNew().ok);
        QVERIFY(table.update().ok);
        table.close();
        QVERIFY(table.isClosed());
        QCOMPARE(table.rowCount(), 0);
        QVERIFY(table.fieldNames().isEmpty());
        QVERIFY(!table.addNew().ok);
        QVERIFY(!table.addField(u"titolo"_s, 5).ok);
    }
};

QTEST_GUILESS_MAIN(TestPrintValues)
#include "tst_print_values.moc"
