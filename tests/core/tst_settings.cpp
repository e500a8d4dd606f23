#include "core/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void missingFileGivesDefaults()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        const Settings &s = store.settings();
        QCOMPARE(s.CfgCodice, QStringLiteral("9999"));
        QCOMPARE(s.CfgMargineSx, QStringLiteral("10"));
        QCOMPARE(s.CfgMargineTop, QStringLiteral("15"));
        QCOMPARE(s.CfgPagine, QStringLiteral("3"));
        QCOMPARE(s.CfgFormato, QStringLiteral("A4"));
        QVERIFY(!s.CfgFascicola);
        QVERIFY(!s.CfgAutoscuola1.isEmpty());
    }

    void shortFileKeepsDefaultsForTheRest()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), "0123\r\nAUTOSCUOLA ROSSI\r\nDI ROSSI MARIO\r\n");
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        const Settings &s = store.settings();
        QCOMPARE(s.CfgCodice, QStringLiteral("0123"));
        QCOMPARE(s.CfgAutoscuola1, QStringLiteral("AUTOSCUOLA ROSSI"));
        QCOMPARE(s.CfgAutoscuola2, QStringLiteral("DI ROSSI MARIO"));
        QCOMPARE(s.CfgAutoscuola3, Settings::defaults().CfgAutoscuola3);
        QCOMPARE(s.CfgPagine, QStringLiteral("3"));
        QVERIFY(!s.CfgFascicola);
    }

    void emptyFirstLineGivesEmptyCode()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), "\r\nX\r\n");
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        QCOMPARE(store.settings().CfgCodice, QString());
    }

    void collation_data()
    {
        QTest::addColumn<QByteArray>("formato");
        QTest::addColumn<QByteArray>("pagine");
        QTest::addColumn<QByteArray>("line10");
        QTest::addColumn<bool>("on");
        QTest::newRow("A4 6 Si") << QByteArray("A4") << QByteArray("6") << QByteArray("Si") << true;
        QTest::newRow("A4 12 Si") << QByteArray("A4") << QByteArray("12") << QByteArray("Si")
                                  << true;
        QTest::newRow("odd pages")
            << QByteArray("A4") << QByteArray("3") << QByteArray("Si") << false;
        QTest::newRow("A5") << QByteArray("A5") << QByteArray("6") << QByteArray("Si") << false;
        QTest::newRow("lower-case a4")
            << QByteArray("a4") << QByteArray("6") << QByteArray("Si") << false;
        QTest::newRow("blank before A4")
            << QByteArray(" A4") << QByteArray("6") << QByteArray("Si") << false;
        QTest::newRow("si") << QByteArray("A4") << QByteArray("6") << QByteArray("si") << false;
        QTest::newRow("SI") << QByteArray("A4") << QByteArray("6") << QByteArray("SI") << false;
        QTest::newRow("Si blank") << QByteArray("A4") << QByteArray("6") << QByteArray("Si ")
                                  << false;
        QTest::newRow("No") << QByteArray("A4") << QByteArray("6") << QByteArray("No") << false;
        QTest::newRow("empty count is 0, even")
            << QByteArray("A4") << QByteArray("") << QByteArray("Si") << true;
        QTest::newRow("words count 0")
            << QByteArray("A4") << QByteArray("tante") << QByteArray("Si") << true;
        QTest::newRow("negative odd")
            << QByteArray("A4") << QByteArray("-3") << QByteArray("Si") << false;
        QTest::newRow("2.5 rounds to 2")
            << QByteArray("A4") << QByteArray("2.5") << QByteArray("Si") << true;
        QTest::newRow("beyond 32 bits")
            << QByteArray("A4") << QByteArray("4294967296") << QByteArray("Si") << false;
        QTest::newRow("infinite") << QByteArray("A4") << QByteArray("1E999") << QByteArray("Si")
                                  << false;
    }
    void collation()
    {
        QFETCH(QByteArray, formato);
        QFETCH(QByteArray, pagine);
        QFETCH(QByteArray, line10);
        QFETCH(bool, on);
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), "1\r\na\r\nb\r\nc\r\nd\r\n10\r\n15\r\n" + pagine +
                                               "\r\n" + formato + "\r\n" + line10 +
                                               "\r\nextra\r\n");
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        QCOMPARE(store.settings().CfgFascicola, on);
        QCOMPARE(store.settings().CfgFormato, QString::fromLatin1(formato));
    }

    void saveWritesTenLinesAndReadsBack()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const Settings values{QStringLiteral("0123"),  QStringLiteral("AUTOSCUOLA È"),
                              QStringLiteral(" due "), QStringLiteral("VIA X"),
                              QStringLiteral("CITTÀ"), QStringLiteral("10"),
                              QStringLiteral("15"),    QStringLiteral("6"),
                              QStringLiteral("A4"),    true};
        const auto result = store.SalvaConfigurazione(values);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(store.settings(), values);
        QCOMPARE(readRaw(store.filePath()),
                 QByteArray("0123\r\nAUTOSCUOLA \xc8\r\n due \r\nVIA X\r\nCITT\xc0\r\n10\r\n15\r\n"
                            "6\r\nA4\r\nSi\r\n"));
        SettingsStore reread(dir.path());
        reread.LeggiConfigurazione();
        QCOMPARE(reread.settings(), values);
    }

    void saveWhereTheFolderIsAFileFails()
    {
        // Root may write anywhere, but nobody can create a file inside a regular file.
        QTemporaryDir dir;
        writeRaw(dir.filePath("plain"), "x");
        SettingsStore store(dir.filePath("plain"));
        QVERIFY(!store.SalvaConfigurazione(Settings::defaults()).ok);
    }

    void saveIntoUnwritableFolderKeepsEverything()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), "0123\r\n");
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        const Settings before = store.settings();
        // A folder that disappeared (a removed USB stick, a deleted share) cannot take the
        // new file; neither the old file nor memory may change.
        SettingsStore gone(dir.filePath("missing"));
        gone.LeggiConfigurazione();
        const Settings goneBefore = gone.settings();
        Settings changed = before;
        changed.CfgCodice = QStringLiteral("4444");
        const auto result = gone.SalvaConfigurazione(changed);
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("non è stata salvata")));
        QCOMPARE(gone.settings(), goneBefore);
        QCOMPARE(readRaw(dir.filePath("Tavo.cfg")), QByteArray("0123\r\n"));
    }

    void saveRefusesUnencodableTextAndKeepsOldFile()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), "0123\r\n");
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        Settings changed = store.settings();
        changed.CfgAutoscuola1 = QStringLiteral("\u0141ÓDŹ");
        QVERIFY(!store.SalvaConfigurazione(changed).ok);
        QCOMPARE(store.settings().CfgCodice, QStringLiteral("0123"));
        QCOMPARE(readRaw(store.filePath()), QByteArray("0123\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
