#pragma once

#include "core/settings.h"
#include "print/booklet_pages.h"
#include "print/print_command.h"
#include "print/print_warnings.h"

#include <QList>
#include <QString>

class QPaintDevice;

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

// The texts for `input`, with the issuing office its authorisation number's province code names.
LearnerTexts learnerTexts(const PrintInput &input, int pageCount);

// Writes the school's and the learner's data into the labels of the middle column and, on the
// A4 layouts, of the right column. Other controls keep their texts. A value too long for its
// label prints smaller (Reports::ReportControl::TextFit::Shrink), but for the composition
// statement, the program's own text. Returns an Italian message naming the first label the
// layout lacks, empty when every label was set.
QString fill(Reports::ReportLayout &report, BookletPages::Layout layout, const Settings &settings,
             const LearnerTexts &learner);

// One warning for each value that fill() wrote and that would not print whole in one of its
// labels on `device`, even at its smallest size; in the order of the main window's fields,
// then the school's data.
QList<PrintWarning> notPrintedWhole(const Reports::ReportLayout &report,
                                    const QPaintDevice &device);

} // namespace Tavo::BookletLabels
