#include "CDbRecordset.h"

#include "CDbConnection.h"
#include "CDbQuery.h"
#include "ColumnValue.h"
#include "ComIssueError.h"
#include "SqlDialect.h"

#include <QRegularExpression>

namespace {
QString QuoteIdentifier(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}
} // namespace

CDbRecordset::CDbRecordset(CDbConnection& connection) : m_connection(connection) {}

CDbRecordset::~CDbRecordset()
{
    Close();
}

bool CDbRecordset::Acquire(const QString& sql)
{
    ReleaseStatement();
    m_query = m_connection.AcquireStatement(sql);
    m_stmtSql = sql;
    // A server describes a statement only when asked; a refused one fails here, as on a file.
    if (m_query != nullptr && !m_query->ReturnsRows()) {
        return true;
    }
    if (m_query != nullptr && !m_query->Describe()) {
        m_query.reset();
    }
    return m_query != nullptr;
}

void CDbRecordset::ReleaseStatement()
{
    m_connection.ReleaseStatement(m_stmtSql, std::move(m_query), m_generation);
}

bool CDbRecordset::Open(const QString& source, int cursorType, int lockType)
{
    Close();
    m_neverOpened = false;
    const SqlMapping mapping = m_connection.Map(source);
    if (mapping.kind == SqlMapping::Kind::CreateDatabase) {
        return m_connection.CreateDatabase(mapping.databasePath);
    }
    m_sql = mapping.sql;
    m_generation = m_connection.Generation();
    if (!Acquire(m_sql)) {
        return false;
    }
    if (!m_query->ReturnsRows()) {
        return RunWithoutRows();
    }
    m_writable = lockType == kLockPessimistic || lockType == kLockOptimistic;
    m_streaming = cursorType == kOpenForwardOnly && !m_writable;
    ReadColumns();
    if (m_writable) {
        DetectSourceTable();
    }
    m_open = true;
    if (m_streaming) {
        m_streamIndex = 0;
        // A statement that cannot run (a table changed under a kept statement) is no open cursor.
        if (StepStream() == CDbQuery::Step::Error) {
            Close();
            return false;
        }
    } else if (cursorType == kOpenStatic || cursorType == kOpenKeyset) {
        // A static cursor is a snapshot taken when it opens.
        EnsureFetched();
    }
    return true;
}

bool CDbRecordset::RunWithoutRows()
{
    const QString leading = m_sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    CDbQuery::Step step = CDbQuery::Step::Row;
    while (step == CDbQuery::Step::Row) {
        step = m_query->Next();
    }
    ReleaseStatement();
    if (step != CDbQuery::Step::Done) {
        return false;
    }
    if (leading == QLatin1String("CREATE") || leading == QLatin1String("DROP") || leading == QLatin1String("ALTER")) {
        m_connection.NoteSchemaChange();
    }
    m_open = true;
    m_fetched = true;
    return true;
}

void CDbRecordset::ReadColumns()
{
    m_columns.clear();
    m_fieldCount = m_query->ColumnCount();
    for (int i = 0; i < m_fieldCount; ++i) {
        m_columns.push_back({m_query->ColumnName(i), m_query->Kind(i), m_query->OriginColumn(i)});
    }
}

// Rows can be written back only when every column comes straight from one table; the rowid of
// each row is then fetched as a hidden first column.
void CDbRecordset::DetectSourceTable()
{
    QString table;
    for (int i = 0; i < m_fieldCount; ++i) {
        const QString columnTable = m_query->OriginTable(i);
        if (columnTable.isEmpty() || m_columns[i].origin.isEmpty() || (!table.isEmpty() && columnTable != table)) {
            m_writable = false;
            return;
        }
        table = columnTable;
    }
    m_table = table;
    PrefixRowid(m_sql);
}

