#pragma once

#include "reports/booklet_layouts.h"
#include "reports/report_data_source.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>

// Data rows for the tests: each row maps field names to values.
class TableRows : public Tavo::Reports::ReportDataSource
{
public:
    explicit TableRows(QList<QHash<QString, QString>> rows) : m_rows(std::move(rows)) {}
    // `count` rows without values.
    explicit TableRows(int count) : m_rows(count) {}

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
    if (name == u"A5")
        return Tavo::Reports::createRptLibGuide();
    if (name == u"A4")
        return Tavo::Reports::createRptLibGuideA4();
    Q_ASSERT(name == u"A4f");
    return Tavo::Reports::createRptLibGuideA4f();
}

// Probes of painted images: a white sheet at a chosen resolution and the box of its dark pixels.
namespace Ink {

inline QImage sheet(QSize pixels, int dpi, QColor background = Qt::white)
{
    QImage image(pixels, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(background);
    return image;
}

inline bool isInk(QRgb pixel)
{
    return qGray(pixel) < 96;
}

// The smallest rectangle holding every ink pixel within `area`; null when there is none.
inline QRect inkBox(const QImage &image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace Ink
