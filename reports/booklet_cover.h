#pragma once

#include "reports/report_control.h"

#include <vector>

namespace Tavo::Reports {

// The front of the cover: title, legal reference, the driving school's box and the learner's
// box, in twips from the top of the report header. The same in every layout.
std::vector<ReportControl> coverFrontControls();

// The back of the cover on the A5 layout: PageBreak1 at 6520, the fold line Line28 and, below
// them, the composition statement, place and date, signature line and stamp circle.
std::vector<ReportControl> coverBackA5Controls();

// The back of the cover on the right half of an A4 sheet, with the fold marks at the middle of
// the sheet. `withAgsLabel` adds Label200 ("A     G     S") of the collated layout.
std::vector<ReportControl> coverBackA4Controls(bool withAgsLabel);

} // namespace Tavo::Reports
