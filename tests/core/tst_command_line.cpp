#include "core/command_line.h"

#include <QTest>

using namespace Tavo;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void learner_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("aut");
        QTest::addColumn<QString>("nome");
        QTest::newRow("UTF-8 sign, three words") << QList<QByteArray>{"12VI123456\xc2\xa7"
                                                                      "A*B*C"}
                                                 << true << "12VI123456"
                                                 << "A B C";
        QTest::newRow("Windows-1252 byte 0xA7")
            << QList<QByteArray>{"12VI123456\xa7MARIO*ROSSI"} << true << "12VI123456"
            << "MARIO ROSSI";
        QTest::newRow("starts with the sign") << QList<QByteArray>{"\xc2\xa7ROSSI"} << true << ""
                                              << "ROSSI";
        QTest::newRow("second sign belongs to the name")
            << QList<QByteArray>{"1\xc2\xa7"
                                 "A\xc2\xa7"
                                 "B"}
            << true << "1" << QStringLiteral("A\u00A7B");
        QTest::newRow("arguments joined by a blank")
            << QList<QByteArray>{"12VI123456\xc2\xa7MARIO", "ROSSI"} << true << "12VI123456"
            << "MARIO ROSSI";
        QTest::newRow("no sign") << QList<QByteArray>{"12VI123456 MARIO"} << false << ""
                                 << "";
    }
    void learner()
    {
        QFETCH(QList<QByteArray>, args);
        QFETCH(bool, found);
        QFETCH(QString, aut);
        QFETCH(QString, nome);
        const CommandLine cl = CommandLine::parse(args);
        QVERIFY(cl.error.isEmpty());
        const auto learner = cl.learner();
        QCOMPARE(learner.has_value(), found);
        QCOMPARE(learner.value_or(CommandLine::Learner{}).aut, aut);
        QCOMPARE(learner.value_or(CommandLine::Learner{}).nome, nome);
    }

    void options()
    {
        const CommandLine cl =
            CommandLine::parse({"--pdf", "out.pdf", "--targa", "AB123CD", "--istruttore",
                                "Anna Neri", "12VI123456\xc2\xa7X"});
        QVERIFY(cl.error.isEmpty());
        QVERIFY(cl.isHeadless());
        QCOMPARE(cl.pdfFile.value_or(QString()), QStringLiteral("out.pdf"));
        QCOMPARE(cl.targa.value_or(QString()), QStringLiteral("AB123CD"));
        QCOMPARE(cl.istruttore.value_or(QString()), QStringLiteral("Anna Neri"));
        QCOMPARE(cl.argumentString, QStringLiteral("12VI123456\u00A7X"));
    }

    void badOptions_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::newRow("unknown") << QList<QByteArray>{"--colore", "x"};
        QTest::newRow("value missing") << QList<QByteArray>{"--pdf"};
        QTest::newRow("pdf and printer") << QList<QByteArray>{"--pdf", "a", "--stampante", "b"};
    }
    void badOptions()
    {
        QFETCH(QList<QByteArray>, args);
        QVERIFY(!CommandLine::parse(args).error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
