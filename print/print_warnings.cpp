#include "print/print_warnings.h"

#include "print/booklet_labels.h"
#include "print/booklet_pages.h"
#include "print/paper_fit.h"
#include "print/print_units.h"
#include "reports/report_layout.h"

#include <QImage>

namespace Tavo {

QList<PrintWarning> findPrintWarnings(const PrintInput &input, const Settings &settings)
{
    const BookletPages::Layout layout = BookletPages::chooseLayout(settings);
    const auto report = BookletPages::createReport(layout);
    const BookletLabels::LearnerTexts learner =
        BookletLabels::learnerTexts(input, PrintUnits::pageCount(settings.CfgPagine).value_or(0));
    BookletLabels::fill(*report, layout, settings, learner);
    // Texts are laid out at the resolution of a PDF and of a printer at high resolution.
    QImage printerResolution(1, 1, QImage::Format_Mono);
    printerResolution.setDotsPerMeterX(qRound(1200 / 0.0254));
    printerResolution.setDotsPerMeterY(qRound(1200 / 0.0254));
    QList<PrintWarning> warnings = BookletLabels::notPrintedWhole(*report, printerResolution);
    for (const QString &margin : PaperFit::marginsPastThePaper(*report, layout, settings))
        warnings.append({margin, InputCheck::Field::None});
    return warnings;
}

} // namespace Tavo
