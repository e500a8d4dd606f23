#include "core/italian_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>

using namespace Tavo;

// Runs in the C locale, as every test does: the program must be Italian without an Italian
// system.
class TestItalianTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QVERIFY(loadItalianTranslations());
        QCOMPARE(QLocale().language(), QLocale::Italian);
    }

    void qtTextsInItalian_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("english");
        QTest::addColumn<QString>("italian");
        QTest::newRow("standard button")
            << QByteArray("QPlatformTheme") << QByteArray("Cancel") << QStringLiteral("Annulla");
        QTest::newRow("text box menu")
            << QByteArray("QLineEdit") << QByteArray("&Paste") << QStringLiteral("&Incolla");
        QTest::newRow("print dialog title")
            << QByteArray("QPrintDialog") << QByteArray("Print") << QStringLiteral("Stampa");
        QTest::newRow("file error") << QByteArray("QIODevice") << QByteArray("Permission denied")
                                    << QStringLiteral("Permesso negato");
        QTest::newRow("saved file error")
            << QByteArray("QSaveFile") << QByteArray("Existing file %1 is not writable")
            << QStringLiteral("Il file esistente %1 non è scrivibile");
    }

    void qtTextsInItalian()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, english);
        QFETCH(QString, italian);
        QCOMPARE(QCoreApplication::translate(context.constData(), english.constData()), italian);
    }
};

QTEST_GUILESS_MAIN(TestItalianTranslations)
#include "tst_italian_translations.moc"
