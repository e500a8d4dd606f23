#pragma once

#include "core/settings.h"
#include "print/booklet_pages.h"

#include <QStringList>

namespace Tavo::Reports {
class ReportLayout;
}

namespace Tavo::PaperFit {

// Whether the pages of the report, shifted by the margins of the settings, stay on the layout's
// paper: a margin the window accepts (up to 99 mm) can push the foot of every page ("Pag. k di
// n", the stamp circle) or its right side off the sheet. One Italian message for each margin
// to lower, saying how far; none when the pages fit or a margin is out of range (which the
// print command refuses).
QStringList marginsPastThePaper(const Reports::ReportLayout &report, BookletPages::Layout layout,
                                const Settings &settings);

} // namespace Tavo::PaperFit
