#include "reports/booklet_cover.h"

#include "reports/control_shorthands.h"

namespace Tavo::Reports {

namespace {

using namespace Shorthands;

// The statement's design text; the print command writes the configured number of pairs.
QString composeDesignText()
{
    return QStringLiteral("IL PRESENTE BLOCCO DELLE LEZIONI DI GUIDA SI COMPONE DI 6 COPPIE DI "
                          "PAGINE IN ORIGINALE E COPIA");
}

const QString placeAndDate = QStringLiteral("________________, li ________________");
const QString signatureNote = QStringLiteral("(firma del funzionario delegato)");
const QString stampNote = QStringLiteral("TIMBRO DELL'UFFICIO");

} // namespace

std::vector<ReportControl> coverFrontControls()
{
    const ReportFont tnr12 = timesNewRoman(12);
    const ReportFont arial12 = arial(12);
    return {
        text("Label160", {0, 567, 7228, 425}, QStringLiteral("LIBRETTO DELLE LEZIONI DI GUIDA"),
             timesNewRoman(15.75, true), H::Center, V::Top),
        text("Label1", {425, 992, 6378, 567},
             QStringLiteral("(Art. 122, comma 5-bis del codice della strada ed art. 1, co. 3, "
                            "del DM Infrastrutture e Trasporti del 20/04/2012"),
             timesNewRoman(11.25), H::Center, V::Top),
        rectangle("Shape13", {0, 1984, 7228, 2268}),
        text("Label156", {0, 1984, 1276, 284}, QStringLiteral("Autoscuola"), tnr12, H::Right,
             V::Top),
        text("Ag11", {1417, 2126, 5670, 425}, QStringLiteral("agenzia"), arial(14.25, true),
             H::Left, V::Bottom),
        text("Ag12", {1417, 2645, 5670, 284}, QStringLiteral("denominazione"), arial12, H::Left,
             V::Bottom),
        text("Ag13", {1417, 3023, 5670, 284}, QStringLiteral("indirizzo"), arial12, H::Left,
             V::Bottom),
        text("Ag14", {1417, 3401, 5670, 283}, QStringLiteral("città"), arial12, H::Left, V::Bottom),
        text("Cod1", {1417, 3685, 1134, 425}, QStringLiteral("0000"), arial(14.25, true), H::Left,
             V::Bottom),
        text("Label167", {0, 3827, 1276, 283}, QStringLiteral("Codice"), tnr12, H::Right,
             V::Bottom),
        rectangle("Shape14", {0, 4677, 7228, 851}),
        text("Label169", {0, 4677, 1276, 284}, QStringLiteral("Allievo"), tnr12, H::Right, V::Top),
        text("Cognome1", {1417, 4819, 4819, 567}, QStringLiteral("cognome"),
             timesNewRoman(14.25, true), H::Left, V::Top),
    };
}

std::vector<ReportControl> coverBackA5Controls()
{
    const ReportFont tnr12 = timesNewRoman(12);
    return {
        ReportControl::pageBreak(QStringLiteral("PageBreak1"), 6520),
        line("Line28", {709, 6520}, {7228, 6520}),
        text("compone", {0, 7512, 7228, 567}, composeDesignText(), tnr12, H::Center, V::Top),
        text("Label164", {0, 8787, 7228, 284}, placeAndDate, tnr12, H::Center, V::Top),
        line("Line27", {1984, 10063}, {5244, 10063}),
        text("Label165", {0, 10205, 7228, 283}, signatureNote, timesNewRoman(8.25, false, true),
             H::Center, V::Top),
        ellipse("Shape20", {2835, 11197, 1700, 1701}),
        text("Label166", {2835, 11764, 1700, 567}, stampNote, timesNewRoman(9.75), H::Center,
             V::Top),
    };
}

std::vector<ReportControl> coverBackA4Controls(bool withAgsLabel)
{
    const ReportFont tnr12 = timesNewRoman(12);
    std::vector<ReportControl> controls = {
        dashedLine("Line36", {7795, 0}, {7795, 283}),
        text("compone", {8362, 992, 7229, 567}, composeDesignText(), tnr12, H::Center, V::Top),
        text("Label164", {8362, 2268, 7229, 283}, placeAndDate, tnr12, H::Center, V::Top),
        line("Line27", {10346, 3543}, {13606, 3543}),
        text("Label165", {8362, 3685, 7229, 284}, signatureNote, timesNewRoman(8.25, false, true),
             H::Center, V::Top),
        ellipse("Shape20", {11197, 4677, 1701, 1701}),
        text("Label166", {11197, 5244, 1701, 567}, stampNote, timesNewRoman(9.75), H::Center,
             V::Top),
    };
    if (withAgsLabel) {
        controls.push_back(text("Label200", {11197, 10346, 1701, 426},
                                QStringLiteral("A     G     S"), arial(14.25, true), H::Center,
                                V::Top));
    }
    controls.push_back(dashedLine("Line38", {7795, 10488}, {7795, 10772}));
    return controls;
}

} // namespace Tavo::Reports
