#include "reports/report_renderer.h"

#include "reports/report_text_box.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace Tavo::Reports {

namespace {

// Converts twips of the layout into device units of the painter, from the sheet's corner.
class TwipsToDevice
{
public:
    TwipsToDevice(const QPaintDevice &device, qreal leftMargin, qreal topMargin)
        : m_scaleX(device.logicalDpiX() / 1440.0), m_scaleY(device.logicalDpiY() / 1440.0),
          m_left(leftMargin), m_top(topMargin)
    {}

    QPointF point(qreal x, qreal y) const
    {
        return QPointF((m_left + x) * m_scaleX, (m_top + y) * m_scaleY);
    }
    QRectF rect(const QRect &twips, int sliceTop) const
    {
        const QPointF topLeft = point(twips.left(), twips.top() - sliceTop);
        return QRectF(topLeft, QSizeF(twips.width() * m_scaleX, twips.height() * m_scaleY));
    }

private:
    qreal m_scaleX;
    qreal m_scaleY;
    qreal m_left;
    qreal m_top;
};

QPen outlinePen(ReportControl::LineStyle style, const QPaintDevice &device)
{
    // A hairline of 0.25 pt, at least one device pixel: a single pixel of a 1200 dpi printer
    // would be too faint to see.
    const qreal width = std::max(1.0, device.logicalDpiX() / 288.0);
    QPen pen(Qt::black, width);
    if (style == ReportControl::LineStyle::Dashed) {
        // Dash lengths count in pen widths; a dash is about 1.5 mm and a gap about 0.75 mm.
        const qreal dash = std::max(2.0, device.logicalDpiX() * 0.06 / width);
        pen.setDashPattern({dash, dash / 2});
    }
    return pen;
}

QString printedText(const ReportControl &control, const ReportDataSource *rows, int row)
{
    if (control.kind() == ReportControl::Kind::Field && !control.dataField().isEmpty()) {
        if (rows && row >= 0 && row < rows->rowCount())
            return rows->value(row, control.dataField());
        return QString();
    }
    return control.text();
}

void paintControl(QPainter &painter, const ReportControl &control, const TwipsToDevice &toDevice,
                  int sliceTop, const QString &text, TextBoxLayoutCache &textBoxes)
{
    switch (control.kind()) {
    case ReportControl::Kind::Label:
    case ReportControl::Kind::Field: {
        const QRectF box = toDevice.rect(control.box(), sliceTop);
        paintTextBox(painter, box,
                     textBoxes.lines(text, control.font(), *painter.device(), box.size(),
                                     control.hAlign(), control.vAlign(), control.textFit()));
        break;
    }
    case ReportControl::Kind::Shape:
        painter.setPen(outlinePen(ReportControl::LineStyle::Solid, *painter.device()));
        painter.setBrush(Qt::NoBrush);
        if (control.shapeKind() == ReportControl::ShapeKind::Ellipse)
            painter.drawEllipse(toDevice.rect(control.box(), sliceTop));
        else
            painter.drawRect(toDevice.rect(control.box(), sliceTop));
        break;
    case ReportControl::Kind::Line: {
        painter.setPen(outlinePen(control.lineStyle(), *painter.device()));
        const QPoint from = control.lineStart();
        const QPoint to = control.lineEnd();
        painter.drawLine(toDevice.point(from.x(), from.y() - sliceTop),
                         toDevice.point(to.x(), to.y() - sliceTop));
        break;
    }
    case ReportControl::Kind::PageBreak:
    case ReportControl::Kind::DataControl:
        break;
    }
}

} // namespace

ReportRenderer::ReportRenderer(const ReportLayout &layout) : m_layout(layout) {}

std::vector<ReportPage> ReportRenderer::pages() const
{
    const ReportDataSource *rows = m_layout.dataSource();
    return paginate(m_layout.section(ReportSection::Kind::ReportHeader),
                    rows ? rows->rowCount() : 0);
}

int ReportRenderer::pageCount() const
{
    return static_cast<int>(pages().size());
}

QStringList ReportRenderer::labelsNotPrintedWhole(const QPaintDevice &device) const
{
    const TwipsToDevice toDevice(device, 0, 0);
    QStringList names;
    for (const ReportSection &section : m_layout.sections()) {
        for (const ReportControl &control : section.controls()) {
            if (control.kind() != ReportControl::Kind::Label)
                continue;
            const QSizeF size = toDevice.rect(control.box(), 0).size();
            if (!m_textBoxes
                     .lines(control.text(), control.font(), device, size, control.hAlign(),
                            control.vAlign(), control.textFit())
                     .whole)
                names.append(control.name());
        }
    }
    return names;
}

void ReportRenderer::paintPage(int index, QPainter &painter) const
{
    const std::vector<ReportPage> all = pages();
    if (index < 0 || index >= static_cast<int>(all.size()) || !painter.device())
        return;
    const ReportPage &page = all[static_cast<std::size_t>(index)];
    const TwipsToDevice toDevice(*painter.device(), m_layout.leftMargin(), m_layout.topMargin());

    painter.save();
    // Outlines stay crisp one-pixel lines on screen and on paper; text keeps its own smoothing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const ReportControl &control : m_layout.section(page.section).controls()) {
        if (!page.holds(control.top()))
            continue;
        paintControl(painter, control, toDevice, page.sliceTop,
                     printedText(control, m_layout.dataSource(), page.row), m_textBoxes);
    }
    painter.restore();
}

} // namespace Tavo::Reports
