#include "CSqliteQuery.h"

#include "ComIssueError.h"
#include "DateText.h"

#include <sqlite3.h>

#include <algorithm>

namespace {
QString ColumnText(const char* text)
{
    return text == nullptr ? QString() : QString::fromUtf8(text);
}
} // namespace

CSqliteQuery::~CSqliteQuery()
{
    sqlite3_finalize(m_stmt);
}

bool CSqliteQuery::ReturnsRows() const
{
    return sqlite3_column_count(m_stmt) > 0 && sqlite3_stmt_readonly(m_stmt);
}

int CSqliteQuery::ColumnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString CSqliteQuery::ColumnName(int column) const
{
    return ColumnText(sqlite3_column_name(m_stmt, column));
}

ColumnKind CSqliteQuery::Kind(int column) const
{
    return ColumnKindOf(ColumnText(sqlite3_column_decltype(m_stmt, column)));
}

QString CSqliteQuery::OriginTable(int column) const
{
    return ColumnText(sqlite3_column_table_name(m_stmt, column));
}

QString CSqliteQuery::OriginColumn(int column) const
{
    return ColumnText(sqlite3_column_origin_name(m_stmt, column));
}

bool CSqliteQuery::Bind(int parameter, const CDbVariant& value)
{
    switch (value.GetKind()) {
    case CDbVariant::Kind::Null:
        return sqlite3_bind_null(m_stmt, parameter) == SQLITE_OK;
    case CDbVariant::Kind::Int32:
    case CDbVariant::Kind::Bool:
        return sqlite3_bind_int(m_stmt, parameter, value.ToInt32()) == SQLITE_OK;
    case CDbVariant::Kind::Double:
        return sqlite3_bind_double(m_stmt, parameter, value.ToDouble()) == SQLITE_OK;
    case CDbVariant::Kind::Text:
    case CDbVariant::Kind::DateTime: {
        const QByteArray utf8 = StoredText(value).toUtf8();
        return sqlite3_bind_text(m_stmt, parameter, utf8.constData(), static_cast<int>(utf8.size()),
                                 SQLITE_TRANSIENT) == SQLITE_OK;
    }
    }
    return false;
}

bool CSqliteQuery::BindInt64(int parameter, qint64 value)
{
    return sqlite3_bind_int64(m_stmt, parameter, value) == SQLITE_OK;
}

void CSqliteQuery::ClearBindings()
{
    sqlite3_clear_bindings(m_stmt);
}

CDbQuery::Step CSqliteQuery::Next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        return Step::Row;
    }
    if (rc == SQLITE_DONE) {
        return Step::Done;
    }
    ComIssueError(rc);
    return Step::Error;
}

void CSqliteQuery::Reset()
{
    sqlite3_reset(m_stmt);
}

qint64 CSqliteQuery::Changes()
{
    return sqlite3_changes64(sqlite3_db_handle(m_stmt));
}

qint64 CSqliteQuery::LastInsertRowId()
{
    return sqlite3_last_insert_rowid(sqlite3_db_handle(m_stmt));
}

CDbVariant CSqliteQuery::Value(int column, ColumnKind kind) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return CDbVariant();
    case SQLITE_INTEGER: {
        const sqlite3_int64 value = sqlite3_column_int64(m_stmt, column);
        if (kind == ColumnKind::Bool) {
            return CDbVariant::FromBool(value != 0);
        }
        return CDbVariant(static_cast<int32_t>(value));
    }
    case SQLITE_FLOAT:
        return CDbVariant(sqlite3_column_double(m_stmt, column));
    default:
        return ValueOfKind(CDbVariant(Text(column)), kind);
    }
}

bool CSqliteQuery::IsNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

double CSqliteQuery::Double(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

qint64 CSqliteQuery::Int64(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

void CSqliteQuery::ReadText(int column, QString& text) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    const int length = sqlite3_column_bytes(m_stmt, column);
    // Only a text of ASCII reads the same as UTF-8 and as Latin-1.
    const bool ascii = std::all_of(bytes, bytes + length, [](char byte) { return (byte & 0x80) == 0; });
    if (ascii && text.size() == length && QStringView(text) == QLatin1StringView(bytes, length)) {
        return;
    }
    text = QString::fromUtf8(bytes, length);
}

QString CSqliteQuery::Text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
}
