#include "core/text_lines.h"

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
        QTest::newRow("no line end at all") << QByteArray(3 * 1024 * 1024, 'z') << 1;
        QTest::newRow("invalid UTF-8 is fine") << QByteArray("\xff\xfe\r\n") << 1;
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

    void readMissingFile()
    {
        QVERIFY(!TextLines::readFile(QStringLiteral("/nonexistent/x.txt"), 3).has_value());
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

    void writeIntoMissingFolderFails()
    {
        const auto result = TextLines::writeFile(QStringLiteral("/nonexistent/dir/out.txt"), {"x"});
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestTextLines)
#include "tst_text_lines.moc"
