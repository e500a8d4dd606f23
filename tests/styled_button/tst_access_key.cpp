#include "widgets/styled_button/access_key.h"

#include <QTest>

using namespace Tavo;

class TestAccessKey : public QObject
{
    Q_OBJECT

private slots:
    void accessKey_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key"); // empty: no access key
        QTest::newRow("marker at start") << "&Stampa"
                                         << "s";
        QTest::newRow("marker inside, lower-cased") << "Con&Figurazione"
                                                    << "f";
        QTest::newRow("literal ampersand only") << "Salva && esci"
                                                << "";
        QTest::newRow("doubled then single") << "A&&B&C"
                                             << "c";
        QTest::newRow("lone ampersand") << "&"
                                        << "";
        QTest::newRow("marker at end") << "Esci&"
                                       << "";
        QTest::newRow("doubled only") << "A&&B"
                                      << "";
        QTest::newRow("two doubled pairs hide the marker") << "A&&B&&C&D"
                                                           << "";
        QTest::newRow("doubled then marker at end") << "A&&B&"
                                                    << "";
        QTest::newRow("triple ampersand") << "A&&&B"
                                          << "b";
        QTest::newRow("just a doubled pair") << "&&"
                                             << "";
        QTest::newRow("no marker") << "Annulla"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("single character") << "A"
                                          << "";
        QTest::newRow("first single marker wins") << "&Uno &Due"
                                                  << "u";
        QTest::newRow("digit") << "Pagina &2"
                               << "2";
        QTest::newRow("blank after marker") << "& x"
                                            << " ";
    }

    void accessKey()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        const QChar found = AccessKey::of(caption);
        QCOMPARE(found.isNull() ? QString() : QString(found), key);
    }

    void plainText_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("marker removed") << "&Stampa"
                                        << "Stampa";
        QTest::newRow("doubled reads single") << "Salva && esci"
                                              << "Salva & esci";
        QTest::newRow("mixed") << "A&&B&C"
                               << "A&BC";
        QTest::newRow("trailing marker dropped") << "Esci&"
                                                 << "Esci";
        QTest::newRow("plain") << "Annulla"
                               << "Annulla";
    }

    void plainText()
    {
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QCOMPARE(AccessKey::plainText(caption), text);
    }
};

QTEST_APPLESS_MAIN(TestAccessKey)
#include "tst_access_key.moc"
