#include "print/tabella_pagine.h"

#include <QTest>

using namespace Tavo;

class TestTabellaPagine : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyWithItsFields()
    {
        TabellaPagine table;
        QVERIFY(table.addField(QStringLiteral("titolo"), 60).ok);
        QVERIFY(table.addField(QStringLiteral("pagina"), 10).ok);
        QCOMPARE(table.fieldNames(),
                 QStringList({QStringLiteral("titolo"), QStringLiteral("pagina")}));
        QCOMPARE(table.rowCount(), 0);
        table.moveFirst();
        QCOMPARE(table.currentRow(), -1);
    }

    void rowsKeepTheirValuesInOrder()
    {
        TabellaPagine table;
        QVERIFY(table.addField(QStringLiteral("titolo"), 60).ok);
        QVERIFY(table.addField(QStringLiteral("pagina"), 10).ok);
        QVERIFY(table.addNew().ok);
        QVERIFY(table.setValue(u"titolo", QStringLiteral("COPIA")).ok);
        QVERIFY(table.setValue(u"pagina", QStringLiteral("1 di 3")).ok);
        QVERIFY(table.update().ok);
        // A field never set stays empty.
        QVERIFY(table.addNew().ok);
        QVERIFY(table.setValue(u"pagina", QStringLiteral("2 di 3")).ok);
        QVERIFY(table.update().ok);

        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.value(0, u"titolo"), QStringLiteral("COPIA"));
        QCOMPARE(table.value(0, u"pagina"), QStringLiteral("1 di 3"));
        QCOMPARE(table.value(1, u"titolo"), QString());
        QCOMPARE(table.value(1, u"pagina"), QStringLiteral("2 di 3"));
        QCOMPARE(table.currentRow(), 1);
        table.moveFirst();
        QCOMPARE(table.currentRow(), 0);
    }

    void tooLongValueIsAnErrorNotACut()
    {
        TabellaPagine table;
        QVERIFY(table.addField(QStringLiteral("pagina"), 10).ok);
        QVERIFY(table.addNew().ok);
        const TabellaPagine::Result r = table.setValue(u"pagina", QStringLiteral("100 di 1000"));
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("pagina")), qPrintable(r.error));
        QVERIFY(r.error.contains(QStringLiteral("10")));
        // The open row keeps its previous (empty) value.
        QVERIFY(table.update().ok);
        QCOMPARE(table.value(0, u"pagina"), QString());
    }

    void unknownFieldIsAnError()
    {
        TabellaPagine table;
        QVERIFY(table.addField(QStringLiteral("pagina"), 10).ok);
        QVERIFY(table.addNew().ok);
        const TabellaPagine::Result r = table.setValue(u"Pagina", QStringLiteral("1 di 3"));
        QVERIFY(!r.ok);
        QVERIFY(r.error.contains(QStringLiteral("Pagina")));
        QCOMPARE(table.value(0, u"Pagina"), QString());
    }

    void misuseIsRefused_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("set without an open row") << 0;
        QTest::newRow("commit without an open row") << 1;
        QTest::newRow("duplicate field") << 2;
        QTest::newRow("field after the first row") << 3;
        QTest::newRow("empty field name") << 4;
    }

    void misuseIsRefused()
    {
        QFETCH(int, step);
        TabellaPagine table;
        QVERIFY(table.addField(QStringLiteral("pagina"), 10).ok);
        TabellaPagine::Result r;
        switch (step) {
        case 0:
            r = table.setValue(u"pagina", QStringLiteral("1 di 3"));
            break;
        case 1:
            r = table.update();
            break;
        case 2:
            r = table.addField(QStringLiteral("pagina"), 20);
            break;
        case 3:
            QVERIFY(table.addNew().ok);
            QVERIFY(table.update().ok);
            r = table.addField(QStringLiteral("titolo"), 20);
            break;
        case 4:
            r = table.addField(QString(), 20);
            break;
        }
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(table.fieldNames(), QStringList({QStringLiteral("pagina")}));
    }

    void closeDropsEverything()
    {
        TabellaPagine table;
        QVERIFY(table.addField(QStringLiteral("pagina"), 10).ok);
        QVERIFY(table.addNew().ok);
        QVERIFY(table.update().ok);
        table.close();
        QVERIFY(table.isClosed());
        QCOMPARE(table.rowCount(), 0);
        QVERIFY(table.fieldNames().isEmpty());
        QVERIFY(!table.addNew().ok);
        QVERIFY(!table.addField(QStringLiteral("titolo"), 5).ok);
    }
};

QTEST_GUILESS_MAIN(TestTabellaPagine)
#include "tst_tabella_pagine.moc"
