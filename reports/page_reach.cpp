#include "reports/page_reach.h"

#include <algorithm>

namespace Tavo::Reports {

QPoint pageReach(const ReportLayout &layout, const ReportPage &page)
{
    QPoint reach;
    for (const ReportControl &control : layout.section(page.section).controls()) {
        if (!page.holds(control.top()) || control.kind() == ReportControl::Kind::PageBreak ||
            control.kind() == ReportControl::Kind::DataControl)
            continue;
        QPoint farthest;
        if (control.kind() == ReportControl::Kind::Line) {
            farthest = QPoint(std::max(control.lineStart().x(), control.lineEnd().x()),
                              std::max(control.lineStart().y(), control.lineEnd().y()));
        } else {
            const QRect box = control.box();
            farthest = QPoint(box.x() + box.width(), box.y() + box.height());
        }
        reach.setX(std::max(reach.x(), farthest.x()));
        reach.setY(std::max(reach.y(), farthest.y() - page.sliceTop));
    }
    return reach;
}

} // namespace Tavo::Reports
