#include "reports/booklet_layouts.h"

#include "report_fixtures.h"

#include <QSet>
#include <QTest>

using namespace Tavo::Reports;

namespace {

using Kind = ReportSection::Kind;
using C = ReportControl::Kind;
using H = ReportControl::HAlign;
using V = ReportControl::VAlign;

const QString original = QStringLiteral("ORIGINALE (retro a carta di ricalco)");
// Typed out by hand: 52 hyphens with single blanks between them.
const QString cutLine = QStringLiteral("- - - - - - - - - - - - - - - - - - - - - - - - - - "
                                       "- - - - - - - - - - - - - - - - - - - - - - - - - -");

// Starts a data row named after the layout and the control, with those two columns filled.
QTestData &row(const char *layout, const char *name)
{
    return QTest::addRow("%s %s", layout, name)
           << QString::fromLatin1(layout) << QString::fromLatin1(name);
}

void addLayoutAndNameColumns()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("name");
}

// A control as "header Label 0,567 7228x425": section, kind and box in twips, then for a line
// its ends and style; "none" when the layout has no control of that name.
QString describe(const ReportLayout &layout, const QString &name)
{
    const ReportControl *control = layout.control(name);
    if (!control)
        return QStringLiteral("none");
    const char *const kinds[] = {"Label", "Field", "Shape", "Line", "PageBreak", "DataControl"};
    const auto &header = layout.section(Kind::ReportHeader).controls();
    const bool inHeader = std::any_of(header.begin(), header.end(),
                                      [&](const ReportControl &c) { return c.name() == name; });
    const QRect b = control->box();
    QString text =
        QString::asprintf("%s %s %d,%d %dx%d", inHeader ? "header" : "detail",
                          kinds[int(control->kind())], b.x(), b.y(), b.width(), b.height());
    const QPoint from = control->lineStart(), to = control->lineEnd();
    if (control->kind() == C::Line) {
        const bool dashed = control->lineStyle() == ReportControl::LineStyle::Dashed;
        text += QString::asprintf(" %d,%d->%d,%d %s", from.x(), from.y(), to.x(), to.y(),
                                  dashed ? "dashed" : "solid");
    }
    return text;
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutLineIsFiftyTwoHyphens() { QCOMPARE(cutLineText(), cutLine); }

    // Each row is named after its layout.
    void layouts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("headerHeight");
        QTest::addColumn<int>("headerControls");
        QTest::addColumn<int>("detailControls");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<QStringList>("runTimeLabels");
        // Header: 13 cover controls, then the back: 8 on A5 (with PageBreak1 and Line28),
        // 8 on A4 (with the two fold marks), plus Label200 on the collated one.
        // Detail: 57 lesson page controls; the A4 copy adds 54 twins less the cut line and
        // less DataControl1, Line25 and Line26 (which have none), plus 2 fold marks.
        // The run-time labels are those the print command writes.
        const QStringList common =
            QStringLiteral("Ag11 Ag21 Ag12 Ag22 Ag13 Ag23 Ag14 Ag24 Cod1 Cod2 Cognome1 Cognome2 "
                           "compone UMC NumFR Istruttore Targa")
                .split(u' ');
        const QStringList copy =
            QStringLiteral("Ag31 Ag32 Ag33 Ag34 Cod3 Cognome3 UMC2 NumFR2 Istruttore2 Targa2")
                .split(u' ');
        QTest::newRow("A5") << "RptLibGuide" << 7380 << 12915 << 21 << 57 << QPageSize::A5
                            << QPageLayout::Portrait << common;
        QTest::newRow("A4") << "RptLibGuideA4" << 15750 << 10785 << 21 << 112 << QPageSize::A4
                            << QPageLayout::Landscape << common + copy;
        QTest::newRow("A4f") << "RptLibGuideA4f" << 15750 << 10785 << 22 << 113 << QPageSize::A4
                             << QPageLayout::Landscape << common + copy;
    }
    void layouts()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, headerHeight);
        QFETCH(int, headerControls);
        QFETCH(int, detailControls);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(QStringList, runTimeLabels);
        const auto report = layoutNamed(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(report->name(), name);
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
        const QStringList names = report->controlNames();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        // A second control of a taken name, or one without a name, is refused.
        const ReportControl twin = ReportControl::pageBreak(names.first(), 9);
        QVERIFY(!report->addControl(Kind::Detail, twin));
        QVERIFY(!report->addControl(Kind::Detail, twin.renamed(QString())));
        QCOMPARE(report->controlNames(), names);
        QVERIFY(report->control(names.first())->kind() != C::PageBreak);
        for (const QString &label : runTimeLabels) {
            QVERIFY2(report->setLabelText(label, label + u'!'), qPrintable(label));
            QCOMPARE(report->controlText(label), label + u'!');
        }
    }

    // Section, kind and box in twips of each control, then a line's ends and style.
    void geometry_data()
    {
        addLayoutAndNameColumns();
        QTest::addColumn<QString>("control");
        // Cover, as typed for the A5 layout and shared by the A4 ones.
        row("A5", "Label160") << "header Label 0,567 7228x425";
        row("A4", "Cognome1") << "header Label 1417,4819 4819x567";
        row("A5", "Shape20") << "header Shape 2835,11197 1700x1701";
        row("A4f", "Shape20") << "header Shape 11197,4677 1701x1701";
        row("A4", "compone") << "header Label 8362,992 7229x567";
        row("A4f", "Label200") << "header Label 11197,10346 1701x426";
        row("A5", "PageBreak1") << "header PageBreak 0,6520 0x0";
        row("A5", "Line28") << "header Line 709,6520 6519x0 709,6520->7228,6520 solid";
        row("A4", "Line27") << "header Line 10346,3543 3260x0 10346,3543->13606,3543 solid";
        // The fold marks, in the header and in the detail band.
        row("A4", "Line36") << "header Line 7795,0 0x283 7795,0->7795,283 dashed";
        row("A4f", "Line38") << "header Line 7795,10488 0x284 7795,10488->7795,10772 dashed";
        row("A4", "Line34") << "detail Line 7795,0 0x283 7795,0->7795,283 dashed";
        row("A4f", "Line37") << "detail Line 7795,10488 0x284 7795,10488->7795,10772 dashed";
        // Lesson page, left half.
        row("A5", "DataControl1") << "detail DataControl 4961,567 992x567";
        row("A5", "Label150") << "detail Label 283,10063 3119x425";
        row("A4", "Shape16") << "detail Shape 3969,9071 1700x1701";
        row("A4f", "Taglia1") << "detail Field 0,142 7228x283";
        // Right half moved 8362 twips; on the A4 layouts Line28 is the copy's name line, and
        // Line33 (the twin of Line24) is drawn right to left.
        row("A4", "Label171") << "detail Label 8362,992 1276x284";
        row("A4", "Label193") << "detail Label 8504,1559 1134x284";
        row("A4", "Cognome3") << "detail Label 8504,4252 6945x283";
        row("A4f", "Shape35") << "detail Shape 12331,9071 1700x1701";
        row("A4", "Field4") << "detail Field 8362,567 6378x283";
        row("A4f", "Field6") << "detail Field 14315,10205 1134x283";
        row("A4", "Label197") << "detail Label 14315,9780 567x283";
        row("A4", "Line28") << "detail Line 8504,4535 6945x0 8504,4535->15449,4535 solid";
        row("A4f", "Line33") << "detail Line 8504,6378 6945x0 15449,6378->8504,6378 solid";
        row("A4", "Line32") << "detail Line 11197,3543 1559x0 11197,3543->12756,3543 solid";
        // Right half with its own geometry.
        row("A4f", "Taglia2") << "detail Field 8362,142 7229x283";
        row("A4", "Cod3") << "detail Label 8505,1920 1140x285";
        row("A4", "Shape27") << "detail Shape 12189,6661 3402x567";
        row("A4f", "Shape34") << "detail Shape 14173,9638 1418x992";
        row("A4", "Label199") << "detail Label 8362,9780 284x283";
        row("A4", "Label186") << "detail Label 9780,2551 283x284";
        // Controls a layout does not have.
        row("A4", "PageBreak1") << "none";
        row("A4f", "PageBreak1") << "none";
        row("A4", "Label200") << "none";
        row("A4", "Taglia2") << "none";
        row("A4f", "Field3") << "none"; // the collated cut lines are Taglia1 and Taglia2
        row("A5", "Field4") << "none";  // no copy half
        row("A5", "Line34") << "none";  // no fold marks
    }
    void geometry()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QString, control);
        QCOMPARE(describe(*layoutNamed(layout), name), control);
    }

    void bindings_data()
    {
        addLayoutAndNameColumns();
        QTest::addColumn<QString>("dataField");
        QTest::addColumn<QString>("designText");
        const auto bind = [](const char *layout, const char *name, const char *field,
                             const QString &text) {
            row(layout, name) << field << text;
        };
        bind("A5", "Field3", "taglia", "taglia");
        bind("A5", "Field1", "titolo", "titolo");
        bind("A5", "Field2", "pagina", "pagina");
        bind("A4", "Field3", "", cutLine);
        bind("A4", "Field1", "", original);
        bind("A4", "Field4", "", "COPIA");
        bind("A4", "Field2", "pagina", "pagina");
        bind("A4", "Field6", "pagina", "pagina");
        bind("A4f", "Taglia1", "taglia", cutLine);
        bind("A4f", "Taglia2", "taglia", cutLine);
        bind("A4f", "Field1", "titolo", original);
        bind("A4f", "Field4", "titolo", original);
        bind("A4f", "Field2", "pagina1", "pagina");
        bind("A4f", "Field6", "pagina2", "pagina");
    }
    void bindings()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QString, dataField);
        QFETCH(QString, designText);
        const auto report = layoutNamed(layout);
        const ReportControl *field = report->control(name);
        QVERIFY(field);
        QCOMPARE(field->kind(), C::Field);
        QCOMPARE(field->dataField(), dataField);
        QCOMPARE(field->text(), designText);
    }

    void textsFontsAndAlignment_data()
    {
        addLayoutAndNameColumns();
        QTest::addColumn<QString>("text");
        QTest::addColumn<ReportFont>("font");
        QTest::addColumn<H>("hAlign");
        QTest::addColumn<V>("vAlign");
        row("A5", "Label160") << "LIBRETTO DELLE LEZIONI DI GUIDA" << timesNewRoman(15.75, true)
                              << H::Center << V::Top;
        // The legal reference has no closing parenthesis; the foot note has both.
        row("A4", "Label1") << "(Art. 122, comma 5-bis del codice della strada ed art. 1, co. "
                               "3, del DM Infrastrutture e Trasporti del 20/04/2012"
                            << timesNewRoman(11.25) << H::Center << V::Top;
        row("A5", "Label150") << "(cfr. programma di cui all'allegato 1 DM Infrastrutture e "
                                 "trasporti del 20/04/2012)"
                              << timesNewRoman(9) << H::Left << V::Top;
        row("A5", "Ag11") << "agenzia" << arial(14.25, true) << H::Left << V::Bottom;
        row("A5", "Label167") << "Codice" << timesNewRoman(12) << H::Right << V::Bottom;
        row("A5", "Label165") << "(firma del funzionario delegato)"
                              << timesNewRoman(8.25, false, true) << H::Center << V::Top;
        row("A4", "Label164") << "________________, li ________________" << timesNewRoman(12)
                              << H::Center << V::Top;
        row("A4f", "Label200") << "A     G     S" << arial(14.25, true) << H::Center << V::Top;
        row("A5", "Label168") << "Codice" << arial(14.25, true) << H::Center << V::Bottom;
        row("A5", "Label153") << "A" << timesNewRoman(14.25) << H::Center << V::Middle;
        row("A5", "Label138") << "Nominativo dell'allievo:" << timesNewRoman(12) << H::Left
                              << V::Middle;
        row("A5", "Istruttore") << "cognome" << timesNewRoman(12, true) << H::Center << V::Top;
        // The copy half.
        row("A4", "Ag31") << "agenzia" << arial(11.25, true) << H::Left << V::Bottom;
        row("A4", "UMC2") << "Label174" << timesNewRoman(12, true) << H::Left << V::Top;
        row("A4f", "Label196") << "Barrare il modulo corrispondente" << timesNewRoman(9.75)
                               << H::Left << V::Top;
        row("A4f", "Targa2") << "num FR" << timesNewRoman(12, true) << H::Left << V::Top;
    }
    void textsFontsAndAlignment()
    {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(ReportFont, font);
        QFETCH(H, hAlign);
        QFETCH(V, vAlign);
        const auto report = layoutNamed(layout);
        const ReportControl *control = report->control(name);
        QVERIFY(control);
        QCOMPARE(control->text(), text);
        QCOMPARE(control->font(), font);
        QCOMPARE(control->hAlign(), hAlign);
        QCOMPARE(control->vAlign(), vAlign);
    }

    void setLabelTextOnlyReachesLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("label") << "Cognome1" << true << "ROSSI & FIGLI";
        QTest::newRow("field keeps its design text") << "Field2" << false << "pagina";
        QTest::newRow("shape has no text") << "Shape20" << false << "";
        QTest::newRow("unknown name") << "Nothing" << false << "";
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

    // Copying a line onto a new box moves both ends; binding a label keeps its font.
    void copiesReshapeAndRebind()
    {
        const ReportControl line = ReportControl::line(
            QStringLiteral("L"), {7087, 6378}, {142, 6378}, ReportControl::LineStyle::Solid);
        const ReportControl reshaped = line.withBox({100, 200, 300, 0});
        QCOMPARE(reshaped.lineStart(), QPoint(100, 200));
        QCOMPARE(reshaped.lineEnd(), QPoint(400, 200));
        const ReportControl label =
            ReportControl::label(QStringLiteral("Heading"), {0, 567, 6378, 283}, {},
                                 timesNewRoman(12, true), H::Left, V::Top);
        QCOMPARE(label.boundTo(QStringLiteral("titolo"), {}).font(), timesNewRoman(12, true));
    }

    void fontKeepsFractionalPointSize()
    {
        const QFont font = arial(14.25, true, true).toQFont();
        QCOMPARE(font.pointSizeF(), 14.25);
        QVERIFY(font.bold());
        QVERIFY(font.italic());
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(timesNewRoman(8.25).toQFont().pointSizeF(), 8.25);
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_report_layout.moc"
