#include "core/province_converter.h"
#include "core/province_table.h"

#include "../raw_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;

class TestProvinceTable : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("VI") << "VI"
                            << "VICENZA";
        QTest::newRow("AQ") << "AQ"
                            << "L'AQUILA";
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
        QTest::newRow("three letters") << "VIC"
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
        QTest::newRow("header skipped, EE dropped, numbering continues")
            << QByteArray("Sigla;Nome\r\nAG;AGRIGENTO\r\nEE;ESTERO\r\nAL;ALESSANDRIA\r\n")
            << QByteArray("Prov(1)=\"AG;AGRIGENTO\"\r\nProv(2)=\"AL;ALESSANDRIA\"\r\n");
        QTest::newRow("blank line takes a number")
            << QByteArray("h\r\nAG;A\r\n\r\nAL;B\r\n")
            << QByteArray("Prov(1)=\"AG;A\"\r\nProv(2)=\"\"\r\nProv(3)=\"AL;B\"\r\n");
        QTest::newRow("last line without CR LF, quote copied")
            << QByteArray("h\r\nA\"B") << QByteArray("Prov(1)=\"A\"B\"\r\n");
    }
    void convert()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath("Export.txt"), input));
        const auto result = ProvinceConverter::convert(dir.path());
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(readRaw(dir.filePath("Province.txt")), output);
    }

    void failedConversionKeepsOldOutput_data()
    {
        QTest::addColumn<QByteArray>("input"); // "<none>" for no Export.txt
        QTest::newRow("missing Export.txt") << QByteArray("<none>");
        QTest::newRow("empty Export.txt") << QByteArray();
    }
    void failedConversionKeepsOldOutput()
    {
        QFETCH(QByteArray, input);
        QTemporaryDir dir;
        if (input != "<none>")
            QVERIFY(writeRaw(dir.filePath("Export.txt"), input));
        QVERIFY(writeRaw(dir.filePath("Province.txt"), "Prov(1)=\"AG;AGRIGENTO\"\r\n"));
        const auto result = ProvinceConverter::convert(dir.path());
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("Export.txt")));
        QCOMPARE(readRaw(dir.filePath("Province.txt")), QByteArray("Prov(1)=\"AG;AGRIGENTO\"\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestProvinceTable)
#include "tst_province_table.moc"
