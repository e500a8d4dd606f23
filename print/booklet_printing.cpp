#include "print/booklet_printing.h"

#include "reports/report_renderer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace Tavo::BookletPrinting {

void setUpPage(QPrinter &printer, BookletPages::Layout layout)
{
    printer.setFullPage(true);
    const bool a4 = BookletPages::isA4(layout);
    printer.setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::A5));
    printer.setPageOrientation(a4 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QString printPages(const Reports::ReportLayout &report, QPrinter &printer)
{
    const QString name = printer.outputFormat() == QPrinter::PdfFormat
                             ? QStringLiteral("il file PDF")
                             : QStringLiteral("la stampante %1").arg(printer.printerName());
    if (!printer.isValid())
        return QStringLiteral("Impossibile usare %1").arg(name);

    const Reports::ReportRenderer renderer(report);
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("Impossibile avviare la stampa su %1").arg(name);
    const int pages = renderer.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return QStringLiteral("Stampa interrotta a pagina %1 su %2").arg(page + 1).arg(name);
        }
        renderer.paintPage(page, painter);
    }
    if (!painter.end())
        return QStringLiteral("Impossibile completare la stampa su %1").arg(name);
    return {};
}

} // namespace Tavo::BookletPrinting
