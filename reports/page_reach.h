#pragma once

#include "reports/report_layout.h"
#include "reports/report_page.h"

#include <QPoint>

namespace Tavo::Reports {

// How far the printed controls of a page reach: their rightmost and lowest twip, measured from
// the printable area's top-left corner (the sheet's corner shifted by the margins). The data
// slot and page breaks print nothing and do not count.
QPoint pageReach(const ReportLayout &layout, const ReportPage &page);

} // namespace Tavo::Reports
