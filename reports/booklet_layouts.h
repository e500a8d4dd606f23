#pragma once

#include "reports/report_layout.h"

#include <memory>

namespace Tavo::Reports {

// The cut line printed at the top of an original page: 52 hyphens separated by single blanks.
QString cutLineText();

// A5: the cover, its back, then one booklet page per data row. Rows need the fields
// `titolo`, `pagina` and `taglia`.
std::unique_ptr<ReportLayout> createRptLibGuide();
// A4 landscape: cover and back side by side, then per row the original page on the left and
// its copy on the right, both numbered by the field `pagina`.
std::unique_ptr<ReportLayout> createRptLibGuideA4();
// A4 landscape for collated folding: as createRptLibGuideA4(), but both headings come from
// `titolo`, the cut lines from `taglia` and the page numbers from `pagina1` (left) and
// `pagina2` (right).
std::unique_ptr<ReportLayout> createRptLibGuideA4f();

} // namespace Tavo::Reports
