#pragma once

#include "print/booklet_pages.h"

#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace Tavo::Reports {
class ReportLayout;
}

namespace Tavo::BookletPrinting {

// The paper a layout is printed on: A5 portrait, or A4 landscape (stated, since a printer's
// default paper follows the locale and its default orientation is portrait).
struct Paper
{
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};
Paper paperOf(BookletPages::Layout layout);
// "A5" or "A4 orizzontale", as messages name it.
QString paperName(const Paper &paper);

// The layouts are measured from the sheet's corner: a PDF writer's page is the layout's paper
// without margins.
void setUpPage(QPdfWriter &writer, BookletPages::Layout layout);

// The same on a printer, step by step in the order every printer takes whatever its hardware
// margins: paper, orientation, full-page mode, then zero margins. (Handed over whole, a
// margin-free layout is refused by a printer that declares margins, and Windows' engine would
// also take full-page mode from it.) Each step is checked and the page layout read back. Copies,
// page range and duplex are left as they are, so call it again after the printer dialog, which
// puts back the printer's own default paper. Returns an Italian message naming the printer and
// the paper when the printer cannot take them (no such paper, a refused setting); empty when the
// page is set.
QString setUpPage(QPrinter &printer, BookletPages::Layout layout);

// How messages name the printer's output: "la stampante Ufficio", or "il file PDF" when the
// printer dialog sent the booklet to a file.
QString deviceName(const QPrinter &printer);

// Paints the pages of the report whose indexes `pages` lists (0-based, ascending; every page
// when empty) on the device, one sheet each. `deviceName` names the device in messages ("il file
// PDF", "la stampante Ufficio"). Returns an Italian message when the device cannot start, take a
// new page or finish; empty when all pages went out.
QString printPages(const Reports::ReportLayout &report, QPagedPaintDevice &device,
                   const QString &deviceName, const QList<int> &pages = {});

} // namespace Tavo::BookletPrinting
