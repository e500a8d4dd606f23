#pragma once

#include "core/settings.h"
#include "print/booklet_pages.h"
#include "print/print_command.h"

#include <QString>

namespace Tavo::Reports {
class ReportLayout;
}

namespace Tavo::BookletLabels {

// What the labels of a booklet carry besides the settings.
struct LearnerTexts
{
    PrintInput input;   // Nome and Aut as typed, Istruttore, Targa
    QString officeName; // the issuing office of Aut's province code
    int pageCount = 0;  // n of the composition statement
};

// Writes the school's and the learner's data into the labels of the middle column and, on the
// A4 layouts, of the right column. Other controls keep their texts. Returns an Italian message
// naming the first label the layout lacks, empty when every label was set.
QString fill(Reports::ReportLayout &report, BookletPages::Layout layout, const Settings &settings,
             const LearnerTexts &learner);

} // namespace Tavo::BookletLabels
