#include "CBookCopy.h"

#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CDbStatement.h"
#include "ColumnValue.h"
#include "SchemaScripts.h"

#include <algorithm>
#include <vector>

namespace {
// Rows sent to the target in one go: few round trips, bounded memory.
constexpr size_t kRowsPerBatch = 5000;

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
    if (!RowCount(m_from, table.name)) {
        return true;
    }
    for (const QString& statement : table.statements) {
        if (!Execute(m_to, statement)) {
            return Fail(QStringLiteral("the table %1 cannot be created").arg(table.name));
        }
    }
    if (!CopyRows(table)) {
        return false;
    }
    if (RowCount(m_from, table.name) != RowCount(m_to, table.name)) {
        return Fail(QStringLiteral("the rows of %1 were not all copied").arg(table.name));
    }
    return true;
}

bool CBookCopy::CopyRows(const SchemaTable& table)
{
    CDbStatement rows(m_from, RowsQuery(table));
    if (rows.ColumnCount() != table.columns.size() + 1) {
        return Fail(QStringLiteral("the table %1 has other columns than a book's").arg(table.name));
    }
    std::vector<ColumnKind> kinds;
    for (const QString& type : table.types) {
        kinds.push_back(ColumnKindOf(type));
    }
    std::vector<qint64> rowIds;
    std::vector<std::vector<CDbVariant>> values;
    const auto flush = [&] {
        const bool appended = m_to.AppendRows(table.name, table.columns, kinds, rowIds, values);
        rowIds.clear();
        values.clear();
        return appended;
    };
    while (rows.Next()) {
        rowIds.push_back(rows.Int64(0));
        std::vector<CDbVariant> row;
        row.reserve(table.columns.size());
        for (int i = 0; i < table.columns.size(); ++i) {
            row.push_back(rows.GetFieldValue(i + 1));
        }
        values.push_back(std::move(row));
        if (rowIds.size() == kRowsPerBatch && !flush()) {
            return Fail(QStringLiteral("the rows of %1 cannot be written").arg(table.name));
        }
    }
    if (!flush()) {
        return Fail(QStringLiteral("the rows of %1 cannot be written").arg(table.name));
    }
    return true;
}
