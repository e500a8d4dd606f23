#include "print/tabella_pagine.h"

namespace Tavo {

namespace {
TabellaPagine::Result failure(const QString &message)
{
    return {false, message};
}
} // namespace

TabellaPagine::Result TabellaPagine::addField(const QString &name, int maxLength)
{
    if (m_closed)
        return closedError();
    if (!m_rows.isEmpty() || m_rowOpen)
        return failure(
            QStringLiteral("Tabella delle pagine: il campo %1 arriva dopo le righe").arg(name));
    if (name.isEmpty() || fieldIndex(name) >= 0)
        return failure(QStringLiteral("Tabella delle pagine: nome di campo non valido o doppio: "
                                      "\"%1\"")
                           .arg(name));
    if (maxLength < 0)
        return failure(
            QStringLiteral("Tabella delle pagine: lunghezza negativa per il campo %1").arg(name));
    m_fields.append({name, maxLength});
    return {};
}

TabellaPagine::Result TabellaPagine::addNew()
{
    if (m_closed)
        return closedError();
    m_openRow = QStringList(m_fields.size(), QString());
    m_rowOpen = true;
    return {};
}

TabellaPagine::Result TabellaPagine::setValue(QStringView field, const QString &value)
{
    if (m_closed)
        return closedError();
    if (!m_rowOpen)
        return failure(QStringLiteral("Tabella delle pagine: nessuna riga aperta"));
    const int index = fieldIndex(field);
    if (index < 0)
        return failure(QStringLiteral("Tabella delle pagine: campo sconosciuto \"%1\"").arg(field));
    const Field &f = m_fields[index];
    if (value.size() > f.maxLength)
        return failure(QStringLiteral("Tabella delle pagine: il testo \"%1\" supera i %2 "
                                      "caratteri del campo %3")
                           .arg(value)
                           .arg(f.maxLength)
                           .arg(f.name));
    m_openRow[index] = value;
    return {};
}

TabellaPagine::Result TabellaPagine::update()
{
    if (m_closed)
        return closedError();
    if (!m_rowOpen)
        return failure(QStringLiteral("Tabella delle pagine: nessuna riga aperta"));
    m_rows.append(m_openRow);
    m_openRow.clear();
    m_rowOpen = false;
    m_currentRow = int(m_rows.size()) - 1;
    return {};
}

void TabellaPagine::moveFirst()
{
    m_currentRow = m_rows.isEmpty() ? -1 : 0;
}

void TabellaPagine::close()
{
    m_fields.clear();
    m_rows.clear();
    m_openRow.clear();
    m_rowOpen = false;
    m_currentRow = -1;
    m_closed = true;
}

QStringList TabellaPagine::fieldNames() const
{
    QStringList names;
    for (const Field &f : m_fields)
        names.append(f.name);
    return names;
}

int TabellaPagine::rowCount() const
{
    return int(m_rows.size());
}

QString TabellaPagine::value(int row, QStringView field) const
{
    const int index = fieldIndex(field);
    if (row < 0 || row >= m_rows.size() || index < 0)
        return {};
    return m_rows[row][index];
}

int TabellaPagine::fieldIndex(QStringView name) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name)
            return int(i);
    }
    return -1;
}

TabellaPagine::Result TabellaPagine::closedError() const
{
    return failure(QStringLiteral("Tabella delle pagine già chiusa"));
}

} // namespace Tavo