void CDbRecordset::PrefixRowid(const QString& sql)
{
    static const QRegularExpression select(QStringLiteral(R"(^\s*SELECT\s+(?!DISTINCT\b|ALL\b))"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = select.match(sql);
    const QString withRowid = match.captured(0) + QLatin1String("rowid, ") + sql.mid(match.capturedEnd(0));
    if (!match.hasMatch() || !Acquire(withRowid) || m_query->ColumnCount() != m_fieldCount + 1) {
        m_writable = false;
        Acquire(sql);
        return;
    }
    m_hidden = 1;
}

bool CDbRecordset::Close()
{
    ReleaseStatement();
    m_open = false;
    m_fieldCount = 0;
    m_columns.clear();
    m_table.clear();
    m_writable = false;
    m_streaming = false;
    m_hidden = 0;
    m_streamEnd = true;
    m_fetched = false;
    m_rows.clear();
    m_position = 0;
    m_adding = false;
    return true;
}

bool CDbRecordset::IsOpen()
{
    return IsAlive();
}

bool CDbRecordset::IsAlive()
{
    if (m_open && m_generation != m_connection.Generation()) {
        Close();
    }
    return m_open;
}

bool CDbRecordset::OpenWithoutFile(const QString& sql)
{
    Close();
    m_neverOpened = false;
    const SqlMapping mapping = MapToSqlite(sql, {});
    return mapping.kind == SqlMapping::Kind::CreateDatabase && m_connection.CreateDatabase(mapping.databasePath);
}

CDbQuery::Step CDbRecordset::StepStream()
{
    const CDbQuery::Step step = m_query->Next();
    m_streamEnd = step != CDbQuery::Step::Row;
    return step;
}

void CDbRecordset::EnsureFetched()
{
    if (m_fetched || m_streaming || m_query == nullptr) {
        return;
    }
    m_fetched = true;
    while (m_query->Next() == CDbQuery::Step::Row) {
        Row row;
        row.rowid = m_hidden > 0 ? m_query->Int64(0) : 0;
        row.values.reserve(m_fieldCount);
        for (int i = 0; i < m_fieldCount; ++i) {
            // Dates stay text until a row is read (CurrentValue): making each a local date-time
            // asks the system for its time zone, which costs more than the rest of the row.
            const ColumnKind kind = m_columns[i].kind == ColumnKind::DateTime ? ColumnKind::Text : m_columns[i].kind;
            row.values.push_back(m_query->Value(i + m_hidden, kind));
        }
        m_rows.push_back(std::move(row));
    }
    ReleaseStatement();
    m_position = 0;
}

bool CDbRecordset::IsBOF()
{
    if (!IsAlive()) {
        return true;
    }
    if (m_streaming) {
        return m_streamEnd && m_streamIndex == 0;
    }
    EnsureFetched();
    return m_rows.empty() || m_position < 0;
}

bool CDbRecordset::IsEOF()
{
    if (!IsAlive()) {
        return true;
    }
    if (m_streaming) {
        return m_streamEnd;
    }
    EnsureFetched();
    return m_rows.empty() || m_position >= static_cast<long>(m_rows.size());
}

bool CDbRecordset::OnRow()
{
    return !IsBOF() && !IsEOF();
}

bool CDbRecordset::MoveFirst()
{
    if (!IsAlive()) {
        return false;
    }
    m_adding = false;
    if (m_streaming) {
        if (m_streamIndex > 0) {
            m_query->Reset();
            m_streamIndex = 0;
            StepStream();
        }
        return !m_streamEnd;
    }
    EnsureFetched();
    m_position = 0;
    return !m_rows.empty();
}

bool CDbRecordset::MoveNext()
{
    if (!IsAlive() || IsEOF()) {
        return false;
    }
    m_adding = false;
    if (m_streaming) {
        ++m_streamIndex;
        StepStream();
        return true;
    }
    ++m_position;
    return true;
}

bool CDbRecordset::MovePrevious()
{
    if (!IsAlive() || m_streaming || IsBOF()) {
        return false;
    }
    m_adding = false;
    --m_position;
    return true;
}

bool CDbRecordset::MoveLast()
{
    if (!IsAlive() || m_streaming) {
        return false;
    }
    m_adding = false;
    EnsureFetched();
    m_position = static_cast<long>(m_rows.size()) - 1;
    return !m_rows.empty();
}

bool CDbRecordset::Move(long n)
{
    if (!IsAlive()) {
        return false;
    }
    m_adding = false;
    if (m_streaming) {
        if (n < 0) {
            return false;
        }
        for (long i = 0; i < n; ++i) {
            if (!MoveNext()) {
                return false;
            }
        }
        return true;
    }
    EnsureFetched();
    const long target = m_position + n;
    if (target < 0 || target >= static_cast<long>(m_rows.size())) {
        return false;
    }
    m_position = target;
    return true;
}

bool CDbRecordset::GetRecordCount(long& count)
{
    if (!IsAlive()) {
        return false;
    }
    if (!m_streaming) {
        EnsureFetched();
        count = static_cast<long>(m_rows.size());
        return true;
    }
    const QString sql = QStringLiteral("SELECT count(*) FROM (%1) AS counted").arg(m_sql);
    std::unique_ptr<CDbQuery> query = m_connection.AcquireStatement(sql);
    if (query == nullptr) {
        return false;
    }
    const bool counted = query->Next() == CDbQuery::Step::Row;
    if (counted) {
        count = static_cast<long>(query->Int64(0));
    }
    m_connection.ReleaseStatement(sql, std::move(query), m_generation);
    return counted;
}

QString CDbRecordset::GetFieldName(int index) const
{
    if (index < 0 || index >= m_fieldCount) {
        return QString();
    }
    return m_columns[index].name;
}

CDbVariant CDbRecordset::CurrentValue(int index)
{
    if (m_adding) {
        return m_newValues[index];
    }
    if (!OnRow()) {
        return CDbVariant(EmptyFieldText);
    }
    if (m_streaming) {
        return m_query->Value(index + m_hidden, m_columns[index].kind);
    }
    return ValueOfKind(m_rows[m_position].values[index], m_columns[index].kind);
}

CDbVariant CDbRecordset::GetFieldValue(int index)
{
    if (!IsAlive() || index < 0 || index >= m_fieldCount) {
        return CDbVariant(0);
    }
    return CurrentValue(index);
}

QString CDbRecordset::GetFieldText(int index)
{
    if (!IsAlive() || index < 0 || index >= m_fieldCount) {
        return QStringLiteral("0");
    }
    return CurrentValue(index).ToText();
}

QDateTime CDbRecordset::GetFieldDate(int index)
{
    if (m_neverOpened) {
        return QDateTime::currentDateTime();
    }
    return GetFieldValue(index).ToDateTime();
}

bool CDbRecordset::SetField(int index, const CDbVariant& value)
{
    if (!IsAlive() || !m_writable) {
        return false;
    }
    if (index < 0 || index >= m_fieldCount) {
        ComIssueError(kErrorBadIndex);
        return false;
    }
    const std::optional<CDbVariant> fitted = FitToColumn(value, m_columns[index].kind);
    if (!fitted) {
        ComIssueError(kErrorTypeMismatch);
        return false;
    }
    if (m_adding) {
        m_newValues[index] = *fitted;
        m_newSet[index] = true;
        return true;
    }
    return WriteCurrentRow(index, *fitted);
}

bool CDbRecordset::WriteCurrentRow(int index, const CDbVariant& value)
{
    if (!OnRow()) {
        return false;
    }
    Row& row = m_rows[m_position];
    const std::shared_ptr<CDbQuery> update =
        m_connection.CachedStatement(QStringLiteral("UPDATE %1 SET %2 = ?1 WHERE rowid = ?2")
                                         .arg(QuoteIdentifier(m_table), QuoteIdentifier(m_columns[index].origin)));
    if (update == nullptr || !update->Bind(1, value) || !update->BindInt64(2, row.rowid)) {
        return false;
    }
    const CDbQuery::Step step = update->Next();
    const qint64 changes = update->Changes();
    update->Reset();
    if (step == CDbQuery::Step::Error || changes == 0) {
        return false;
    }
    row.values[index] = value;
    return true;
}

bool CDbRecordset::SetFieldByName(const QString& name, const CDbVariant& value)
{
    for (int i = 0; i < m_fieldCount; ++i) {
        if (m_columns[i].name == name) {
            return SetField(i, value);
        }
    }
    return false;
}

bool CDbRecordset::AddNew()
{
    if (!IsAlive() || !m_writable) {
        return false;
    }
    m_adding = true;
    m_newValues.assign(m_fieldCount, CDbVariant());
    m_newSet.assign(m_fieldCount, false);
    return true;
}

bool CDbRecordset::Update()
{
    if (!IsAlive()) {
        return false;
    }
    if (!m_adding) {
        return true;
    }
    m_adding = false;
    QStringList columns;
    QStringList parameters;
    std::vector<CDbVariant> values;
    for (int i = 0; i < m_fieldCount; ++i) {
        if (m_newSet[i]) {
            columns << QuoteIdentifier(m_columns[i].origin);
            values.push_back(m_newValues[i]);
            parameters << QStringLiteral("?%1").arg(values.size());
        }
    }
    const QString sql =
        columns.isEmpty()
            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(QuoteIdentifier(m_table))
            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(QuoteIdentifier(m_table), columns.join(QLatin1Char(',')), parameters.join(QLatin1Char(',')));
    const std::shared_ptr<CDbQuery> insert = m_connection.CachedStatement(sql);
    if (insert == nullptr) {
        return false;
    }
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        if (!insert->Bind(i + 1, values[i])) {
            return false;
        }
    }
    const CDbQuery::Step step = insert->Next();
    insert->Reset();
    if (step == CDbQuery::Step::Error) {
        return false;
    }
    if (m_fetched) {
        m_rows.push_back({insert->LastInsertRowId(), m_newValues});
        m_position = static_cast<long>(m_rows.size()) - 1;
    }
    return true;
}

bool Execute(CDbConnection& connection, const QString& sql)
{
    CDbRecordset recordset(connection);
    const bool opened = recordset.Open(sql, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockPessimistic);
    recordset.Close();
    return opened;
}

bool AppendRow(CDbConnection& connection, const QString& table,
               const std::vector<std::pair<QString, CDbVariant>>& fields)
{
    CDbRecordset recordset(connection);
    if (!recordset.Open(table, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    recordset.AddNew();
    for (const auto& [name, value] : fields) {
        recordset.SetFieldByName(name, value);
    }
    return recordset.Update();
}
