#pragma once

#include "core/settings.h"
#include "print/tabella_pagine.h"

#include <QString>

#include <memory>

namespace Tavo::Reports {
class ReportLayout;
}

// What the booklet's pages carry: the layout chosen from the settings, the page table that
// drives its detail bands, the page numbers and the composition statement.
namespace Tavo::BookletPages {

enum class Layout
{
    RptLibGuide,
    RptLibGuideA4,
    RptLibGuideA4f
};

// "RptLibGuide", "RptLibGuideA4" or "RptLibGuideA4f".
QString layoutName(Layout layout);

// A new instance of the layout, with its design texts.
std::unique_ptr<Reports::ReportLayout> createReport(Layout layout);

// A5 exactly gives the A5 layout; any other format the A4 one, collated when CfgFascicola is on.
Layout chooseLayout(const Settings &settings);

// The two booklet pages sit side by side on an A4 sheet in landscape.
inline bool isA4(Layout layout)
{
    return layout != Layout::RptLibGuide;
}

inline const QString kOriginalHeading = QStringLiteral("ORIGINALE (retro a carta di ricalco)");
inline const QString kCopyHeading = QStringLiteral("COPIA");
// "k di n", written from the integers.
QString pageNumberText(int page, int pageCount);

// "IL PRESENTE BLOCCO ... SI COMPONE DI n COPPIE DI PAGINE IN ORIGINALE E COPIA".
QString compositionStatement(int pageCount);

// Defines the layout's fields in table (empty and open) and appends one row per printed lesson
// page (A5) or sheet (A4), then moves to the first row. A page count below 1 gives no rows.
// Stops at the first value that does not fit its field.
TabellaPagine::Result fillPageTable(Layout layout, int pageCount, TabellaPagine &table);

} // namespace Tavo::BookletPages
