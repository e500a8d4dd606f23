#include "print/booklet_pages.h"

#include <QTest>

using namespace Tavo;
using Layout = BookletPages::Layout;

Q_DECLARE_METATYPE(Tavo::BookletPages::Layout)

namespace {
const QString kOriginal = QStringLiteral("ORIGINALE (retro a carta di ricalco)");
const QString kCopy = QStringLiteral("COPIA");
// 52 hyphens separated by single blanks, 103 characters.
const QString kCut =
    QStringLiteral("- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - "
                   "- - - - - - - - - - - - - - - - - - - -");

// One row of the table as "field=value" pairs joined by "|", in the order of the fields.
QString rowText(const TabellaPagine &table, int row)
{
    QStringList parts;
    for (const QString &field : table.fieldNames())
        parts.append(field + QLatin1Char('=') + table.value(row, field));
    return parts.join(QLatin1Char('|'));
}

QStringList allRows(const TabellaPagine &table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.append(rowText(table, row));
    return rows;
}

QString a5(const QString &heading, const QString &page, bool cut)
{
    return QStringLiteral("titolo=%1|pagina=%2|taglia=%3")
        .arg(heading, page, cut ? kCut : QString());
}

QString a4f(const QString &heading, const QString &left, const QString &right, bool cut)
{
    return QStringLiteral("taglia=%1|titolo=%2|pagina1=%3|pagina2=%4")
        .arg(cut ? kCut : QString(), heading, left, right);
}

Settings settingsWith(const QString &formato, bool fascicola)
{
    Settings s = Settings::defaults();
    s.CfgFormato = formato;
    s.CfgFascicola = fascicola;
    return s;
}
} // namespace

