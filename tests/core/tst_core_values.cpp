#include "core/command_line.h"
#include "core/italian_translations.h"
#include "core/numeric_value.h"
#include "core/province_table.h"
#include "core/typing_rules.h"

#include <QCoreApplication>
#include <QTest>

#include <clocale>

using namespace Tavo;

// Values the program reads from text: numbers, province names, the command line, typed text.
class TestCoreValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A comma locale must not change how "2.5" or "2,5" read.
        std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    }

    // The number at the start of a text; its whole value, halves to the even neighbour, -1
    // when it does not fit 32 bits; whether the whole text, blanks around it, is a number.
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("whole");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("blanks, tabs, line feeds removed") << " 1\t2\n3" << 123.0 << 123 << false;
        QTest::newRow("CR is not removed") << "1\r2" << 1.0 << 1 << false;
        QTest::newRow("blanks around") << " 123456 " << 123456.0 << 123456 << true;
        QTest::newRow("hex") << "&hC" << 12.0 << 12 << true;
        QTest::newRow("octal stops at 8") << "&O18" << 1.0 << 1 << false;
        QTest::newRow("trailing words, comma") << "2,5 pagine" << 2.0 << 2 << false;
        QTest::newRow("sign and blank, point") << "- .5" << -0.5 << 0 << false;
        QTest::newRow("D exponent, 2.5 to even") << "25D-1" << 2.5 << 2 << true;
        QTest::newRow("3.5 to even") << "3.5" << 3.5 << 4 << true;
        QTest::newRow("exponent without digits") << "7E" << 7.0 << 7 << false;
        QTest::newRow("above int32") << "2147483648" << 2147483648.0 << -1 << true;
        QTest::newRow("tab is no blank") << "12\t" << 12.0 << 12 << false;
        QTest::newRow("huge") << "1E9999" << qInf() << -1 << false;
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(int, whole);
        QFETCH(bool, numeric);
        QCOMPARE(numericValue(text), value);
        QCOMPARE(wholeNumericValue(text).value_or(-1), whole);
        QCOMPARE(isNumericText(text), numeric);
    }

    void province()
    {
        QCOMPARE(NomeProvincia(u"AG"), u"AGRIGENTO"_qs);     // first row
        QCOMPARE(NomeProvincia(u"VV"), u"VIBO VALENTIA"_qs); // last row
        QCOMPARE(NomeProvincia(u"CL"), u"CALTANISSETTA"_qs);
        // The provinces of today, beside the older codes that earlier numbers carry.
        for (const QStringView row : {u"FC;FORLÌ-CESENA", u"MB;MONZA E DELLA BRIANZA", u"FM;FERMO",
                                      u"BT;BARLETTA-ANDRIA-TRANI", u"SU;SUD SARDEGNA",
                                      u"PU;PESARO E URBINO", u"FO;FORLI'", u"PS;PESARO E URBINO"})
            QCOMPARE(NomeProvincia(row.first(2)), row.sliced(3));
        for (const QString &none : {u"vi"_qs, u"EE"_qs, u"VIC"_qs})
            QCOMPARE(NomeProvincia(none), QString());
        // In the order of the codes, each once: the lookup returns the first row that matches.
        for (std::size_t i = 2; i < Prov().size(); ++i)
            QVERIFY2(qstrncmp(Prov()[i - 1], Prov()[i], 2) < 0, Prov()[i]);
    }

    void commandLine_data()
    {
        QTest::addColumn<QList<QByteArray>>("args");
        QTest::addColumn<QString>("learner"); // "NUMBER|NAME", empty for none
        QTest::newRow("UTF-8 sign, three words") << QList<QByteArray>{"12VI\xc2\xa7"
                                                                      "A*B*C"}
                                                 << "12VI|A B C";
        QTest::newRow("Windows-1252 0xA7, arguments joined")
            << QList<QByteArray>{"12VI\xa7MARIO", "ROSSI"} << "12VI|MARIO ROSSI";
        QTest::newRow("second sign belongs to the name") << QList<QByteArray>{"\xc2\xa7"
                                                                              "A\xc2\xa7"
                                                                              "B"}
                                                         << QStringLiteral("|A\u00A7B");
        QTest::newRow("no sign") << QList<QByteArray>{"12VI123456 MARIO"} << "";
    }
    void commandLine()
    {
        QFETCH(QList<QByteArray>, args);
        QFETCH(QString, learner);
        const auto found = CommandLine::parse(args).learner();
        QCOMPARE(found ? found->aut + u'|' + found->nome : QString(), learner);
    }

    void commandLineOptions()
    {
        const CommandLine cl = CommandLine::parse(
            {"--pdf", "out.pdf", "--targa", "AB1", "--istruttore", "Anna Neri", "1\xc2\xa7X"});
        QVERIFY(cl.error.isEmpty() && cl.isHeadless());
        QCOMPARE(cl.pdfFile.value_or(QString()) + cl.targa.value_or(QString()) +
                     cl.istruttore.value_or(QString()) + cl.argumentString,
                 QStringLiteral("out.pdfAB1Anna Neri1\u00A7X"));
        for (const QList<QByteArray> &bad :
             {QList<QByteArray>{"--colore", "x"}, {"--pdf"}, {"--pdf", "a", "--stampante", "b"}})
            QVERIFY(!CommandLine::parse(bad).error.isEmpty());
    }

    // Typed text: upper case within Windows-1252, one character for one.
    void typedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("words, Italian vowels, 0x8A..0x9F")
            << u"via è àìòù ÿœšž"_qs << u"VIA È ÀÌÒÙ ŸŒŠŽ"_qs;
        QTest::newRow("no single upper form, punctuation, controls")
            << u"ßµ-/§*€\b\tя"_qs << u"ßµ-/§*€\b\tя"_qs;
    }
    void typedText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(TypingRules::toUpperTyped(typed), shown);
    }

    void pastedText()
    {
        QCOMPARE(TypingRules::toSingleLine(u"\ta\r\nb\rc\nd\n\re\tè\u2029f"),
                 u" a b c d  e è f"_qs);
        // Room left under a typing limit: never negative, a selection typed over counts.
        QCOMPARE(TypingRules::room(8, 5, 0), 3);
        QCOMPARE(TypingRules::room(10, 11, 0), 0);
        QCOMPARE(TypingRules::room(10, 11, 2), 1);
        QCOMPARE(TypingRules::room(10, 3, 7), 10);
    }

    // The program speaks Italian in Qt's own texts too, whatever the system's language.
    void qtTextsInItalian()
    {
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), u"Print"_qs);
        QVERIFY(loadItalianTranslations());
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), u"Stampa"_qs);
    }
};

QTEST_GUILESS_MAIN(TestCoreValues)
#include "tst_core_values.moc"
