#include "CDbStatement.h"

#include "CDbConnection.h"
#include "ColumnValue.h"
#include "ComIssueError.h"

#include <sqlite3.h>

CDbStatement::CDbStatement(CDbConnection& connection, const QString& sql) : m_stmt(connection.CachedStatement(sql)) {}

CDbStatement::~CDbStatement()
{
    if (m_stmt != nullptr) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

CDbStatement& CDbStatement::Bind(int parameter, const CDbVariant& value)
{
    if (m_stmt != nullptr && !BindValue(m_stmt, parameter, value)) {
        m_bindFailed = true;
    }
    return *this;
}

CDbStatement& CDbStatement::BindInt64(int parameter, qint64 value)
{
    if (m_stmt != nullptr && sqlite3_bind_int64(m_stmt, parameter, value) != SQLITE_OK) {
        m_bindFailed = true;
    }
    return *this;
}

bool CDbStatement::Next()
{
    if (m_stmt == nullptr || m_bindFailed) {
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        ComIssueError(rc);
    }
    return rc == SQLITE_ROW;
}

bool CDbStatement::Run()
{
    if (m_stmt == nullptr || m_bindFailed) {
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        ComIssueError(rc);
        return false;
    }
    return true;
}

int CDbStatement::ColumnCount() const
{
    return m_stmt != nullptr ? sqlite3_column_count(m_stmt) : 0;
}

CDbVariant CDbStatement::GetFieldValue(int column) const
{
    const char* declared = sqlite3_column_decltype(m_stmt, column);
    return ReadColumnValue(m_stmt, column, ColumnKindOf(QString::fromUtf8(declared == nullptr ? "" : declared)));
}

bool CDbStatement::IsNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

double CDbStatement::Double(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

int32_t CDbStatement::Int(int column) const
{
    return sqlite3_column_int(m_stmt, column);
}

qint64 CDbStatement::Int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

QString CDbStatement::Text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
}
