#include "core/province_converter.h"
#include "core/settings.h"
#include "core/text_lines.h"
#include "core/windows1252.h"

#include "../raw_files.h"
#include "../small_disk.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Tavo;

// The program's files: Windows-1252 text with CR LF line ends, read silently and boundedly,
// written whole or not at all.
class TestCoreFiles : public QObject
{
    Q_OBJECT

private slots:
    // Every byte survives a round trip, the five undefined ones too; what has no byte is
    // refused, never changed.
    void windows1252()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.mid(0x80, 1), QStringLiteral("€"));
        QCOMPARE(text.mid(0x9F, 1), QStringLiteral("Ÿ"));
        QCOMPARE(Windows1252::encode(text).value_or(QByteArray()), all);
        for (const QString &refused : {u"\u0080"_qs, u"\u0141ODZ"_qs, u"A\U0001F600"_qs})
            QVERIFY(!Windows1252::encode(refused).has_value());
    }

    // CR LF, a lone CR and a lone LF end a line; valid UTF-8 that uses it, with or without a
    // byte-order mark, is UTF-8, anything else Windows-1252. Reading stops after 1 MiB, and
    // what lies beyond or is not ended by then is absent. A CR at the end of one 64 KiB chunk
    // and its LF at the start of the next are one line end.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("line ends")
            << QByteArray("a\r\nb\rc\nd\n\r\n\xe8") << QStringList{"a", "b", "c", "d", "", "è"};
        QTest::newRow("UTF-8") << QByteArray("L'\xc3\x88LITE\nFORL\xc3\x8c")
                               << QStringList{"L'ÈLITE", "FORLÌ"};
        QTest::newRow("not UTF-8") << QByteArray("\xc3\x88\xe8") << QStringList{"Ã\u02c6è"};
        QTest::newRow("CR LF across chunks") << QByteArray(64 * 1024 - 1, 'x') + "\r\nsecond"
                                             << QStringList{QString(64 * 1024 - 1, u'x'), "second"};
        QTest::newRow("a line beyond 1 MiB")
            << QByteArray("A\r\n") + QByteArray(2 * 1024 * 1024, 'x') + "\r\nB\r\n"
            << QStringList{"A"};
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath("f.txt"), bytes));
        QCOMPARE(TextLines::readFile(dir.filePath("f.txt"), 10, 1 << 20).value_or(QStringList{"?"}),
                 lines);
    }

    // A save happens whole or leaves the old file and says why, also in place (as user nobody).
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text Windows-1252 cannot hold") << u"\u0141ODZ"_qs << u"\u0141ODZ"_qs;
        const QString full = u"Tavo.cfg: il disco è pieno; il file precedente è rimasto intatto"_qs;
        QTest::newRow("full disk") << QString(16 * 1024, u'n') << full;
        QTest::newRow("in place: the file, not its folder") << QString(16 * 1024, u'n') << full;
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        SmallDisk disk(256);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs disk (needs root)");
        const QString path = disk.filePath("Tavo.cfg");
        QVERIFY(writeRaw(path, "old\r\n"));
        const bool inPlace = QByteArray(QTest::currentDataTag()).startsWith("in place");
        QVERIFY(!inPlace || (chmod(QFile::encodeName(disk.filePath({})).constData(), 0750) == 0 &&
                             chown(QFile::encodeName(path).constData(), 65534, 65534) == 0));
        disk.fill();
        const int asNobody = inPlace ? setresuid(65534, 65534, 0) : 0;
        const auto result = TextLines::writeFile(path, {text});
        QVERIFY(setresuid(0, 0, 0) == 0 && asNobody == 0);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(reason), qPrintable(result.error));
        QCOMPARE(readRaw(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(disk.filePath({})).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"filler", "Tavo.cfg"}));
    }

    // What an interrupted save left (".NAME.tavo-", six letters or digits, ".part", over a
    // minute old) goes; the school's own copies stay, whatever their names and ages.
    void saveRemovesOnlyItsStaleTemporaries()
    {
        QTemporaryDir dir;
        const QStringList kept = {".Tavo.txt.tavo-fresh1.part", ".Tavo.txt.tavo-a1B2c3d.part",
                                  "Tavo.txt.a1B2c3", "Tavo.txt.backup", "Tavo.txt.copia1"};
        for (const QString &name : kept + QStringList{".Tavo.txt.tavo-a1B2c3.part"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (name != kept.first())
                QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                      QFileDevice::FileModificationTime));
        }
        QVERIFY(TextLines::writeFile(dir.filePath("Tavo.txt"), {"AB123CD"}).ok);
        QStringList left = kept + QStringList{"Tavo.txt"};
        left.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), left);
    }

    // A save writes to a regular file or creates one: a link is followed to the file it names;
    // a pipe, a link to nothing or to a pipe (or a folder, as the headless print finds) is
    // refused and stays as it was.
    void savesWriteOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("error"); // empty: "file" is written
        QTest::newRow("link to a file") << "link to file"
                                        << "";
        QTest::newRow("pipe") << "pipe"
                              << "non è un file ordinario";
        QTest::newRow("link to a pipe") << "link to pipe"
                                        << "non è un file ordinario";
        QTest::newRow("link to nothing") << "link to nothing"
                                         << "collegamento a un file che non";
    }
    void savesWriteOnlyRegularFiles()
    {
        QFETCH(QString, target);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath("file"), "old\r\n") && QDir(dir.path()).mkdir("folder"));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        for (const QString name : {"file", "pipe", "nothing"})
            QVERIFY(QFile::link(name, dir.filePath("link to " + name)));
        const auto result = TextLines::writeFile(dir.filePath(target), {"new"});
        QCOMPARE(result.ok, error.isEmpty());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QCOMPARE(QFileInfo(dir.filePath(target)).isFile(), error.isEmpty()); // no file in its place
        QCOMPARE(readRaw(dir.filePath("file")), error.isEmpty() ? "new\r\n" : "old\r\n");
    }

    // Settings: what is missing keeps its default; collation only with "Si", exactly "A4" and
    // an even page count (rounded, within 32 bits). The file's lines have "|" between them.
    void settingsRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("read"); // code, page count, collation
        QTest::newRow("no file") << ""
                                 << "9999 3 0";
        QTest::newRow("empty first line") << "|A"
                                          << " 3 0";
        QTest::newRow("A4, 12, Si") << "1|a|b|c|d|10|15|12|A4|Si"
                                    << "1 12 1";
        QTest::newRow("odd pages") << "1|a|b|c|d|10|15|3|A4|Si"
                                   << "1 3 0";
        QTest::newRow("lower-case a4") << "1|a|b|c|d|10|15|6|a4|Si"
                                       << "1 6 0";
        QTest::newRow("SI") << "1|a|b|c|d|10|15|6|A4|SI"
                            << "1 6 0";
        QTest::newRow("2.5 rounds to 2") << "1|a|b|c|d|10|15|2.5|A4|Si"
                                         << "1 2.5 1";
        QTest::newRow("beyond 32 bits") << "1|a|b|c|d|10|15|4294967296|A4|Si"
                                        << "1 4294967296 0";
    }
    void settingsRead()
    {
        QFETCH(QString, file);
        QFETCH(QString, read);
        QTemporaryDir dir;
        QVERIFY(file.isEmpty() ||
                writeRaw(dir.filePath("Tavo.cfg"), file.toLatin1().replace('|', "\r\n") + "\r\n"));
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        const Settings &s = store.settings();
        QCOMPARE(u"%1 %2 %3"_qs.arg(s.CfgCodice, s.CfgPagine).arg(s.CfgFascicola), read);
    }

    void settingsSaveAndReadBack()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const Settings values{"0123", "AUTOSCUOLA È", " due ", "VIA X", "CITTÀ",
                              "10",   "15",           "6",     "A4",    true};
        QVERIFY(store.SalvaConfigurazione(values).ok);
        QCOMPARE(store.settings(), values);
        QCOMPARE(readRaw(store.filePath()),
                 QByteArray("0123\r\nAUTOSCUOLA \xc8\r\n due \r\nVIA X\r\nCITT\xc0\r\n10\r\n15\r\n"
                            "6\r\nA4\r\nSi\r\n"));
        SettingsStore reread(dir.path());
        reread.LeggiConfigurazione();
        QCOMPARE(reread.settings(), values);
        // A failed save keeps file and memory, and says so.
        SettingsStore gone(dir.filePath("missing"));
        QVERIFY(gone.SalvaConfigurazione(values).error.contains(u"non è stata salvata"_qs));
        QCOMPARE(gone.settings(), Settings::defaults());
    }

    // The converter numbers the lines of Export.txt after its header, dropping EE, and reads it
    // as the settings; without a usable input (none, or no regular file: a pipe would hang it)
    // it stops at once and keeps the old Province.txt.
    void provinceConverter()
    {
        QTemporaryDir dir;
        const QString input = dir.filePath("Export.txt");
        QVERIFY(writeRaw(dir.filePath("Province.txt"), "old\r\n"));
        QVERIFY(!ProvinceConverter::convert(dir.path()).ok);
        QCOMPARE(mkfifo(QFile::encodeName(input).constData(), 0600), 0);
        QVERIFY(!ProvinceConverter::convert(dir.path()).ok);
        QCOMPARE(readRaw(dir.filePath("Province.txt")), QByteArray("old\r\n"));
        QVERIFY(QFile::remove(input) &&
                writeRaw(input, "Sigla;Nome\nAG;A\nEE;ESTERO\n\nFORL\xc3\x8c;\"B"));
        QVERIFY(ProvinceConverter::convert(dir.path()).ok);
        QCOMPARE(readRaw(dir.filePath("Province.txt")),
                 QByteArray("Prov(1)=\"AG;A\"\r\nProv(2)=\"\"\r\nProv(3)=\"FORL\xcc;\"B\"\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestCoreFiles)
#include "tst_core_files.moc"
