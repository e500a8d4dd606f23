#pragma once

#include <QString>
#include <QStringView>

namespace Tavo::Reports {

// Rows that a layout's data control DataControl1 receives; Field controls print values by
// field name.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;
    virtual int rowCount() const = 0;
    // The value of `field` in row `row` (0-based); "" for an unknown field.
    virtual QString value(int row, QStringView field) const = 0;
};

} // namespace Tavo::Reports
