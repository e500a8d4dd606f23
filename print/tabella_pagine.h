#pragma once

#include "reports/report_data_source.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Tavo {

// The page table of one print: text fields with a maximum length, one row per printed lesson
// page or sheet. Rows are built like a recordset's: addNew() opens an empty row, setValue()
// fills its fields by name, update() appends it. A value that does not fit its field is an
// error, never cut silently, so a wrong page would not be printed without notice.
class TabellaPagine : public Reports::ReportDataSource
{
public:
    // Outcome of an operation; error holds an Italian message when ok is false.
    struct Result
    {
        bool ok = true;
        QString error;
    };

    // Defines a text field of at most maxLength characters. Fields come before the first row;
    // names are unique.
    Result addField(const QString &name, int maxLength);

    // Opens a new row with every field empty; a row still open is dropped.
    Result addNew();
    // Sets a field of the open row.
    Result setValue(QStringView field, const QString &value);
    // Appends the open row to the table.
    Result update();
    // Positions the table on its first row; with no rows the position is -1.
    void moveFirst();
    // Drops fields and rows; afterwards every operation fails.
    void close();

    bool isClosed() const { return m_closed; }
    int currentRow() const { return m_currentRow; }
    QStringList fieldNames() const;

    int rowCount() const override;
    // The field's text in the row; empty for a row or field that does not exist.
    QString value(int row, QStringView field) const override;

private:
    struct Field
    {
        QString name;
        int maxLength = 0;
    };

    int fieldIndex(QStringView name) const;
    Result closedError() const;

    QList<Field> m_fields;
    QList<QStringList> m_rows;
    QStringList m_openRow;
    bool m_rowOpen = false;
    bool m_closed = false;
    int m_currentRow = -1;
};

} // namespace Tavo
