#include "print/booklet_labels.h"
#include "reports/report_layout.h"

#include <QTest>

#include <map>

using namespace Tavo;
using Layout = BookletPages::Layout;

Q_DECLARE_METATYPE(Tavo::BookletPages::Layout)

namespace {
Settings school()
{
    Settings s = Settings::defaults();
    s.CfgCodice = QStringLiteral("0123");
    s.CfgAutoscuola1 = QStringLiteral("AUTOSCUOLA ROSSI & FIGLI");
    s.CfgAutoscuola2 = QStringLiteral("DI ROSSI MARIO");
    s.CfgAutoscuola3 = QStringLiteral("VIA ROMA 1");
    s.CfgAutoscuola4 = QStringLiteral("36100 VICENZA");
    return s;
}

BookletLabels::LearnerTexts learner()
{
    // The number keeps its trailing blank: labels get the text as typed.
    return {{QStringLiteral("12VI123456 "), QStringLiteral("ANNA BIANCHI"),
             QStringLiteral("AB123CD"), QStringLiteral("GIUSEPPE VERDI")},
            QStringLiteral("VICENZA"),
            6};
}

std::map<QString, QString> textsOf(const Reports::ReportLayout &report)
{
    std::map<QString, QString> texts;
    for (const QString &name : report.controlNames())
        texts[name] = report.controlText(name);
    return texts;
}
} // namespace

class TestBookletLabels : public QObject
{
    Q_OBJECT

private slots:
    void labelsOfEachLayout_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::newRow("RptLibGuide") << Layout::RptLibGuide;
        QTest::newRow("RptLibGuideA4") << Layout::RptLibGuideA4;
        QTest::newRow("RptLibGuideA4f") << Layout::RptLibGuideA4f;
    }

    void labelsOfEachLayout()
    {
        QFETCH(Layout, layout);
        const auto report = BookletPages::createReport(layout);
        QCOMPARE(report->name(), BookletPages::layoutName(layout));
        const std::map<QString, QString> before = textsOf(*report);

        const QString error = BookletLabels::fill(*report, layout, school(), learner());
        QVERIFY2(error.isEmpty(), qPrintable(error));

        std::map<QString, QString> expected = {
            {QStringLiteral("Ag11"), QStringLiteral("AUTOSCUOLA ROSSI & FIGLI")},
            {QStringLiteral("Ag21"), QStringLiteral("AUTOSCUOLA ROSSI & FIGLI")},
            {QStringLiteral("Ag12"), QStringLiteral("DI ROSSI MARIO")},
            {QStringLiteral("Ag22"), QStringLiteral("DI ROSSI MARIO")},
            {QStringLiteral("Ag13"), QStringLiteral("VIA ROMA 1")},
            {QStringLiteral("Ag23"), QStringLiteral("VIA ROMA 1")},
            {QStringLiteral("Ag14"), QStringLiteral("36100 VICENZA")},
            {QStringLiteral("Ag24"), QStringLiteral("36100 VICENZA")},
            {QStringLiteral("Cod1"), QStringLiteral("0123")},
            {QStringLiteral("Cod2"), QStringLiteral("0123")},
            {QStringLiteral("Cognome1"), QStringLiteral("ANNA BIANCHI")},
            {QStringLiteral("Cognome2"), QStringLiteral("ANNA BIANCHI")},
            {QStringLiteral("compone"),
             QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI 6 COPPIE DI "
                            "PAGINE IN ORIGINALE E COPIA")},
            {QStringLiteral("UMC"), QStringLiteral("VICENZA")},
            {QStringLiteral("NumFR"), QStringLiteral("12VI123456 ")},
            {QStringLiteral("Istruttore"), QStringLiteral("GIUSEPPE VERDI")},
            {QStringLiteral("Targa"), QStringLiteral("AB123CD")},
        };
        if (layout != Layout::RptLibGuide) {
            expected.insert({
                {QStringLiteral("Ag31"), QStringLiteral("AUTOSCUOLA ROSSI & FIGLI")},
                {QStringLiteral("Ag32"), QStringLiteral("DI ROSSI MARIO")},
                {QStringLiteral("Ag33"), QStringLiteral("VIA ROMA 1")},
                {QStringLiteral("Ag34"), QStringLiteral("36100 VICENZA")},
                {QStringLiteral("Cod3"), QStringLiteral("0123")},
                {QStringLiteral("Cognome3"), QStringLiteral("ANNA BIANCHI")},
                {QStringLiteral("UMC2"), QStringLiteral("VICENZA")},
                {QStringLiteral("NumFR2"), QStringLiteral("12VI123456 ")},
                {QStringLiteral("Istruttore2"), QStringLiteral("GIUSEPPE VERDI")},
                {QStringLiteral("Targa2"), QStringLiteral("AB123CD")},
            });
        } else {
            QVERIFY(!report->control(u"Ag31"));
        }
        for (const auto &[name, text] : expected)
            QCOMPARE(report->controlText(name), text);

        // Every other control keeps its design text.
        for (const auto &[name, text] : textsOf(*report)) {
            if (expected.count(name) == 0)
                QCOMPARE(text, before.at(name));
        }
    }

    void emptyPlateAndInstructorPrintEmpty()
    {
        const auto report = BookletPages::createReport(Layout::RptLibGuideA4);
        BookletLabels::LearnerTexts texts = learner();
        texts.input.targa.clear();
        texts.input.istruttore.clear();
        QVERIFY(BookletLabels::fill(*report, Layout::RptLibGuideA4, school(), texts).isEmpty());
        QCOMPARE(report->controlText(u"Targa"), QString());
        QCOMPARE(report->controlText(u"Istruttore2"), QString());
    }

    void missingLabelIsNamed()
    {
        // The A5 layout has no right column: filling it as an A4 one must say what is missing.
        const auto report = BookletPages::createReport(Layout::RptLibGuide);
        const QString error =
            BookletLabels::fill(*report, Layout::RptLibGuideA4, school(), learner());
        QVERIFY2(error.contains(QStringLiteral("Ag31")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestBookletLabels)
#include "tst_booklet_labels.moc"
