#include "core/settings.h"

#include "../raw_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;

namespace {
Settings read(const QString &folder)
{
    SettingsStore store(folder);
    store.LeggiConfigurazione();
    return store.settings();
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    // What is missing keeps its default; an empty first line is an empty code.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file"); // "<none>" for no Tavo.cfg
        QTest::addColumn<QString>("codice");
        QTest::addColumn<QString>("autoscuola2");
        QTest::addColumn<QString>("pagine");
        QTest::newRow("no file") << QByteArray("<none>") << "9999"
                                 << "DI MARIO BIANCHI & C. S.N.C."
                                 << "3";
        QTest::newRow("short file") << QByteArray("0123\r\nA\r\nB\r\n") << "0123"
                                    << "B"
                                    << "3";
        QTest::newRow("empty first line") << QByteArray("\r\nA\r\n") << ""
                                          << "DI MARIO BIANCHI & C. S.N.C."
                                          << "3";
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, codice);
        QFETCH(QString, autoscuola2);
        QFETCH(QString, pagine);
        QTemporaryDir dir;
        if (file != "<none>")
            QVERIFY(writeRaw(dir.filePath("Tavo.cfg"), file));
        const Settings s = read(dir.path());
        QCOMPARE(s.CfgCodice, codice);
        QCOMPARE(s.CfgAutoscuola2, autoscuola2);
        QCOMPARE(s.CfgMargineSx, QStringLiteral("10"));
        QCOMPARE(s.CfgMargineTop, QStringLiteral("15"));
        QCOMPARE(s.CfgPagine, pagine);
        QCOMPARE(s.CfgFormato, QStringLiteral("A4"));
        QVERIFY(!s.CfgFascicola);
    }

    // Collation only with "Si", exactly "A4" and an even page count (rounded, 32 bits).
    void collation_data()
    {
        QTest::addColumn<QByteArray>("formato");
        QTest::addColumn<QByteArray>("pagine");
        QTest::addColumn<QByteArray>("line10");
        QTest::addColumn<bool>("on");
        QTest::newRow("A4 12 Si") << QByteArray("A4") << QByteArray("12") << QByteArray("Si")
                                  << true;
        QTest::newRow("odd pages")
            << QByteArray("A4") << QByteArray("3") << QByteArray("Si") << false;
        QTest::newRow("A5") << QByteArray("A5") << QByteArray("6") << QByteArray("Si") << false;
        QTest::newRow("lower-case a4")
            << QByteArray("a4") << QByteArray("6") << QByteArray("Si") << false;
        QTest::newRow("SI") << QByteArray("A4") << QByteArray("6") << QByteArray("SI") << false;
        QTest::newRow("empty count is 0, even")
            << QByteArray("A4") << QByteArray("") << QByteArray("Si") << true;
        QTest::newRow("2.5 rounds to 2")
            << QByteArray("A4") << QByteArray("2.5") << QByteArray("Si") << true;
        QTest::newRow("beyond 32 bits")
            << QByteArray("A4") << QByteArray("4294967296") << QByteArray("Si") << false;
    }
    void collation()
    {
        QFETCH(QByteArray, formato);
        QFETCH(QByteArray, pagine);
        QFETCH(QByteArray, line10);
        QFETCH(bool, on);
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath("Tavo.cfg"), "1\r\na\r\nb\r\nc\r\nd\r\n10\r\n15\r\n" +
                                                       pagine + "\r\n" + formato + "\r\n" + line10 +
                                                       "\r\nextra\r\n"));
        QCOMPARE(read(dir.path()).CfgFascicola, on);
    }

    void saveWritesTenLinesAndReadsBack()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const Settings values{"0123", "AUTOSCUOLA È", " due ", "VIA X", "CITTÀ",
                              "10",   "15",           "6",     "A4",    true};
        const auto result = store.SalvaConfigurazione(values);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(store.settings(), values);
        QCOMPARE(readRaw(store.filePath()),
                 QByteArray("0123\r\nAUTOSCUOLA \xc8\r\n due \r\nVIA X\r\nCITT\xc0\r\n10\r\n15\r\n"
                            "6\r\nA4\r\nSi\r\n"));
        QCOMPARE(read(dir.path()), values);
    }

    // A failed save keeps the old file and the values in memory, and says why.
    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("autoscuola1");
        QTest::newRow("folder gone") << "missing"
                                     << "A";
        QTest::newRow("folder is a file") << "Tavo.cfg"
                                          << "A";
        QTest::newRow("text Windows-1252 cannot hold") << "" << QStringLiteral("\u0141ÓDŹ");
    }
    void failedSaveKeepsEverything()
    {
        QFETCH(QString, folder);
        QFETCH(QString, autoscuola1);
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath("Tavo.cfg"), "0123\r\n"));
        SettingsStore store(dir.filePath(folder));
        store.LeggiConfigurazione();
        const Settings before = store.settings();
        Settings changed = before;
        changed.CfgAutoscuola1 = autoscuola1;
        const auto result = store.SalvaConfigurazione(changed);
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("non è stata salvata")));
        QCOMPARE(store.settings(), before);
        QCOMPARE(readRaw(dir.filePath("Tavo.cfg")), QByteArray("0123\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
