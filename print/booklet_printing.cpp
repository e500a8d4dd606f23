#include "print/booklet_printing.h"

#include "reports/report_renderer.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace Tavo::BookletPrinting {

void setUpPage(QPagedPaintDevice &device, BookletPages::Layout layout)
{
    const bool a4 = BookletPages::isA4(layout);
    device.setPageLayout(QPageLayout(QPageSize(a4 ? QPageSize::A4 : QPageSize::A5),
                                     a4 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

QString printPages(const Reports::ReportLayout &report, QPagedPaintDevice &device,
                   const QString &name)
{
    const Reports::ReportRenderer renderer(report);
    QPainter painter;
    if (!painter.begin(&device))
        return QStringLiteral("Impossibile avviare la stampa su %1").arg(name);
    const int pages = renderer.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
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
