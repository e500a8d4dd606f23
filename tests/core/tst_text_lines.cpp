#include "core/text_lines.h"

#include "../raw_files.h"
#include "../small_disk.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Tavo;

class TestTextLines : public QObject
{
    Q_OBJECT

private slots:
    // CR LF or a lone CR ends a line, a lone LF is data; reading stops after 1 MiB, and what
    // lies beyond or is not ended by then is absent. A CR at the end of one 64 KiB chunk and
    // its LF at the start of the next are one line end.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("line ends")
            << QByteArray("a\r\nb\rc\nd\r\n\r\ne") << QStringList{"a", "b", "c\nd", "", "e"};
        QTest::newRow("windows-1252") << QByteArray("\x80\xe8\r\n") << QStringList{"€è"};
        QTest::newRow("CR LF across chunks") << QByteArray(64 * 1024 - 1, 'x') + "\r\nsecond"
                                             << QStringList{QString(64 * 1024 - 1, u'x'), "second"};
        QTest::newRow("no line end in 1 MiB") << QByteArray(3 * 1024 * 1024, 'z') << QStringList{};
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

    // A device, a pipe or a folder in place of a file reads as a missing file, at once: a pipe
    // without a writer would block, /dev/zero would never end.
    void readOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/x.txt");
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
        QTest::newRow("folder") << QDir::tempPath();
        QTest::newRow("pipe") << QStringLiteral("pipe");
    }
    void readOnlyRegularFiles()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        if (path == QLatin1String("pipe")) {
            path = dir.filePath(path);
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        QVERIFY(!TextLines::readFile(path, 3).has_value());
    }

    void writeUsesCrLfAndReplacesLineBreaks()
    {
        QTemporaryDir dir;
        const auto result = TextLines::writeFile(dir.filePath("out.txt"), {"è", "a\r\nb", ""});
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(readRaw(dir.filePath("out.txt")), QByteArray("\xe8\r\na  b\r\n\r\n"));
    }

    // A save either happens whole or leaves the old file, and says why.
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text Windows-1252 cannot hold")
            << QStringLiteral("\u0141ODZ") << QStringLiteral("\u0141ODZ");
        QTest::newRow("full disk") << QString(16 * 1024, u'n') << QStringLiteral("Tavo.cfg");
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
        disk.fill();
        const auto result = TextLines::writeFile(path, {text});
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(reason), qPrintable(result.error));
        QCOMPARE(readRaw(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(disk.filePath({})).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"filler", "Tavo.cfg"}));
    }

    void saveRemovesTemporariesLeftByAnInterruptedSave()
    {
        QTemporaryDir dir;
        const QStringList left = {"Tavo.txt.a1B2c3", "Tavo.txt.Zz9999"};
        const QStringList kept = {"Tavo.txt.fresh1", "Tavo.txt.bak", "Tavo.txt.a1B2c3d"};
        for (const QString &name : left + kept) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (name != QLatin1String("Tavo.txt.fresh1"))
                QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                      QFileDevice::FileModificationTime));
        }
        QVERIFY(TextLines::writeFile(dir.filePath("Tavo.txt"), {"AB123CD"}).ok);
        QStringList expected = kept + QStringList{"Tavo.txt"};
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    }
};

QTEST_APPLESS_MAIN(TestTextLines)
#include "tst_text_lines.moc"
