#include "reports/booklet_lesson_page.h"

#include "reports/control_shorthands.h"

#include <optional>

namespace Tavo::Reports {

using namespace Shorthands;

namespace {

// How far the copy lies right of the original.
constexpr int copyOffset = 8362;

} // namespace

std::vector<ReportControl> lessonPageControls(const LessonPageBindings &page)
{
    const ReportFont tnr12 = timesNewRoman(12);
    const ReportFont tnr12b = timesNewRoman(12, true);
    const ReportFont tnr1425 = timesNewRoman(14.25);
    const ReportFont arial975 = arial(9.75);
    const ReportFont arial1425b = arial(14.25, true);
    const auto boundText = [](const QString &name, QRect box, const QString &dataField,
                              const QString &designText, const ReportFont &font, H h, V v) {
        return ReportControl::field(name, box, dataField, designText, font, h, v);
    };
    return {
        boundText(page.cutLineName, {0, 142, 7228, 283}, page.cutLine, page.cutLineText, tnr12b,
                  H::Center, V::Middle),
        boundText(QStringLiteral("Field1"), {0, 567, 6378, 283}, page.heading, page.headingText,
                  tnr12b, H::Left, V::Top),
        ReportControl::dataControl(QStringLiteral("DataControl1"), {4961, 567, 992, 567}),
        rectangle("Shape2", {0, 992, 7228, 1276}),
        text("NatoAL", {0, 992, 1276, 284}, QStringLiteral("Autoscuola"), tnr12, H::Left, V::Top),
        text("Ag21", {1417, 1063, 5670, 284}, QStringLiteral("agenzia"), arial(11.25, true),
             H::Left, V::Bottom),
        text("Ag22", {1417, 1347, 5670, 283}, QStringLiteral("denominazione"), arial975, H::Left,
             V::Bottom),
        text("Label168", {142, 1559, 1134, 284}, QStringLiteral("Codice"), arial1425b, H::Center,
             V::Bottom),
        text("Ag23", {1417, 1630, 5670, 284}, QStringLiteral("indirizzo"), arial975, H::Left,
             V::Bottom),
        text("Cod2", {142, 1913, 1134, 283}, QStringLiteral("0000"), arial1425b, H::Center,
             V::Bottom),
        text("Ag24", {1417, 1913, 5670, 283}, QStringLiteral("città"), arial975, H::Left,
             V::Bottom),
        rectangle("Shape3", {0, 2409, 7228, 567}),
        text("Label15", {142, 2551, 1134, 284}, QStringLiteral("Modulo*:"), tnr12, H::Left, V::Top),
        text("Label153", {1417, 2551, 284, 284}, QStringLiteral("A"), tnr1425, H::Center,
             V::Middle),
        rectangle("Shape18", {1417, 2551, 284, 284}),
        text("Label154", {1843, 2551, 283, 284}, QStringLiteral("B"), tnr1425, H::Center,
             V::Middle),
        rectangle("Shape19", {1843, 2551, 283, 284}),
        text("Label155", {2268, 2551, 283, 284}, QStringLiteral("C"), tnr1425, H::Center,
             V::Middle),
        rectangle("Shape17", {2268, 2551, 283, 284}),
        rectangle("Shape4", {0, 3118, 7228, 567}),
        text("Label137", {142, 3260, 3260, 283}, QStringLiteral("Durata della lezione: n. ore"),
             tnr12, H::Left, V::Top),
        text("Label149", {4394, 3260, 567, 283}, QStringLiteral("min."), tnr12, H::Left, V::Top),
        line("Line23", {2835, 3543}, {4394, 3543}),
        line("Line22", {4961, 3543}, {6520, 3543}),
        rectangle("Shape5", {0, 3827, 7228, 1701}),
        text("Label138", {142, 3827, 3260, 283}, QStringLiteral("Nominativo dell'allievo:"), tnr12,
             H::Left, V::Middle),
        text("Cognome2", {142, 4252, 6945, 283}, QStringLiteral("cognome"), tnr12b, H::Left,
             V::Top),
        line("Line1", {142, 4535}, {7087, 4535}),
        text("Label139", {142, 4677, 3260, 284}, QStringLiteral("UMC di rilascio autorizzazione"),
             tnr12, H::Left, V::Top),
        text("UMC", {3402, 4677, 3685, 284}, QStringLiteral("UMC"), tnr12b, H::Left, V::Top),
        line("Line20", {3402, 4961}, {7087, 4961}),
        text("Label140", {142, 5102, 4819, 284},
             QStringLiteral("Numero autorizzazione ad esercitarsi alla guida"), tnr12, H::Left,
             V::Top),
        text("NumFR", {4961, 5102, 2126, 284}, QStringLiteral("num FR"), tnr12b, H::Left, V::Top),
        line("Line4", {4961, 5386}, {7087, 5386}),
        rectangle("Shape6", {0, 5669, 7228, 851}),
        text("Label141", {142, 5811, 3401, 283}, QStringLiteral("Nominativo dell'istruttore"),
             tnr12, H::Left, V::Top),
        text("Istruttore", {142, 6094, 6945, 284}, QStringLiteral("cognome"), tnr12b, H::Center,
             V::Top),
        line("Line24", {7087, 6378}, {142, 6378}),
        rectangle("Shape7", {0, 6661, 3402, 567}),
        rectangle("Shape8", {3827, 6661, 3401, 567}),
        text("Label142", {142, 6803, 1701, 284}, QStringLiteral("Targa veicolo"), tnr12, H::Left,
             V::Top),
        text("Targa", {1701, 6803, 1559, 284}, QStringLiteral("num FR"), tnr12b, H::Left, V::Top),
        text("Label143", {3969, 6803, 708, 284}, QStringLiteral("Data"), tnr12, H::Left, V::Top),
        line("Line25", {1559, 7087}, {3260, 7087}),
        line("Line26", {4677, 7087}, {7087, 7087}),
        rectangle("Shape9", {0, 7370, 7228, 709}),
        text("Label144", {142, 7512, 2267, 283}, QStringLiteral("Firma istruttore"), tnr12, H::Left,
             V::Top),
        rectangle("Shape10", {0, 8220, 7228, 709}),
        text("Label145", {142, 8362, 2693, 284}, QStringLiteral("Firma allievo per presenza"),
             tnr12, H::Left, V::Top),
        ellipse("Shape16", {3969, 9071, 1700, 1701}),
        rectangle("Shape11", {0, 9638, 3685, 992}),
        rectangle("Shape12", {5811, 9638, 1417, 992}),
        text("Label151", {0, 9780, 283, 283}, QStringLiteral("*"), tnr12, H::Center, V::Top),
        text("Label147", {283, 9780, 3119, 283}, QStringLiteral("Barrare il modulo corrispondente"),
             timesNewRoman(9.75), H::Left, V::Top),
        text("Label148", {5953, 9780, 567, 283}, QStringLiteral("Pag."), tnr12, H::Left, V::Top),
        text("Label150", {283, 10063, 3119, 425},
             QStringLiteral("(cfr. programma di cui all'allegato 1 DM Infrastrutture e trasporti "
                            "del 20/04/2012)"),
             timesNewRoman(9), H::Left, V::Top),
        boundText(QStringLiteral("Field2"), {5953, 10205, 1134, 283}, page.pageNumber,
                  QStringLiteral("pagina"), tnr12, H::Left, V::Top),
    };
}

namespace {

// A right-half twin: its name and, where it is not the left one moved right, its geometry.
struct CopyTwin
{
    const char *left;
    const char *right;
    std::optional<QRect> box;
};

// The heading, page number and cut line are handled apart (their bindings differ per layout).
const CopyTwin copyTwins[] = {
    {"Shape2", "Shape22", QRect(8362, 992, 7229, 1276)},
    {"NatoAL", "Label171", {}},
    {"Ag21", "Ag31", QRect(9780, 1065, 5670, 285)},
    {"Ag22", "Ag32", QRect(9780, 1350, 5670, 285)},
    {"Label168", "Label193", {}},
    {"Ag23", "Ag33", QRect(9780, 1635, 5670, 285)},
    {"Cod2", "Cod3", QRect(8505, 1920, 1140, 285)},
    {"Ag24", "Ag34", QRect(9780, 1920, 5670, 285)},
    {"Shape3", "Shape23", QRect(8362, 2409, 7229, 567)},
    {"Label15", "Label173", {}},
    {"Label153", "Label186", QRect(9780, 2551, 283, 284)},
    {"Shape18", "Shape29", QRect(9780, 2551, 283, 284)},
    {"Label154", "Label187", {}},
    {"Shape19", "Shape30", {}},
    {"Label155", "Label188", {}},
    {"Shape17", "Shape28", {}},
    {"Shape4", "Shape24", QRect(8362, 3118, 7229, 567)},
    {"Label137", "Label178", {}},
    {"Label149", "Label185", {}},
    {"Line23", "Line32", {}},
    {"Line22", "Line31", {}},
    {"Shape5", "Shape21", QRect(8362, 3827, 7229, 1701)},
    {"Label138", "Label179", {}},
    {"Cognome2", "Cognome3", {}},
    {"Line1", "Line28", {}},
    {"Label139", "Label180", {}},
    {"UMC", "UMC2", {}},
    {"Line20", "Line30", {}},
    {"Label140", "Label181", {}},
    {"NumFR", "NumFR2", {}},
    {"Line4", "Line29", {}},
    {"Shape6", "Shape25", QRect(8362, 5669, 7229, 851)},
    {"Label141", "Label182", QRect(8504, 5811, 3402, 283)},
    {"Istruttore", "Istruttore2", {}},
    {"Line24", "Line33", {}},
    {"Shape7", "Shape26", {}},
    {"Shape8", "Shape27", QRect(12189, 6661, 3402, 567)},
    {"Label142", "Label183", {}},
    {"Targa", "Targa2", {}},
    {"Label143", "Label184", {}},
    {"Shape9", "Shape31", QRect(8362, 7370, 7229, 709)},
    {"Label144", "Label194", QRect(8504, 7512, 2268, 283)},
    {"Shape10", "Shape32", QRect(8362, 8220, 7229, 709)},
    {"Label145", "Label195", {}},
    {"Shape16", "Shape35", {}},
    {"Shape11", "Shape33", {}},
    {"Shape12", "Shape34", QRect(14173, 9638, 1418, 992)},
    {"Label151", "Label199", QRect(8362, 9780, 284, 283)},
    {"Label147", "Label196", QRect(8646, 9780, 3118, 283)},
    {"Label148", "Label197", {}},
    {"Label150", "Label198", QRect(8646, 10063, 3118, 425)},
};

const ReportControl *findIn(const std::vector<ReportControl> &controls, QStringView name)
{
    for (const ReportControl &control : controls) {
        if (control.name() == name)
            return &control;
    }
    return nullptr;
}

ReportControl twinOf(const ReportControl &left, const QString &rightName,
                     const std::optional<QRect> &box)
{
    const ReportControl renamed = left.renamed(rightName);
    return box ? renamed.withBox(*box) : renamed.movedRight(copyOffset);
}

} // namespace

std::vector<ReportControl> copyHalfControls(const std::vector<ReportControl> &leftHalf,
                                            const QString &leftCutLineName,
                                            const LessonPageBindings &bindings)
{
    std::vector<ReportControl> right;
    const ReportControl *heading = findIn(leftHalf, u"Field1");
    const ReportControl *pageNumber = findIn(leftHalf, u"Field2");
    const ReportControl *cut = findIn(leftHalf, leftCutLineName);
    if (cut && !bindings.cutLineName.isEmpty()) {
        right.push_back(twinOf(*cut, bindings.cutLineName, QRect(8362, 142, 7229, 283))
                            .boundTo(bindings.cutLine, bindings.cutLineText));
    }
    if (heading) {
        right.push_back(twinOf(*heading, QStringLiteral("Field4"), {})
                            .boundTo(bindings.heading, bindings.headingText));
    }
    for (const CopyTwin &twin : copyTwins) {
        const ReportControl *left = findIn(leftHalf, QString::fromLatin1(twin.left));
        if (!left)
            continue;
        ReportControl copy = twinOf(*left, QLatin1String(twin.right), twin.box);
        // The copy's office label has its own placeholder; the print command overwrites it.
        if (copy.name() == QLatin1String("UMC2"))
            copy.setText(QStringLiteral("Label174"));
        right.push_back(copy);
    }
    if (pageNumber) {
        right.push_back(twinOf(*pageNumber, QStringLiteral("Field6"), {})
                            .boundTo(bindings.pageNumber, QStringLiteral("pagina")));
    }
    right.push_back(dashedLine("Line34", {7795, 0}, {7795, 283}));
    right.push_back(dashedLine("Line37", {7795, 10488}, {7795, 10772}));
    return right;
}

} // namespace Tavo::Reports
