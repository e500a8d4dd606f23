#include "reports/booklet_layouts.h"

#include "report_fixtures.h"

#include <QSet>
#include <QTest>

using namespace Tavo::Reports;

// The layouts as the print command addresses them; where each control stands and how it looks
// is checked by the page snapshots.
class TestReportLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layouts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<QStringList>("runTimeLabels");
        const QStringList common =
            QStringLiteral("Ag11 Ag21 Ag12 Ag22 Ag13 Ag23 Ag14 Ag24 Cod1 Cod2 Cognome1 Cognome2 "
                           "compone UMC NumFR Istruttore Targa")
                .split(u' ');
        const QStringList copy =
            QStringLiteral("Ag31 Ag32 Ag33 Ag34 Cod3 Cognome3 UMC2 NumFR2 Istruttore2 Targa2")
                .split(u' ');
        QTest::newRow("A5") << "RptLibGuide" << 7380 << QPageSize::A5 << QPageLayout::Portrait
                            << common;
        QTest::newRow("A4") << "RptLibGuideA4" << 15750 << QPageSize::A4 << QPageLayout::Landscape
                            << common + copy;
        QTest::newRow("A4f") << "RptLibGuideA4f" << 15750 << QPageSize::A4 << QPageLayout::Landscape
                             << common + copy;
    }
    void layouts()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(QStringList, runTimeLabels);
        const auto report = layoutNamed(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(report->name(), name);
        QCOMPARE(report->printableWidth(), width);
        QCOMPARE(report->designPageSize(), paper);
        QCOMPARE(report->designOrientation(), orientation);
        const QStringList names = report->controlNames();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        // A second control of a taken name, or one without a name, is refused.
        const ReportControl twin = ReportControl::pageBreak(names.first(), 9);
        QVERIFY(!report->addControl(ReportSection::Kind::Detail, twin));
        QVERIFY(!report->addControl(ReportSection::Kind::Detail, twin.renamed(QString())));
        for (const QString &label : runTimeLabels) {
            QVERIFY2(report->setLabelText(label, label + u'!'), qPrintable(label));
            QCOMPARE(report->controlText(label), label + u'!');
        }
    }

    void setLabelTextOnlyReachesLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("label") << "Cognome1" << true << "ROSSI & FIGLI";
        QTest::newRow("field keeps its design text") << "Field2" << false << "pagina";
        QTest::newRow("shape has no text") << "Shape20" << false << "";
        QTest::newRow("name is case-sensitive") << "cognome1" << false << "";
    }
    void setLabelTextOnlyReachesLabels()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QFETCH(QString, textAfter);
        const auto layout = createRptLibGuide();
        QCOMPARE(layout->setLabelText(name, QStringLiteral("ROSSI & FIGLI")), accepted);
        QCOMPARE(layout->controlText(name), textAfter);
        // Each factory call is a fresh instance: texts set on one do not leak into the next.
        QCOMPARE(createRptLibGuide()->controlText(u"Cognome1"), QStringLiteral("cognome"));
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_report_layout.moc"
