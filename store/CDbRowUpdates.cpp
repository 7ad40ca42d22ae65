#include "CDbRowUpdates.h"

#include "CDbConnection.h"

CDbRowUpdates::CDbRowUpdates(CDbConnection& connection, const QString& table, const QStringList& columns)
    : m_connection(connection), m_table(table), m_columns(columns)
{}

void CDbRowUpdates::Add(qint64 rowid, std::vector<double> values)
{
    m_rowIds.push_back(rowid);
    m_values.push_back(std::move(values));
}

bool CDbRowUpdates::Write()
{
    const bool written = m_connection.UpdateRows(m_table, m_columns, m_rowIds, m_values);
    m_rowIds.clear();
    m_values.clear();
    return written;
}
