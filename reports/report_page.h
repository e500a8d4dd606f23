#pragma once

#include "reports/report_section.h"

#include <vector>

namespace Tavo::Reports {

// One printed page: the slice of a section it shows. Controls whose top lies in
// [sliceTop, sliceEnd) are drawn, moved up by sliceTop. `row` is the data row of a detail
// page, -1 for a report header page.
struct ReportPage
{
    ReportSection::Kind section = ReportSection::Kind::ReportHeader;
    int row = -1;
    int sliceTop = 0;
    int sliceEnd = 0;

    // Whether a control whose top lies at `top` in the page's section prints on this page.
    bool holds(int top) const { return top >= sliceTop && top < sliceEnd; }

    bool operator==(const ReportPage &other) const = default;
};

// The pages of a layout with `rowCount` data rows: the report header split at each PageBreak
// (a break at 0 or above starts no empty page), then one detail page per row. A row count
// below 1 prints the report header only.
std::vector<ReportPage> paginate(const ReportSection &reportHeader, int rowCount);

} // namespace Tavo::Reports
