#pragma once

#include "reports/report_data_source.h"

#include <QHash>
#include <QList>

// Data rows for the tests: each row maps field names to values.
class TableRows : public Tavo::Reports::ReportDataSource
{
public:
    TableRows() = default;
    explicit TableRows(QList<QHash<QString, QString>> rows) : m_rows(std::move(rows)) {}

    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    QString value(int row, QStringView field) const override
    {
        return m_rows.at(row).value(field.toString());
    }

private:
    QList<QHash<QString, QString>> m_rows;
};
