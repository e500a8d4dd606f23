#include "print/booklet_labels.h"
#include "reports/report_layout.h"

#include <QTest>

#include <map>

using namespace Tavo;
using namespace Qt::StringLiterals;
using Layout = BookletPages::Layout;

Q_DECLARE_METATYPE(Tavo::BookletPages::Layout)

namespace {
const QString kOriginal = u"ORIGINALE (retro a carta di ricalco)"_s;
// 52 hyphens separated by single blanks, 103 characters.
const QString kCut =
    QStringLiteral("- - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - "
                   "- - - - - - - - - - - - - - - - - - - -");

// The table's rows as their values joined by "|", in field order; the original heading reads
// "ORIG" and the cut line "CUT" (only when equal to the whole text).
QStringList allRows(const TabellaPagine &table)
{
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList values;
        for (const QString &field : table.fieldNames()) {
            const QString v = table.value(row, field);
            values.append(v == kOriginal ? u"ORIG"_s : v == kCut ? u"CUT"_s : v);
        }
        rows.append(values.join(QLatin1Char('|')));
    }
    return rows;
}

Settings school()
{
    Settings s = Settings::defaults();
    s.CfgCodice = u"0123"_s;
    s.CfgAutoscuola1 = u"AUTOSCUOLA ROSSI & FIGLI"_s;
    s.CfgAutoscuola2 = u"DI ROSSI MARIO"_s;
    s.CfgAutoscuola3 = u"VIA ROMA 1"_s;
    s.CfgAutoscuola4 = u"36100 VICENZA"_s;
    return s;
}

BookletLabels::LearnerTexts learner()
{
    // The number keeps its trailing blank: labels get the text as typed.
    return {
        {u"12VI123456 "_s, u"ANNA BIANCHI"_s, u"AB123CD"_s, u"GIUSEPPE VERDI"_s}, u"VICENZA"_s, 6};
}

std::map<QString, QString> textsOf(const Reports::ReportLayout &report)
{
    std::map<QString, QString> texts;
    for (const QString &name : report.controlNames())
        texts[name] = report.controlText(name);
    return texts;
}
} // namespace

