#pragma once

#include "print/booklet_pages.h"

#include <QString>

class QPagedPaintDevice;

namespace Tavo::Reports {
class ReportLayout;
}

namespace Tavo::BookletPrinting {

// Paper and orientation of the layout on a printer or a PDF writer: A5 portrait, or A4 in
// landscape (set explicitly, since a printer's default paper follows the locale), without
// margins, so that positions are measured from the sheet's edge. A printer must also be in
// full-page mode.
void setUpPage(QPagedPaintDevice &device, BookletPages::Layout layout);

// Paints every page of the report on the device, one sheet each. `deviceName` names the device
// in messages ("il file PDF", "la stampante Ufficio"). Returns an Italian message when the
// device cannot start, take a new page or finish; empty when all pages went out.
QString printPages(const Reports::ReportLayout &report, QPagedPaintDevice &device,
                   const QString &deviceName);

} // namespace Tavo::BookletPrinting
