#include "reports/report_page.h"

#include <limits>

namespace Tavo::Reports {

std::vector<ReportPage> paginate(const ReportSection &reportHeader, int rowCount)
{
    std::vector<ReportPage> pages;
    // The last header page takes everything below the last break, however tall.
    constexpr int open = std::numeric_limits<int>::max();
    int sliceTop = 0;
    for (int breakTop : reportHeader.pageBreaks()) {
        if (breakTop <= sliceTop)
            continue;
        pages.push_back({ReportSection::Kind::ReportHeader, -1, sliceTop, breakTop});
        sliceTop = breakTop;
    }
    pages.push_back({ReportSection::Kind::ReportHeader, -1, sliceTop, open});
    for (int row = 0; row < rowCount; ++row)
        pages.push_back({ReportSection::Kind::Detail, row, 0, open});
    return pages;
}

} // namespace Tavo::Reports
