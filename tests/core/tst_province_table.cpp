#include "core/province_converter.h"
#include "core/province_table.h"

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
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestProvinceTable : public QObject
{
    Q_OBJECT

private slots:
    void tableIsSortedAndComplete()
    {
        QCOMPARE(QByteArray(Prov()[0]), QByteArray());
        for (std::size_t i = 2; i < Prov().size(); ++i)
            QVERIFY2(qstrncmp(Prov()[i - 1], Prov()[i], 2) < 0, Prov()[i]);
        QCOMPARE(QByteArray(Prov()[102]), QByteArray("VV;VIBO VALENTIA"));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("VI") << "VI"
                            << "VICENZA";
        QTest::newRow("RM") << "RM"
                            << "ROMA";
        QTest::newRow("AQ") << "AQ"
                            << "L'AQUILA";
        QTest::newRow("FO") << "FO"
                            << "FORLI'";
        QTest::newRow("CL single S") << "CL"
                                     << "CALTANISETTA";
        QTest::newRow("first row") << "AG"
                                   << "AGRIGENTO";
        QTest::newRow("last row") << "VV"
                                  << "VIBO VALENTIA";
        QTest::newRow("lower case") << "vi"
                                    << "";
        QTest::newRow("abroad") << "EE"
                                << "";
        QTest::newRow("unknown") << "XX"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("three letters") << "VIC"
                                       << "";
        QTest::newRow("one letter") << "V"
                                    << "";
    }
    void lookup()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(NomeProvincia(code), name);
    }

    void convert_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("EE dropped, numbering continues")
            << QByteArray("Sigla;Nome\r\nAG;AGRIGENTO\r\nEE;ESTERO\r\nAL;ALESSANDRIA\r\n")
            << QByteArray("Prov(1)=\"AG;AGRIGENTO\"\r\nProv(2)=\"AL;ALESSANDRIA\"\r\n");
        QTest::newRow("header only") << QByteArray("Sigla;Nome\r\n") << QByteArray();
        QTest::newRow("blank line takes a number")
            << QByteArray("h\r\nAG;A\r\n\r\nAL;B\r\n")
            << QByteArray("Prov(1)=\"AG;A\"\r\nProv(2)=\"\"\r\nProv(3)=\"AL;B\"\r\n");
        QTest::newRow("last line without CR LF")
            << QByteArray("h\r\nAG;A") << QByteArray("Prov(1)=\"AG;A\"\r\n");
        QTest::newRow("quote copied as it is")
            << QByteArray("h\r\nA\"B\r\n") << QByteArray("Prov(1)=\"A\"B\"\r\n");
    }
    void convert()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        writeRaw(dir.filePath("Export.txt"), input);
        const auto result = ProvinceConverter::convert(dir.path());
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(readRaw(dir.filePath("Province.txt")), output);
    }

    void failedConversionKeepsOldOutput_data()
    {
        QTest::addColumn<bool>("createInput");
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("missing Export.txt") << false << QByteArray();
        QTest::newRow("empty Export.txt") << true << QByteArray();
    }
    void failedConversionKeepsOldOutput()
    {
        QFETCH(bool, createInput);
        QFETCH(QByteArray, input);
        QTemporaryDir dir;
        if (createInput)
            writeRaw(dir.filePath("Export.txt"), input);
        writeRaw(dir.filePath("Province.txt"), "Prov(1)=\"AG;AGRIGENTO\"\r\n");
        const auto result = ProvinceConverter::convert(dir.path());
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("Export.txt")));
        QCOMPARE(readRaw(dir.filePath("Province.txt")), QByteArray("Prov(1)=\"AG;AGRIGENTO\"\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestProvinceTable)
#include "tst_province_table.moc"
