#include "print/booklet_printing.h"

#include "reports/report_renderer.h"

#include <QMarginsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace Tavo::BookletPrinting {

namespace {

// Whether the printer has the paper. A printer that lists no sizes at all (a raw queue) is taken
// at its word; one that takes custom sizes prints any.
bool hasPaper(const QPrinterInfo &printer, QPageSize::PageSizeId size)
{
    const QList<QPageSize> sizes = printer.supportedPageSizes();
    return sizes.isEmpty() || printer.supportsCustomPageSizes() ||
           std::any_of(sizes.begin(), sizes.end(),
                       [size](const QPageSize &offered) { return offered.id() == size; });
}

bool holdsPaper(const QPageLayout &set, const Paper &paper)
{
    return set.pageSize().id() == paper.size && set.orientation() == paper.orientation &&
           set.mode() == QPageLayout::FullPageMode && set.margins().isNull();
}

} // namespace

Paper paperOf(BookletPages::Layout layout)
{
    if (BookletPages::isA4(layout))
        return {QPageSize::A4, QPageLayout::Landscape};
    return {QPageSize::A5, QPageLayout::Portrait};
}

QString paperName(const Paper &paper)
{
    return paper.orientation == QPageLayout::Landscape
               ? QStringLiteral("%1 orizzontale").arg(QPageSize::name(paper.size))
               : QPageSize::name(paper.size);
}

void setUpPage(QPdfWriter &writer, BookletPages::Layout layout)
{
    const Paper paper = paperOf(layout);
    writer.setPageLayout(QPageLayout(QPageSize(paper.size), paper.orientation,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Point));
}

QString setUpPage(QPrinter &printer, BookletPages::Layout layout)
{
    const Paper paper = paperOf(layout);
    if (printer.outputFormat() == QPrinter::NativeFormat &&
        !hasPaper(QPrinterInfo(printer), paper.size))
        return QStringLiteral("La stampante %1 non ha la carta %2 del libretto: nulla è stato "
                              "stampato. Scegliere un'altra stampante, o il formato A4 in "
                              "Configurazione.")
            .arg(printer.printerName(), paperName(paper));
    bool set =
        printer.setPageSize(QPageSize(paper.size)) && printer.setPageOrientation(paper.orientation);
    if (set) {
        printer.setFullPage(true);
        set = printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    }
    if (!set || !holdsPaper(printer.pageLayout(), paper))
        return QStringLiteral("Impossibile impostare la carta %1 per %2: nulla è stato stampato.")
            .arg(paperName(paper), deviceName(printer));
    return {};
}

QString deviceName(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("il file PDF");
    return QStringLiteral("la stampante %1").arg(printer.printerName());
}

QString printPages(const Reports::ReportLayout &report, QPagedPaintDevice &device,
                   const QString &name, const QList<int> &pages)
{
    const Reports::ReportRenderer renderer(report);
    QList<int> printed = pages;
    if (printed.isEmpty()) {
        for (int page = 0; page < renderer.pageCount(); ++page)
            printed.append(page);
    }
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("Impossibile avviare la stampa su %1").arg(name);
    for (qsizetype i = 0; i < printed.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return QStringLiteral("Stampa interrotta a pagina %1 su %2")
                .arg(printed[i] + 1)
                .arg(name);
        }
        renderer.paintPage(printed[i], painter);
    }
    if (!painter.end())
        return QStringLiteral("Impossibile completare la stampa su %1").arg(name);
    return {};
}

} // namespace Tavo::BookletPrinting