class TestBooklet : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("rows"); // all rows, or the first and the last pair

        QTest::newRow("A5, 3 pages")
            << Layout::RptLibGuide << 3 << u"titolo|pagina|taglia"_s << 6
            << u"ORIG|1 di 3|CUT;COPIA|1 di 3|;ORIG|2 di 3|CUT;COPIA|2 di 3|;"
               "ORIG|3 di 3|CUT;COPIA|3 di 3|"_s;
        QTest::newRow("A5, 12 pages: first and last pair")
            << Layout::RptLibGuide << 12 << u"titolo|pagina|taglia"_s << 24
            << u"ORIG|1 di 12|CUT;COPIA|1 di 12|;ORIG|12 di 12|CUT;COPIA|12 di 12|"_s;
        QTest::newRow("A4 collated, 6 pages")
            << Layout::RptLibGuideA4f << 6 << u"taglia|titolo|pagina1|pagina2"_s << 6
            << u"CUT|ORIG|1 di 6|4 di 6;|COPIA|1 di 6|4 di 6;CUT|ORIG|2 di 6|5 di 6;"
               "|COPIA|2 di 6|5 di 6;CUT|ORIG|3 di 6|6 di 6;|COPIA|3 di 6|6 di 6"_s;
        QTest::newRow("A4 collated, 12 pages: first and last sheet pair")
            << Layout::RptLibGuideA4f << 12 << u"taglia|titolo|pagina1|pagina2"_s << 12
            << u"CUT|ORIG|1 di 12|7 di 12;|COPIA|1 di 12|7 di 12;"
               "CUT|ORIG|6 di 12|12 di 12;|COPIA|6 di 12|12 di 12"_s;
        QTest::newRow("A4, 3 pages")
            << Layout::RptLibGuideA4 << 3 << u"pagina"_s << 3 << u"1 di 3;2 di 3;3 di 3"_s;
        QTest::newRow("A4, 12 pages")
            << Layout::RptLibGuideA4 << 12 << u"pagina"_s << 12
            << u"1 di 12;2 di 12;3 di 12;4 di 12;5 di 12;6 di 12;7 di 12;8 di 12;9 di 12;"
               "10 di 12;11 di 12;12 di 12"_s;
        QTest::newRow("no pages") << Layout::RptLibGuide << 0 << u"titolo|pagina|taglia"_s << 0
                                  << QString();
        QTest::newRow("negative count")
            << Layout::RptLibGuideA4 << -4 << u"pagina"_s << 0 << QString();
    }

    void rows()
    {
        QFETCH(Layout, layout);
        QFETCH(int, pageCount);
        QFETCH(QString, fields);
        QFETCH(int, rowCount);
        QFETCH(QString, rows);

        TabellaPagine table;
        const TabellaPagine::Result result = BookletPages::fillPageTable(layout, pageCount, table);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(table.fieldNames().join(QLatin1Char('|')), fields);
        QCOMPARE(table.rowCount(), rowCount);
        QCOMPARE(table.currentRow(), rowCount > 0 ? 0 : -1);

        const QStringList actual = allRows(table);
        const QStringList expected = rows.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (expected.size() == rowCount) {
            QCOMPARE(actual, expected);
        } else {
            QCOMPARE(actual.mid(0, 2), expected.mid(0, 2));
            QCOMPARE(actual.mid(actual.size() - 2), expected.mid(2));
        }
    }

    void pageCountLimits()
    {
        // "999 di 999" is 10 characters and fits ("100 di 1000", 11, fails the print command).
        TabellaPagine fits;
        QVERIFY(BookletPages::fillPageTable(Layout::RptLibGuideA4, 999, fits).ok);
        QCOMPARE(fits.value(998, u"pagina"), u"999 di 999"_s);

        // A huge count fails at once, without filling rows first.
        TabellaPagine huge;
        QVERIFY(!BookletPages::fillPageTable(Layout::RptLibGuide, 2147483647, huge).ok);
        QCOMPARE(huge.rowCount(), 0);
    }

    void layoutChoice_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<bool>("fascicola");
        QTest::addColumn<Layout>("layout");
        QTest::newRow("A5") << u"A5"_s << false << Layout::RptLibGuide;
        QTest::newRow("A5 ignores collation") << u"A5"_s << true << Layout::RptLibGuide;
        QTest::newRow("lower-case a5") << u"a5"_s << false << Layout::RptLibGuideA4;
        QTest::newRow("A5 with a blank") << u"A5 "_s << false << Layout::RptLibGuideA4;
        QTest::newRow("A4") << u"A4"_s << false << Layout::RptLibGuideA4;
        QTest::newRow("A4 collated") << u"A4"_s << true << Layout::RptLibGuideA4f;
        QTest::newRow("other format") << u"A3"_s << false << Layout::RptLibGuideA4;
        QTest::newRow("empty format") << QString() << false << Layout::RptLibGuideA4;
    }

    void layoutChoice()
    {
        QFETCH(QString, formato);
        QFETCH(bool, fascicola);
        QFETCH(Layout, layout);
        Settings s = Settings::defaults();
        s.CfgFormato = formato;
        s.CfgFascicola = fascicola;
        QCOMPARE(BookletPages::chooseLayout(s), layout);
    }

    void labels_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<bool>("noPlateNorInstructor");
        QTest::newRow("RptLibGuide") << Layout::RptLibGuide << false;
        QTest::newRow("RptLibGuideA4") << Layout::RptLibGuideA4 << false;
        QTest::newRow("RptLibGuideA4f") << Layout::RptLibGuideA4f << false;
        QTest::newRow("A4, empty plate and instructor") << Layout::RptLibGuideA4 << true;
    }

    void labels()
    {
        QFETCH(Layout, layout);
        QFETCH(bool, noPlateNorInstructor);
        const auto report = BookletPages::createReport(layout);
        QCOMPARE(report->name(), BookletPages::layoutName(layout));
        const std::map<QString, QString> before = textsOf(*report);
        BookletLabels::LearnerTexts texts = learner();
        if (noPlateNorInstructor) {
            texts.input.targa.clear();
            texts.input.istruttore.clear();
        }

        const QString error = BookletLabels::fill(*report, layout, school(), texts);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        // The school's lines and the learner's name in every column (two on A5, three on A4);
        // "&" stays literal.
        const QString lines[] = {u"AUTOSCUOLA ROSSI & FIGLI"_s, u"DI ROSSI MARIO"_s,
                                 u"VIA ROMA 1"_s, u"36100 VICENZA"_s};
        std::map<QString, QString> expected = {
            {u"compone"_s, u"IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI 6 COPPIE DI "
                           "PAGINE IN ORIGINALE E COPIA"_s}};
        const bool a5 = layout == Layout::RptLibGuide;
        for (int column = 1; column <= (a5 ? 2 : 3); ++column) {
            for (int line = 1; line <= 4; ++line)
                expected[u"Ag%1%2"_s.arg(column).arg(line)] = lines[line - 1];
            expected[u"Cod%1"_s.arg(column)] = u"0123"_s;
            expected[u"Cognome%1"_s.arg(column)] = u"ANNA BIANCHI"_s;
        }
        // The lesson page's fields: once on A5, in both halves ("…2") on A4.
        const QString plate = noPlateNorInstructor ? QString() : u"AB123CD"_s;
        const QString teacher = noPlateNorInstructor ? QString() : u"GIUSEPPE VERDI"_s;
        for (const QString &suffix : a5 ? QStringList{QString()} : QStringList{QString(), u"2"_s}) {
            expected[u"UMC"_s + suffix] = u"VICENZA"_s;
            expected[u"NumFR"_s + suffix] = u"12VI123456 "_s;
            expected[u"Istruttore"_s + suffix] = teacher;
            expected[u"Targa"_s + suffix] = plate;
        }
        if (a5)
            QVERIFY(!report->control(u"Ag31"));
        for (const auto &[name, text] : expected)
            QCOMPARE(report->controlText(name), text);

        // Every other control keeps its design text.
        for (const auto &[name, text] : textsOf(*report)) {
            if (expected.count(name) == 0)
                QCOMPARE(text, before.at(name));
        }
    }

    void missingLabelIsNamed()
    {
        // The A5 layout has no right column: filling it as an A4 one must say what is missing.
        const auto report = BookletPages::createReport(Layout::RptLibGuide);
        const QString error =
            BookletLabels::fill(*report, Layout::RptLibGuideA4, school(), learner());
        QVERIFY2(error.contains(u"Ag31"_s), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestBooklet)
#include "tst_booklet.moc"
