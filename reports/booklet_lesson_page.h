#pragma once

#include "reports/report_control.h"

#include <vector>

namespace Tavo::Reports {

// Where a lesson page takes its heading, page number and cut line from.
struct LessonPageBindings
{
    QString heading{}; // data field of the heading, "" to print headingText
    QString headingText{};
    QString pageNumber{};  // data field of the page number
    QString cutLineName{}; // name of the cut line control
    QString cutLine{};     // data field of the cut line, "" to print cutLineText
    QString cutLineText{};
};

// One lesson page as the A5 layout's detail band and the left half of an A4 sheet hold it,
// including the data slot DataControl1; `bindings` gives the heading, page number and cut line.
std::vector<ReportControl> lessonPageControls(const LessonPageBindings &bindings);

// The copy on the right half of an A4 sheet: every control of `leftHalf` (but DataControl1)
// under its right-half name, 8362 twips further right or at its own right-half geometry, then
// the fold marks Line34 and Line37. The heading Field4, the page number Field6 and the cut line
// (the twin of `leftCutLineName`) take their sources from `bindings`; with an empty
// `bindings.cutLineName` the right half has no cut line.
std::vector<ReportControl> copyHalfControls(const std::vector<ReportControl> &leftHalf,
                                            const QString &leftCutLineName,
                                            const LessonPageBindings &bindings);

} // namespace Tavo::Reports
