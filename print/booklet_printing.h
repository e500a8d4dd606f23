#pragma once

#include "print/booklet_pages.h"

#include <QString>

class QPrinter;

namespace Tavo::Reports {
class ReportLayout;
}

namespace Tavo::BookletPrinting {

// Paper and orientation of the layout: A5 portrait, or A4 in landscape (set explicitly, since
// the default paper follows the locale). Positions are measured from the sheet's edge: full-page
// mode and no margins of the printer's own.
void setUpPage(QPrinter &printer, BookletPages::Layout layout);

// Paints every page of the report on the printer, one sheet each. Returns an Italian message
// when the printer cannot start, take a new page or finish; empty when all pages went out.
QString printPages(const Reports::ReportLayout &report, QPrinter &printer);

} // namespace Tavo::BookletPrinting
