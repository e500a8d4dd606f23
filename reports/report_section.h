#pragma once

#include "reports/report_control.h"

#include <vector>

namespace Tavo::Reports {

// One band of a report: its kind, its height in twips and its controls in stored order.
class ReportSection
{
public:
    enum class Kind
    {
        ReportHeader,
        PageHeader,
        Detail,
        PageFooter,
        ReportFooter
    };

    ReportSection(Kind kind, int height);

    Kind kind() const { return m_kind; }
    int height() const { return m_height; }
    const std::vector<ReportControl> &controls() const { return m_controls; }
    std::vector<ReportControl> &controls() { return m_controls; }

    // Tops of the section's PageBreak controls, ascending.
    std::vector<int> pageBreaks() const;

private:
    Kind m_kind;
    int m_height;
    std::vector<ReportControl> m_controls;
};

} // namespace Tavo::Reports
