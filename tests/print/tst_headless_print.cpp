#include "pdf_probe.h"
#include "tavo_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kLearner = QStringLiteral("12VI123456§MARIO*ZANELLATO");

QStringList schoolSettings(const QString &pagine, const QString &formato, const QString &fascicola)
{
    return {QStringLiteral("0123"),
            QStringLiteral("AUTOSCUOLA BERICA"),
            QStringLiteral("DI BIANCHI"),
            QStringLiteral("VIA ROMA 1"),
            QStringLiteral("VICENZA"),
            QStringLiteral("10"),
            QStringLiteral("15"),
            pagine,
            formato,
            fascicola};
}

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestHeadlessPrint : public QObject
{
    Q_OBJECT

private slots:
    void pdfWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("pages");
        QTest::newRow("A4 collated, 12 pages")
            << schoolSettings(QStringLiteral("12"), QStringLiteral("A4"), QStringLiteral("Si"))
            << 13;
        QTest::newRow("A5, 6 pages")
            << schoolSettings(QStringLiteral("6"), QStringLiteral("A5"), QStringLiteral("No"))
            << 14;
        QTest::newRow("no settings file: A4, 3 pages") << QStringList() << 4;
    }

    void pdfWithoutDisplay()
    {
        QFETCH(QStringList, settings);
        QFETCH(int, pages);
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        if (!settings.isEmpty())
            QVERIFY(TavoRun::writeSettings(dir.path(), settings));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("Tavo.txt")),
                         "AB123CD\r\nGIUSEPPE VERDI\r\nUfficio\r\n"));
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));

        const TavoRun::Result result =
            TavoRun::run(dir.path(), {QStringLiteral("--pdf"), pdf, kLearner});
        QVERIFY(result.finished);
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));

        QCOMPARE(PdfProbe::info(pdf).pages, pages);
        const QString text = PdfProbe::text(pdf);
        QVERIFY(text.contains(QStringLiteral("MARIO ZANELLATO")));
        QVERIFY(text.contains(QStringLiteral("VICENZA")));
        // Plate and instructor come from Tavo.txt; the remembered printer stays.
        QVERIFY(text.contains(QStringLiteral("AB123CD")));
        QVERIFY(text.contains(QStringLiteral("GIUSEPPE VERDI")));
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("Tavo.txt"))),
                 QByteArray("AB123CD\r\nGIUSEPPE VERDI\r\nUfficio\r\n"));
    }

    void optionsOverrideRememberedValues()
    {
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("Tavo.txt")),
                         "AB123CD\r\nGIUSEPPE VERDI\r\nUfficio\r\n"));
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        // Set as the program sets values: no upper-casing, longer than the 8 a user may type.
        const TavoRun::Result result =
            TavoRun::run(dir.path(), {QStringLiteral("--targa"), QStringLiteral("zz999yy-prova"),
                                      QStringLiteral("--istruttore"), QStringLiteral("Luisa Neri"),
                                      QStringLiteral("--pdf"), pdf, kLearner});
        QVERIFY2(result.exitCode == 0, qPrintable(result.standardError));
        const QString text = PdfProbe::text(pdf);
        QVERIFY(text.contains(QStringLiteral("zz999yy-prova")));
        QVERIFY(text.contains(QStringLiteral("Luisa Neri")));
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("Tavo.txt"))),
                 QByteArray("zz999yy-prova\r\nLuisa Neri\r\nUfficio\r\n"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString pdf = QStringLiteral("out.pdf");
        const QString pdfOption = QStringLiteral("--pdf");

        QTest::newRow("wrong number") << QStringList{pdfOption, pdf, QStringLiteral("12XX123456§A")}
                                      << 2 << QStringLiteral("Numero autorizzazione errato");
        QTest::newRow("no section sign")
            << QStringList{pdfOption, pdf, QStringLiteral("12VI123456")} << 2
            << QStringLiteral("Numero autorizzazione errato");
        QTest::newRow("no name") << QStringList{pdfOption, pdf, QStringLiteral("12VI123456§**")}
                                 << 2 << QStringLiteral("Nome allievo non presente");
        QTest::newRow("unknown printer")
            << QStringList{QStringLiteral("--stampante"), QStringLiteral("NessunaCoda"), kLearner}
            << 1 << QStringLiteral("Stampante sconosciuta: NessunaCoda");
        QTest::newRow("missing folder")
            << QStringList{pdfOption, QStringLiteral("manca/out.pdf"), kLearner} << 1
            << QStringLiteral("Impossibile scrivere il file PDF");
    }

    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(TavoRun::install(dir.path()));
        const TavoRun::Result result = TavoRun::run(dir.path(), arguments);
        QVERIFY(result.finished);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.standardError.contains(message), qPrintable(result.standardError));
        // Nothing printed, nothing remembered.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("Tavo")}));
    }
};

QTEST_GUILESS_MAIN(TestHeadlessPrint)
#include "tst_headless_print.moc"
