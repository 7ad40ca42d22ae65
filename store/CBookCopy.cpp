#include "CBookCopy.h"

#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CDbStatement.h"
#include "ColumnValue.h"
#include "SchemaScripts.h"

#include <algorithm>
#include <vector>

namespace {
QString RowsQuery(const SchemaTable& table)
{
    return QStringLiteral("SELECT rowid, * FROM [%1] ORDER BY rowid").arg(table.name);
}

std::optional<qint64> RowCount(CDbConnection& connection, const QString& table)
{
    CDbStatement count(connection, QStringLiteral("SELECT count(*) FROM [%1]").arg(table));
    if (!count.IsValid() || !count.Next()) {
        return std::nullopt;
    }
    return count.Int64(0);
}
} // namespace

bool CBookCopy::Fail(const QString& error)
{
    m_error = error;
    return false;
}

bool CBookCopy::CopyTables()
{
    m_error.clear();
    for (const SchemaTable& table : SchemaTables()) {
        if (!CopyTable(table)) {
            return false;
        }
    }
    m_to.NoteSchemaChange();
    return CountersCoverRows();
}

// A counter below the rows it numbers would hand out a stored transaction's id again, and the
// next sale would replace it.
bool CBookCopy::CountersCoverRows()
{
    CDbStatement check(m_to, QStringLiteral("SELECT (SELECT max(TransID) FROM AutoNumber), "
                                            "(SELECT max(TransactionID) FROM [Transaction]), "
                                            "(SELECT max(TransactionID) FROM TransItem)"));
    if (!check.IsValid() || !check.Next()) {
        return Fail(QStringLiteral("the copy's counters cannot be read"));
    }
    const qint64 counter = check.IsNull(0) ? 0 : check.Int64(0);
    const qint64 largest = std::max(check.IsNull(1) ? 0 : check.Int64(1), check.IsNull(2) ? 0 : check.Int64(2));
    if (counter < largest) {
        return Fail(QStringLiteral("the copy's transaction counter (%1) is below its largest transaction (%2)")
                        .arg(counter)
                        .arg(largest));
    }
    return true;
}

bool CBookCopy::CopyTable(const SchemaTable& table)
{
    // A DROP of a table that is not there fails; that is no error.
    Execute(m_to, QStringLiteral("DROP TABLE [%1]").arg(table.name));
    const std::optional<qint64> sourceRows = RowCount(m_from, table.name);
    if (!sourceRows) {
        return true;
    }
    // The table first, its index once the rows are in: one build instead of an update per row.
    for (const QString& statement : table.statements) {
        if (!statement.startsWith(QLatin1String("CREATE INDEX")) && !Execute(m_to, statement)) {
            return Fail(QStringLiteral("the table %1 cannot be created").arg(table.name));
        }
    }
    if (!CopyRows(table, *sourceRows)) {
        return false;
    }
    for (const QString& statement : table.statements) {
        if (statement.startsWith(QLatin1String("CREATE INDEX")) && !Execute(m_to, statement)) {
            return Fail(QStringLiteral("the table %1 cannot be created").arg(table.name));
        }
    }
    if (RowCount(m_to, table.name) != sourceRows) {
        return Fail(QStringLiteral("the rows of %1 were not all copied").arg(table.name));
    }
    return true;
}

bool CBookCopy::CopyRows(const SchemaTable& table, qint64 sourceRows)
{
    // Only described, never run: the rows come by ReadRows.
    if (CDbStatement(m_from, RowsQuery(table)).ColumnCount() != table.columns.size() + 1) {
        return Fail(QStringLiteral("the table %1 has other columns than a book's").arg(table.name));
    }
    std::vector<ColumnKind> kinds;
    for (const QString& type : table.types) {
        kinds.push_back(ColumnKindOf(type));
    }
    if (!m_to.BeginAppend(table.name, table.columns, kinds)) {
        return Fail(QStringLiteral("the rows of %1 cannot be written").arg(table.name));
    }
    bool written = true;
    const std::optional<qint64> read =
        m_from.ReadRows(table.name, table.columns, [&](qint64 rowId, const std::vector<CDbVariant>& values) {
            written = m_to.AppendRow(rowId, values);
            return written;
        });
    const std::optional<qint64> appended = m_to.EndAppend(read.has_value() && written);
    if (!written || (read && !appended)) {
        return Fail(QStringLiteral("the rows of %1 cannot be written").arg(table.name));
    }
    if (!read) {
        return Fail(QStringLiteral("the rows of %1 cannot be read").arg(table.name));
    }
    // Rows the target took must be the rows read, and those the rows the source holds.
    if (*appended != *read || *read != sourceRows) {
        return Fail(QStringLiteral("the rows of %1 were not all copied (%2 read, %3 written, %4 in the source)")
                        .arg(table.name)
                        .arg(*read)
                        .arg(*appended)
                        .arg(sourceRows));
    }
    return true;
}
