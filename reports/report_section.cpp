#include "reports/report_section.h"

#include <algorithm>

namespace Tavo::Reports {

ReportSection::ReportSection(Kind kind, int height) : m_kind(kind), m_height(height) {}

std::vector<int> ReportSection::pageBreaks() const
{
    std::vector<int> tops;
    for (const ReportControl &control : m_controls) {
        if (control.kind() == ReportControl::Kind::PageBreak)
            tops.push_back(control.top());
    }
    std::sort(tops.begin(), tops.end());
    return tops;
}

} // namespace Tavo::Reports
