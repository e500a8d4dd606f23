#include "print/paper_fit.h"

#include "core/numeric_value.h"
#include "print/booklet_printing.h"
#include "reports/page_reach.h"
#include "reports/report_layout.h"

#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace Tavo::PaperFit {

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

// The farthest the pages reach, in twips from the printable area's corner; the detail band is
// the same on every page, so one row shows it.
QPoint farthestReach(const Reports::ReportLayout &report)
{
    QPoint reach;
    const auto &header = report.section(Reports::ReportSection::Kind::ReportHeader);
    for (const Reports::ReportPage &page : Reports::paginate(header, 1)) {
        const QPoint p = Reports::pageReach(report, page);
        reach = QPoint(std::max(reach.x(), p.x()), std::max(reach.y(), p.y()));
    }
    return reach;
}

} // namespace

QStringList marginsPastThePaper(const Reports::ReportLayout &report, BookletPages::Layout layout,
                                const Settings &settings)
{
    const std::optional<qint32> left = wholeNumericValue(settings.CfgMargineSx);
    const std::optional<qint32> top = wholeNumericValue(settings.CfgMargineTop);
    if (!left || !top)
        return {};
    const BookletPrinting::Paper paper = BookletPrinting::paperOf(layout);
    QSizeF sheet = QPageSize(paper.size).size(QPageSize::Millimeter);
    if (paper.orientation == QPageLayout::Landscape)
        sheet.transpose();
    const QPoint reach = farthestReach(report);
    // The largest whole margin that keeps the page on the sheet.
    const auto largest = [](double sheetMm, int reachTwips) {
        return int(std::floor(sheetMm - reachTwips / kTwipsPerMm));
    };
    const int leftMost = largest(sheet.width(), reach.x());
    const int topMost = largest(sheet.height(), reach.y());
    const QString name = BookletPrinting::paperName(paper);
    QStringList messages;
    if (*left > leftMost)
        messages << QStringLiteral("Con il margine sinistro di %1 mm il lato destro della pagina "
                                   "esce dal foglio %2: ridurre il margine sinistro a %3 mm o "
                                   "meno (Configurazione).")
                        .arg(*left)
                        .arg(name)
                        .arg(std::max(0, leftMost));
    if (*top > topMost)
        messages << QStringLiteral("Con il margine superiore di %1 mm il piede della pagina (Pag. "
                                   "… di …, il cerchio del timbro) esce dal foglio %2: ridurre il "
                                   "margine superiore a %3 mm o meno (Configurazione).")
                        .arg(*top)
                        .arg(name)
                        .arg(std::max(0, topMost));
    return messages;
}

} // namespace Tavo::PaperFit