class TestBookletPages : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("A5, 3 pages") << Layout::RptLibGuide << 3 << 6
                                     << QStringList{a5(kOriginal, QStringLiteral("1 di 3"), true),
                                                    a5(kCopy, QStringLiteral("1 di 3"), false),
                                                    a5(kOriginal, QStringLiteral("2 di 3"), true),
                                                    a5(kCopy, QStringLiteral("2 di 3"), false),
                                                    a5(kOriginal, QStringLiteral("3 di 3"), true),
                                                    a5(kCopy, QStringLiteral("3 di 3"), false)};
        QTest::newRow("A4 collated, 6 pages")
            << Layout::RptLibGuideA4f << 6 << 6
            << QStringList{a4f(kOriginal, QStringLiteral("1 di 6"), QStringLiteral("4 di 6"), true),
                           a4f(kCopy, QStringLiteral("1 di 6"), QStringLiteral("4 di 6"), false),
                           a4f(kOriginal, QStringLiteral("2 di 6"), QStringLiteral("5 di 6"), true),
                           a4f(kCopy, QStringLiteral("2 di 6"), QStringLiteral("5 di 6"), false),
                           a4f(kOriginal, QStringLiteral("3 di 6"), QStringLiteral("6 di 6"), true),
                           a4f(kCopy, QStringLiteral("3 di 6"), QStringLiteral("6 di 6"), false)};
        QTest::newRow("A4, 12 pages")
            << Layout::RptLibGuideA4 << 12 << 12
            << QStringList{QStringLiteral("pagina=1 di 12"),  QStringLiteral("pagina=2 di 12"),
                           QStringLiteral("pagina=3 di 12"),  QStringLiteral("pagina=4 di 12"),
                           QStringLiteral("pagina=5 di 12"),  QStringLiteral("pagina=6 di 12"),
                           QStringLiteral("pagina=7 di 12"),  QStringLiteral("pagina=8 di 12"),
                           QStringLiteral("pagina=9 di 12"),  QStringLiteral("pagina=10 di 12"),
                           QStringLiteral("pagina=11 di 12"), QStringLiteral("pagina=12 di 12")};
        QTest::newRow("A4, 3 pages")
            << Layout::RptLibGuideA4 << 3 << 3
            << QStringList{QStringLiteral("pagina=1 di 3"), QStringLiteral("pagina=2 di 3"),
                           QStringLiteral("pagina=3 di 3")};
        QTest::newRow("A4 collated, 12 pages: first and last sheet pair")
            << Layout::RptLibGuideA4f << 12 << 12
            << QStringList{
                   a4f(kOriginal, QStringLiteral("1 di 12"), QStringLiteral("7 di 12"), true),
                   a4f(kCopy, QStringLiteral("1 di 12"), QStringLiteral("7 di 12"), false),
                   a4f(kOriginal, QStringLiteral("6 di 12"), QStringLiteral("12 di 12"), true),
                   a4f(kCopy, QStringLiteral("6 di 12"), QStringLiteral("12 di 12"), false)};
        QTest::newRow("A5, 12 pages: first and last pair")
            << Layout::RptLibGuide << 12 << 24
            << QStringList{a5(kOriginal, QStringLiteral("1 di 12"), true),
                           a5(kCopy, QStringLiteral("1 di 12"), false),
                           a5(kOriginal, QStringLiteral("12 di 12"), true),
                           a5(kCopy, QStringLiteral("12 di 12"), false)};
        QTest::newRow("no pages") << Layout::RptLibGuide << 0 << 0 << QStringList();
        QTest::newRow("negative count") << Layout::RptLibGuideA4 << -4 << 0 << QStringList();
    }

    void rows()
    {
        QFETCH(Layout, layout);
        QFETCH(int, pageCount);
        QFETCH(int, rowCount);
        QFETCH(QStringList, rows);

        TabellaPagine table;
        const TabellaPagine::Result result = BookletPages::fillPageTable(layout, pageCount, table);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(table.rowCount(), rowCount);
        QCOMPARE(table.currentRow(), rowCount > 0 ? 0 : -1);

        const QStringList actual = allRows(table);
        if (rows.size() == rowCount) {
            QCOMPARE(actual, rows);
        } else {
            // Rows listed: the first pair and the last pair.
            QCOMPARE(actual.mid(0, 2), rows.mid(0, 2));
            QCOMPARE(actual.mid(actual.size() - 2), rows.mid(2));
        }
    }

    void pageNumberTooLongIsAnError()
    {
        // "999 di 999" is 10 characters and fits; "100 di 1000" is 11 and does not.
        TabellaPagine fits;
        QVERIFY(BookletPages::fillPageTable(Layout::RptLibGuideA4, 999, fits).ok);
        QCOMPARE(fits.value(998, u"pagina"), QStringLiteral("999 di 999"));

        TabellaPagine tooLong;
        const TabellaPagine::Result r =
            BookletPages::fillPageTable(Layout::RptLibGuideA4, 1000, tooLong);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("100 di 1000")), qPrintable(r.error));
    }

    void hugePageCountFailsAtOnce()
    {
        TabellaPagine table;
        QVERIFY(!BookletPages::fillPageTable(Layout::RptLibGuide, 2147483647, table).ok);
        QCOMPARE(table.rowCount(), 0);
    }

    void texts()
    {
        QCOMPARE(BookletPages::pageNumberText(2, 6), QStringLiteral("2 di 6"));
        QCOMPARE(BookletPages::compositionStatement(6),
                 QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI 6 COPPIE "
                                "DI PAGINE IN ORIGINALE E COPIA"));
        QCOMPARE(BookletPages::compositionStatement(12),
                 QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI 12 COPPIE "
                                "DI PAGINE IN ORIGINALE E COPIA"));
    }

    void layoutChoice_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<bool>("fascicola");
        QTest::addColumn<Layout>("layout");
        QTest::newRow("A5") << QStringLiteral("A5") << false << Layout::RptLibGuide;
        QTest::newRow("A5 ignores collation")
            << QStringLiteral("A5") << true << Layout::RptLibGuide;
        QTest::newRow("lower-case a5") << QStringLiteral("a5") << false << Layout::RptLibGuideA4;
        QTest::newRow("A5 with a blank") << QStringLiteral("A5 ") << false << Layout::RptLibGuideA4;
        QTest::newRow("A4") << QStringLiteral("A4") << false << Layout::RptLibGuideA4;
        QTest::newRow("A4 collated") << QStringLiteral("A4") << true << Layout::RptLibGuideA4f;
        QTest::newRow("other format") << QStringLiteral("A3") << false << Layout::RptLibGuideA4;
        QTest::newRow("empty format") << QString() << false << Layout::RptLibGuideA4;
    }

    void layoutChoice()
    {
        QFETCH(QString, formato);
        QFETCH(bool, fascicola);
        QFETCH(Layout, layout);
        QCOMPARE(BookletPages::chooseLayout(settingsWith(formato, fascicola)), layout);
    }
};

QTEST_GUILESS_MAIN(TestBookletPages)
#include "tst_booklet_pages.moc"
