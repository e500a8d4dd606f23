#include "reports/booklet_layouts.h"

#include <QSet>
#include <QTest>

#include <functional>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;
using Factory = std::function<std::unique_ptr<ReportLayout>()>;

std::unique_ptr<ReportLayout> layoutNamed(const QString &name)
{
    if (name == QLatin1String("RptLibGuide"))
        return createRptLibGuide();
    if (name == QLatin1String("RptLibGuideA4"))
        return createRptLibGuideA4();
    return createRptLibGuideA4f();
}

const QString original = QStringLiteral("ORIGINALE (retro a carta di ricalco)");
// Typed out by hand: 52 hyphens with single blanks between them.
const QString cutLine = QStringLiteral("- - - - - - - - - - - - - - - - - - - - - - - - - - "
                                       "- - - - - - - - - - - - - - - - - - - - - - - - - -");

void addLayoutColumn()
{
    QTest::addColumn<QString>("layout");
}

} // namespace

class TestBookletLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutLineIsFiftyTwoHyphens()
    {
        QCOMPARE(cutLineText(), cutLine);
        QCOMPARE(cutLineText().size(), 103);
        QCOMPARE(cutLineText().count(QLatin1Char('-')), 52);
    }

    void namesWidthsAndSections_data()
    {
        addLayoutColumn();
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("headerHeight");
        QTest::addColumn<int>("headerControls");
        QTest::addColumn<int>("detailControls");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        // Header: 13 cover controls, then the back: 8 on A5 (with PageBreak1 and Line28),
        // 8 on A4 (with the two fold marks), plus Label200 on the collated one.
        // Detail: 57 lesson page controls; the A4 copy adds 54 twins less the cut line and
        // less DataControl1, Line25 and Line26 (which have none), plus 2 fold marks.
        QTest::newRow("RptLibGuide")
            << "RptLibGuide" << 7380 << 12915 << 21 << 57 << QPageSize::A5 << QPageLayout::Portrait;
        QTest::newRow("RptLibGuideA4") << "RptLibGuideA4" << 15750 << 10785 << 21 << 112
                                       << QPageSize::A4 << QPageLayout::Landscape;
        QTest::newRow("RptLibGuideA4f") << "RptLibGuideA4f" << 15750 << 10785 << 22 << 113
                                        << QPageSize::A4 << QPageLayout::Landscape;
    }
    void namesWidthsAndSections()
    {
        QFETCH(QString, layout);
        QFETCH(int, width);
        QFETCH(int, headerHeight);
        QFETCH(int, headerControls);
        QFETCH(int, detailControls);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QPageLayout::Orientation, orientation);
        const auto report = layoutNamed(layout);
        QCOMPARE(report->name(), layout);
        QCOMPARE(report->printableWidth(), width);
        QCOMPARE(report->section(Kind::ReportHeader).height(), headerHeight);
        QCOMPARE(report->section(Kind::Detail).height(), 10800);
        for (Kind empty : {Kind::PageHeader, Kind::PageFooter, Kind::ReportFooter}) {
            QCOMPARE(report->section(empty).height(), 0);
            QVERIFY(report->section(empty).controls().empty());
        }
        QCOMPARE(int(report->section(Kind::ReportHeader).controls().size()), headerControls);
        QCOMPARE(int(report->section(Kind::Detail).controls().size()), detailControls);
        QCOMPARE(report->designPageSize(), paper);
        QCOMPARE(report->designOrientation(), orientation);
    }

    void namesAreUnique_data()
    {
        addLayoutColumn();
        QTest::newRow("RptLibGuide") << "RptLibGuide";
        QTest::newRow("RptLibGuideA4") << "RptLibGuideA4";
        QTest::newRow("RptLibGuideA4f") << "RptLibGuideA4f";
    }
    void namesAreUnique()
    {
        QFETCH(QString, layout);
        const QStringList names = layoutNamed(layout)->controlNames();
        const QSet<QString> distinct(names.begin(), names.end());
        QCOMPARE(distinct.size(), names.size());
    }

    void geometry_data()
    {
        addLayoutColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<ReportSection::Kind>("section");
        QTest::addColumn<ReportControl::Kind>("kind");
        QTest::addColumn<QRect>("box");
        using C = ReportControl::Kind;
        // Cover, as typed for the A5 layout and shared by the A4 ones.
        QTest::newRow("A5 Label160")
            << "RptLibGuide"
            << "Label160" << Kind::ReportHeader << C::Label << QRect(0, 567, 7228, 425);
        QTest::newRow("A4 Cognome1")
            << "RptLibGuideA4"
            << "Cognome1" << Kind::ReportHeader << C::Label << QRect(1417, 4819, 4819, 567);
        QTest::newRow("A5 Shape20")
            << "RptLibGuide"
            << "Shape20" << Kind::ReportHeader << C::Shape << QRect(2835, 11197, 1700, 1701);
        QTest::newRow("A4f back Shape20")
            << "RptLibGuideA4f"
            << "Shape20" << Kind::ReportHeader << C::Shape << QRect(11197, 4677, 1701, 1701);
        QTest::newRow("A4 back compone")
            << "RptLibGuideA4"
            << "compone" << Kind::ReportHeader << C::Label << QRect(8362, 992, 7229, 567);
        QTest::newRow("A4f Label200")
            << "RptLibGuideA4f"
            << "Label200" << Kind::ReportHeader << C::Label << QRect(11197, 10346, 1701, 426);
        QTest::newRow("A5 PageBreak1")
            << "RptLibGuide"
            << "PageBreak1" << Kind::ReportHeader << C::PageBreak << QRect(0, 6520, 0, 0);
        // Lesson page, left half.
        QTest::newRow("A5 DataControl1")
            << "RptLibGuide"
            << "DataControl1" << Kind::Detail << C::DataControl << QRect(4961, 567, 992, 567);
        QTest::newRow("A5 Label150")
            << "RptLibGuide"
            << "Label150" << Kind::Detail << C::Label << QRect(283, 10063, 3119, 425);
        QTest::newRow("A4 Shape16")
            << "RptLibGuideA4"
            << "Shape16" << Kind::Detail << C::Shape << QRect(3969, 9071, 1700, 1701);
        QTest::newRow("A4f Taglia1")
            << "RptLibGuideA4f"
            << "Taglia1" << Kind::Detail << C::Field << QRect(0, 142, 7228, 283);
        // Right half moved 8362 twips.
        QTest::newRow("A4 Label171 moved")
            << "RptLibGuideA4"
            << "Label171" << Kind::Detail << C::Label << QRect(8362, 992, 1276, 284);
        QTest::newRow("A4 Label193 moved")
            << "RptLibGuideA4"
            << "Label193" << Kind::Detail << C::Label << QRect(8504, 1559, 1134, 284);
        QTest::newRow("A4 Cognome3 moved")
            << "RptLibGuideA4"
            << "Cognome3" << Kind::Detail << C::Label << QRect(8504, 4252, 6945, 283);
        QTest::newRow("A4f Shape35 moved")
            << "RptLibGuideA4f"
            << "Shape35" << Kind::Detail << C::Shape << QRect(12331, 9071, 1700, 1701);
        QTest::newRow("A4 Field4 moved")
            << "RptLibGuideA4"
            << "Field4" << Kind::Detail << C::Field << QRect(8362, 567, 6378, 283);
        QTest::newRow("A4f Field6 moved")
            << "RptLibGuideA4f"
            << "Field6" << Kind::Detail << C::Field << QRect(14315, 10205, 1134, 283);
        QTest::newRow("A4 Label197 moved")
            << "RptLibGuideA4"
            << "Label197" << Kind::Detail << C::Label << QRect(14315, 9780, 567, 283);
        // Right half with its own geometry.
        QTest::newRow("A4f Taglia2 own")
            << "RptLibGuideA4f"
            << "Taglia2" << Kind::Detail << C::Field << QRect(8362, 142, 7229, 283);
        QTest::newRow("A4 Cod3 own")
            << "RptLibGuideA4"
            << "Cod3" << Kind::Detail << C::Label << QRect(8505, 1920, 1140, 285);
        QTest::newRow("A4 Shape27 own")
            << "RptLibGuideA4"
            << "Shape27" << Kind::Detail << C::Shape << QRect(12189, 6661, 3402, 567);
        QTest::newRow("A4f Shape34 own")
            << "RptLibGuideA4f"
            << "Shape34" << Kind::Detail << C::Shape << QRect(14173, 9638, 1418, 992);
        QTest::newRow("A4 Label199 own")
            << "RptLibGuideA4"
            << "Label199" << Kind::Detail << C::Label << QRect(8362, 9780, 284, 283);
        QTest::newRow("A4 Label186 own")
            << "RptLibGuideA4"
            << "Label186" << Kind::Detail << C::Label << QRect(9780, 2551, 283, 284);
    }
    void geometry()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(ReportSection::Kind, section);
        QFETCH(ReportControl::Kind, kind);
        QFETCH(QRect, box);
        const auto report = layoutNamed(layout);
        const ReportControl *control = report->control(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->kind(), kind);
        QCOMPARE(control->box(), box);
        const auto &controls = report->section(section).controls();
        const bool inSection =
            std::any_of(controls.begin(), controls.end(),
                        [&](const ReportControl &c) { return c.name() == name; });
        QVERIFY(inSection);
    }

    void lines_data()
    {
        addLayoutColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("dashed");
        QTest::newRow("A5 Line28 fold")
            << "RptLibGuide"
            << "Line28" << QPoint(709, 6520) << QPoint(7228, 6520) << false;
        QTest::newRow("A4 Line27 back")
            << "RptLibGuideA4"
            << "Line27" << QPoint(10346, 3543) << QPoint(13606, 3543) << false;
        QTest::newRow("A4 Line36 top mark")
            << "RptLibGuideA4"
            << "Line36" << QPoint(7795, 0) << QPoint(7795, 283) << true;
        QTest::newRow("A4f Line38 bottom mark")
            << "RptLibGuideA4f"
            << "Line38" << QPoint(7795, 10488) << QPoint(7795, 10772) << true;
        QTest::newRow("A4 Line34 detail mark")
            << "RptLibGuideA4"
            << "Line34" << QPoint(7795, 0) << QPoint(7795, 283) << true;
        QTest::newRow("A4f Line37 detail mark")
            << "RptLibGuideA4f"
            << "Line37" << QPoint(7795, 10488) << QPoint(7795, 10772) << true;
        QTest::newRow("A4 Line28 twin of Line1")
            << "RptLibGuideA4"
            << "Line28" << QPoint(8504, 4535) << QPoint(15449, 4535) << false;
        QTest::newRow("A4f Line33 drawn right to left")
            << "RptLibGuideA4f"
            << "Line33" << QPoint(15449, 6378) << QPoint(8504, 6378) << false;
        QTest::newRow("A4 Line32 twin of Line23")
            << "RptLibGuideA4"
            << "Line32" << QPoint(11197, 3543) << QPoint(12756, 3543) << false;
    }
    void lines()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, dashed);
        const auto report = layoutNamed(layout);
        const ReportControl *control = report->control(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->kind(), ReportControl::Kind::Line);
        QCOMPARE(control->lineStart(), from);
        QCOMPARE(control->lineEnd(), to);
        QCOMPARE(control->lineStyle() == ReportControl::LineStyle::Dashed, dashed);
    }

    void absentControls_data()
    {
        addLayoutColumn();
        QTest::addColumn<QString>("name");
        QTest::newRow("A4 has no PageBreak1") << "RptLibGuideA4"
                                              << "PageBreak1";
        QTest::newRow("A4f has no PageBreak1") << "RptLibGuideA4f"
                                               << "PageBreak1";
        QTest::newRow("A4 has no Label200") << "RptLibGuideA4"
                                            << "Label200";
        QTest::newRow("A4 has no Taglia2") << "RptLibGuideA4"
                                           << "Taglia2";
        QTest::newRow("A4f cut line is not Field3") << "RptLibGuideA4f"
                                                    << "Field3";
        QTest::newRow("A5 has no copy half") << "RptLibGuide"
                                             << "Field4";
        QTest::newRow("A5 has no fold marks") << "RptLibGuide"
                                              << "Line34";
    }
    void absentControls()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QCOMPARE(layoutNamed(layout)->control(name), nullptr);
    }

    // On the A4 layouts Line28 is the copy's name line, not the A5 fold line.
    void a4Line28IsInTheDetailBand()
    {
        const auto report = createRptLibGuideA4();
        for (const ReportControl &control : report->section(Kind::ReportHeader).controls())
            QVERIFY(control.name() != QLatin1String("Line28"));
    }

    void bindings_data()
    {
        addLayoutColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dataField");
        QTest::addColumn<QString>("designText");
        QTest::newRow("A5 Field3") << "RptLibGuide"
                                   << "Field3"
                                   << "taglia"
                                   << "taglia";
        QTest::newRow("A5 Field1") << "RptLibGuide"
                                   << "Field1"
                                   << "titolo"
                                   << "titolo";
        QTest::newRow("A5 Field2") << "RptLibGuide"
                                   << "Field2"
                                   << "pagina"
                                   << "pagina";
        QTest::newRow("A4 Field3 unbound") << "RptLibGuideA4"
                                           << "Field3"
                                           << "" << cutLine;
        QTest::newRow("A4 Field1 unbound") << "RptLibGuideA4"
                                           << "Field1"
                                           << "" << original;
        QTest::newRow("A4 Field4 unbound") << "RptLibGuideA4"
                                           << "Field4"
                                           << ""
                                           << "COPIA";
        QTest::newRow("A4 Field2") << "RptLibGuideA4"
                                   << "Field2"
                                   << "pagina"
                                   << "pagina";
        QTest::newRow("A4 Field6") << "RptLibGuideA4"
                                   << "Field6"
                                   << "pagina"
                                   << "pagina";
        QTest::newRow("A4f Taglia1") << "RptLibGuideA4f"
                                     << "Taglia1"
                                     << "taglia" << cutLine;
        QTest::newRow("A4f Taglia2") << "RptLibGuideA4f"
                                     << "Taglia2"
                                     << "taglia" << cutLine;
        QTest::newRow("A4f Field1") << "RptLibGuideA4f"
                                    << "Field1"
                                    << "titolo" << original;
        QTest::newRow("A4f Field4") << "RptLibGuideA4f"
                                    << "Field4"
                                    << "titolo" << original;
        QTest::newRow("A4f Field2") << "RptLibGuideA4f"
                                    << "Field2"
                                    << "pagina1"
                                    << "pagina";
        QTest::newRow("A4f Field6") << "RptLibGuideA4f"
                                    << "Field6"
                                    << "pagina2"
                                    << "pagina";
    }
    void bindings()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QString, dataField);
        QFETCH(QString, designText);
        const auto report = layoutNamed(layout);
        const ReportControl *control = report->control(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->kind(), ReportControl::Kind::Field);
        QCOMPARE(control->dataField(), dataField);
        QCOMPARE(control->text(), designText);
    }

    void textsFontsAndAlignment_data()
    {
        addLayoutColumn();
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ReportFont>("font");
        QTest::addColumn<ReportControl::HAlign>("hAlign");
        QTest::addColumn<ReportControl::VAlign>("vAlign");
        using H = ReportControl::HAlign;
        using V = ReportControl::VAlign;
        QTest::newRow("title") << "RptLibGuide"
                               << "Label160"
                               << "LIBRETTO DELLE LEZIONI DI GUIDA" << timesNewRoman(15.75, true)
                               << H::Center << V::Top;
        QTest::newRow("legal reference without closing parenthesis")
            << "RptLibGuideA4"
            << "Label1"
            << "(Art. 122, comma 5-bis del codice della strada ed art. 1, co. 3, del DM "
               "Infrastrutture e Trasporti del 20/04/2012"
            << timesNewRoman(11.25) << H::Center << V::Top;
        QTest::newRow("school name on cover")
            << "RptLibGuide"
            << "Ag11"
            << "agenzia" << arial(14.25, true) << H::Left << V::Bottom;
        QTest::newRow("codice on cover") << "RptLibGuide"
                                         << "Label167"
                                         << "Codice" << timesNewRoman(12) << H::Right << V::Bottom;
        QTest::newRow("signature note italic")
            << "RptLibGuide"
            << "Label165"
            << "(firma del funzionario delegato)" << timesNewRoman(8.25, false, true) << H::Center
            << V::Top;
        QTest::newRow("place and date")
            << "RptLibGuideA4"
            << "Label164"
            << "________________, li ________________" << timesNewRoman(12) << H::Center << V::Top;
        QTest::newRow("AGS") << "RptLibGuideA4f"
                             << "Label200"
                             << "A     G     S" << arial(14.25, true) << H::Center << V::Top;
        QTest::newRow("codice on page") << "RptLibGuide"
                                        << "Label168"
                                        << "Codice" << arial(14.25, true) << H::Center << V::Bottom;
        QTest::newRow("module A") << "RptLibGuide"
                                  << "Label153"
                                  << "A" << timesNewRoman(14.25) << H::Center << V::Middle;
        QTest::newRow("learner caption middle")
            << "RptLibGuide"
            << "Label138"
            << "Nominativo dell'allievo:" << timesNewRoman(12) << H::Left << V::Middle;
        QTest::newRow("instructor centred")
            << "RptLibGuide"
            << "Istruttore"
            << "cognome" << timesNewRoman(12, true) << H::Center << V::Top;
        QTest::newRow("foot note with both parentheses")
            << "RptLibGuide"
            << "Label150"
            << "(cfr. programma di cui all'allegato 1 DM Infrastrutture e trasporti del "
               "20/04/2012)"
            << timesNewRoman(9) << H::Left << V::Top;
        QTest::newRow("copy school name")
            << "RptLibGuideA4"
            << "Ag31"
            << "agenzia" << arial(11.25, true) << H::Left << V::Bottom;
        QTest::newRow("copy office placeholder")
            << "RptLibGuideA4"
            << "UMC2"
            << "Label174" << timesNewRoman(12, true) << H::Left << V::Top;
        QTest::newRow("copy module note")
            << "RptLibGuideA4f"
            << "Label196"
            << "Barrare il modulo corrispondente" << timesNewRoman(9.75) << H::Left << V::Top;
        QTest::newRow("copy plate placeholder")
            << "RptLibGuideA4f"
            << "Targa2"
            << "num FR" << timesNewRoman(12, true) << H::Left << V::Top;
    }
    void textsFontsAndAlignment()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(ReportFont, font);
        QFETCH(ReportControl::HAlign, hAlign);
        QFETCH(ReportControl::VAlign, vAlign);
        const auto report = layoutNamed(layout);
        const ReportControl *control = report->control(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->text(), text);
        QCOMPARE(control->font(), font);
        QCOMPARE(control->hAlign(), hAlign);
        QCOMPARE(control->vAlign(), vAlign);
    }

    // The print command writes these labels; each layout must accept every one of them.
    void runTimeLabelsAreLabels_data()
    {
        addLayoutColumn();
        QTest::addColumn<QStringList>("labels");
        const QStringList common = {"Ag11",       "Ag21",     "Ag12",    "Ag22", "Ag13",
                                    "Ag23",       "Ag14",     "Ag24",    "Cod1", "Cod2",
                                    "Cognome1",   "Cognome2", "compone", "UMC",  "NumFR",
                                    "Istruttore", "Targa"};
        const QStringList copy = {"Ag31",     "Ag32", "Ag33",   "Ag34",        "Cod3",
                                  "Cognome3", "UMC2", "NumFR2", "Istruttore2", "Targa2"};
        QTest::newRow("RptLibGuide") << "RptLibGuide" << common;
        QTest::newRow("RptLibGuideA4") << "RptLibGuideA4" << common + copy;
        QTest::newRow("RptLibGuideA4f") << "RptLibGuideA4f" << common + copy;
    }
    void runTimeLabelsAreLabels()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, labels);
        const auto report = layoutNamed(layout);
        for (const QString &name : labels) {
            QVERIFY2(report->setLabelText(name, name + QStringLiteral("!")), qPrintable(name));
            QCOMPARE(report->controlText(name), name + QStringLiteral("!"));
        }
    }

    // Each factory call is a fresh instance: texts set on one do not leak into the next.
    void instancesAreIndependent()
    {
        const auto first = createRptLibGuide();
        QVERIFY(first->setLabelText(u"Cognome1", QStringLiteral("MARIO ROSSI")));
        QCOMPARE(createRptLibGuide()->controlText(u"Cognome1"), QStringLiteral("cognome"));
    }
};

QTEST_MAIN(TestBookletLayouts)
#include "tst_booklet_layouts.moc"
