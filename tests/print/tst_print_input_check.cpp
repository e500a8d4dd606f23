#include "print/print_command.h"

#include <QTest>

using namespace Tavo;

Q_DECLARE_METATYPE(Tavo::InputCheck::Field)

class TestPrintInputCheck : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("aut");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<InputCheck::Field>("field");

        using F = InputCheck::Field;
        const QString name = QStringLiteral("MARIO ROSSI");
        QTest::newRow("valid") << QStringLiteral("12VI123456") << name << F::None;
        QTest::newRow("nine characters") << QStringLiteral("12VI12345") << name << F::Aut;
        QTest::newRow("eleven characters") << QStringLiteral("12VI1234567") << name << F::Aut;
        QTest::newRow("empty number") << QString() << name << F::Aut;
        QTest::newRow("letters first") << QStringLiteral("ABVI123456") << name << F::Aut;
        QTest::newRow("unknown code XX") << QStringLiteral("12XX123456") << name << F::Aut;
        QTest::newRow("lower-case code") << QStringLiteral("12vi123456") << name << F::Aut;
        QTest::newRow("foreign code EE") << QStringLiteral("12EE123456") << name << F::Aut;
        QTest::newRow("letter in the digits") << QStringLiteral("12VI12345A") << name << F::Aut;
        QTest::newRow("decimal comma") << QStringLiteral("12VI1234,5") << name << F::Aut;
        // Too large for a double: must fail, not crash.
        QTest::newRow("infinite exponent") << QStringLiteral("12VI1E9999") << name << F::Aut;
        // The test is whether the part converts to a number, not digit by digit.
        QTest::newRow("signed digits pass") << QStringLiteral("12VI-12345") << name << F::None;
        // The parts are read from the text as typed: a leading blank shifts the code to "2V".
        QTest::newRow("leading blank") << QStringLiteral(" 12VI123456") << name << F::Aut;
        QTest::newRow("trailing blank passes") << QStringLiteral("12VI123456 ") << name << F::None;
        // Only blanks are trimmed: a TAB makes the number 11 characters long.
        QTest::newRow("tab after the number") << QStringLiteral("12VI123456\t") << name << F::Aut;
        QTest::newRow("empty name") << QStringLiteral("12VI123456") << QString() << F::Nome;
        QTest::newRow("blank name")
            << QStringLiteral("12VI123456") << QStringLiteral("   ") << F::Nome;
        QTest::newRow("name check comes second")
            << QStringLiteral("12XX123456") << QString() << F::Aut;
    }

    void checks()
    {
        QFETCH(QString, aut);
        QFETCH(QString, nome);
        QFETCH(InputCheck::Field, field);

        const InputCheck check = checkPrintInput({aut, nome, QString(), QString()});
        QCOMPARE(check.field, field);
        QCOMPARE(check.ok(), field == InputCheck::Field::None);
        switch (field) {
        case InputCheck::Field::None:
            QVERIFY(check.message.isEmpty());
            break;
        case InputCheck::Field::Aut:
            QCOMPARE(check.message, QStringLiteral("Numero autorizzazione errato"));
            break;
        case InputCheck::Field::Nome:
            QCOMPARE(check.message, QStringLiteral("Nome allievo non presente"));
            break;
        }
    }
};

QTEST_GUILESS_MAIN(TestPrintInputCheck)
#include "tst_print_input_check.moc"
