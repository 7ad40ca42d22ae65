#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CDbConnection;

// New values for a few number columns of many rows of one table, each row named by its rowid,
// gathered and then written in one go: on a file one prepared UPDATE per row, on a server one
// statement for all of them, so a long re-derivation costs no round trip per row.
class CDbRowUpdates
{
public:
    CDbRowUpdates(CDbConnection& connection, const QString& table, const QStringList& columns);

    // values holds one number per column, in the order of the columns.
    void Add(qint64 rowid, std::vector<double> values);
    bool IsEmpty() const { return m_rowIds.empty(); }
    // Writes every row added and forgets them; false when the write fails.
    bool Write();

private:
    CDbConnection& m_connection;
    QString m_table;
    QStringList m_columns;
    std::vector<qint64> m_rowIds;
    std::vector<std::vector<double>> m_values;
};
