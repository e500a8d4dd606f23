#pragma once

#include "reports/booklet_layouts.h"
#include "reports/report_data_source.h"

#include <QHash>
#include <QImage>

// Data rows for the tests: each row maps field names to values.
class TableRows : public Tavo::Reports::ReportDataSource
{
public:
    explicit TableRows(QList<QHash<QString, QString>> rows) : m_rows(std::move(rows)) {}
    explicit TableRows(int count) : m_rows(count) {} // rows without values

    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    QString value(int row, QStringView field) const override
    {
        return m_rows.at(row).value(field.toString());
    }

private:
    QList<QHash<QString, QString>> m_rows;
};

// The booklet layouts by short name: "A5", "A4" and "A4f".
inline std::unique_ptr<Tavo::Reports::ReportLayout> layoutNamed(QStringView name)
{
    using namespace Tavo::Reports;
    return name == u"A5"   ? createRptLibGuide()
           : name == u"A4" ? createRptLibGuideA4()
                           : createRptLibGuideA4f();
}

namespace Ink {

// A white sheet at a chosen resolution.
inline QImage sheet(QSize pixels, int dpi)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// The smallest rectangle holding every dark pixel; null when there is none.
inline QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace Ink
