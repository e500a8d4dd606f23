#pragma once

#include "reports/report_layout.h"
#include "reports/report_page.h"
#include "reports/report_text_box.h"

class QPainter;

namespace Tavo::Reports {

// Paints a layout page by page: the report header, then one detail band per data row, each on
// a page of its own. The page header, page footer and report footer are not printed; they are
// empty in every booklet layout. The layout (texts, margins, data source) is read at each call,
// so it may be filled after the renderer is made; it must outlive the renderer.
class ReportRenderer
{
public:
    explicit ReportRenderer(const ReportLayout &layout);

    // Report-header pages (split at PageBreak controls) plus one page per data row.
    int pageCount() const;
    std::vector<ReportPage> pages() const;

    // Paints page `index` (0-based; out of range paints nothing) on a painter whose device is
    // the whole physical sheet: positions are twips from the sheet's top-left corner plus the
    // layout's margins, converted with the device's logical DPI. Works on QPrinter (full-page
    // mode), QPdfWriter and QImage. What falls beyond the sheet is clipped by the device.
    void paintPage(int index, QPainter &painter) const;

    // The Labels, in section and stored order, whose text would not print whole on `device`
    // (see TextBoxLines::whole), even as small as its TextFit lets it print.
    QStringList labelsNotPrintedWhole(const QPaintDevice &device) const;

private:
    const ReportLayout &m_layout;
    // Text boxes already laid out on an earlier page; the layout's texts are part of the key,
    // so a text changed between pages is laid out afresh.
    mutable TextBoxLayoutCache m_textBoxes;
};

} // namespace Tavo::Reports
