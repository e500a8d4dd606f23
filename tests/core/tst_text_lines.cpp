#include "core/text_lines.h"

#include "../small_disk.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Tavo;

namespace {
void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestTextLines : public QObject
{
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF is data") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("windows-1252")
            << QByteArray("\x80\xe8\r\n") << QStringList{QStringLiteral("€è")};
    }
    void split()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextLines::split(bytes), lines);
    }

    void readFileMatchesSplitAcrossChunks()
    {
        // A CR at the end of one 64 KiB chunk and its LF at the start of the next are one end.
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        QByteArray bytes(64 * 1024 - 1, 'x');
        bytes += "\r\nsecond\r\nthird";
        writeRaw(path, bytes);
        const auto lines = TextLines::readFile(path, 10, 1 << 20);
        QVERIFY(lines);
        QCOMPARE(lines->size(), 3);
        QCOMPARE(lines->at(1), QStringLiteral("second"));
        QCOMPARE(lines->at(2), QStringLiteral("third"));
    }

    void readFileSurvivesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("NUL bytes") << QByteArray("a\0b\r\nc", 6) << 2;
        QTest::newRow("invalid UTF-8 is fine") << QByteArray("\xff\xfe\r\n") << 1;
        // Reading stops after 1 MiB: what lies beyond, or is not ended by then, is absent.
        QTest::newRow("no line end at all") << QByteArray(3 * 1024 * 1024, 'z') << 0;
        QTest::newRow("a line beyond 1 MiB")
            << QByteArray("A\r\n") + QByteArray(2 * 1024 * 1024, 'x') + "\r\nB\r\n"
            << 1;
    }
    void readFileSurvivesBadFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lineCount);
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        writeRaw(path, bytes);
        const auto lines = TextLines::readFile(path, 10);
        QVERIFY(lines);
        QCOMPARE(lines->size(), lineCount);
        for (const QString &line : *lines)
            QVERIFY(line.size() <= 64 * 1024);
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
        const QString path = dir.filePath("out.txt");
        const auto result =
            TextLines::writeFile(path, {QStringLiteral("è"), QStringLiteral("a\r\nb"), QString()});
        QVERIFY2(result.ok, qPrintable(result.error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xe8\r\na  b\r\n\r\n"));
    }

    void writeRefusesWhatCannotBeEncodedAndKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        writeRaw(path, "old\r\n");
        const auto result = TextLines::writeFile(path, {QStringLiteral("\u0141ODZ")});
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("\u0141ODZ")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old\r\n"));
    }

    void fullDiskKeepsTheOldFile()
    {
        SmallDisk disk(256);
        if (!disk.isMounted())
            QSKIP("cannot mount a small tmpfs disk (needs root)");
        const QString path = disk.filePath(QStringLiteral("Tavo.cfg"));
        writeRaw(path, "old\r\n");
        disk.fill();

        const auto result = TextLines::writeFile(path, {QString(16 * 1024, u'n')});
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("Tavo.cfg")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old\r\n"));
        QCOMPARE(QDir(disk.filePath({})).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"filler", "Tavo.cfg"}));
    }

    void saveRemovesTemporariesLeftByAnInterruptedSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tavo.txt");
        const QStringList left = {"Tavo.txt.a1B2c3", "Tavo.txt.Zz9999"};
        const QStringList kept = {"Tavo.txt.fresh1", "Tavo.txt.bak", "Tavo.txt.a1B2c3d"};
        for (const QString &name : left + kept) {
            writeRaw(dir.filePath(name), "x");
            if (name != QLatin1String("Tavo.txt.fresh1")) {
                QFile f(dir.filePath(name));
                QVERIFY(f.open(QIODevice::ReadWrite));
                QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                      QFileDevice::FileModificationTime));
            }
        }
        QVERIFY(TextLines::writeFile(path, {"AB123CD"}).ok);
        QStringList expected = kept + QStringList{"Tavo.txt"};
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    }

    void writeIntoMissingFolderFails()
    {
        const auto result = TextLines::writeFile(QStringLiteral("/nonexistent/dir/out.txt"), {"x"});
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestTextLines)
#include "tst_text_lines.moc"
