#include "CPgQuery.h"

#include "CPgEngine.h"
#include "PgColumns.h"

#include <charconv>
#include <cmath>

namespace {
constexpr Oid kUnknownType = 0;
constexpr Oid kBoolType = 16;
constexpr Oid kInt8Type = 20;
constexpr Oid kInt2Type = 21;
constexpr Oid kInt4Type = 23;
constexpr Oid kOidType = 26;
constexpr Oid kFloat4Type = 700;
constexpr Oid kFloat8Type = 701;
constexpr Oid kNumericType = 1700;

double ParseDouble(const QByteArray& text)
{
    double value = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}

bool IsTrue(const QByteArray& text)
{
    return text == "t" || ParseDouble(text) != 0;
}

qint64 ParseInt64(const QByteArray& text)
{
    if (text == "t") {
        return 1;
    }
    qint64 value = 0;
    const auto result = std::from_chars(text.constData(), text.constData() + text.size(), value);
    if (result.ptr == text.constData() + text.size()) {
        return value;
    }
    const double number = ParseDouble(text);
    return std::isfinite(number) ? static_cast<qint64>(number) : value;
}

QString TextOf(const QByteArray& text, Oid type)
{
    if (type == kBoolType) {
        return text == "t" ? QStringLiteral("1") : QStringLiteral("0");
    }
    return QString::fromUtf8(text);
}
} // namespace

CPgQuery::CPgQuery(CPgEngine& engine, std::shared_ptr<const PgStatement> statement, bool reused)
    : m_engine(engine), m_statement(std::move(statement)), m_reused(reused)
{}

bool CPgQuery::Describe()
{
    if (m_columns == nullptr) {
        m_columns = m_engine.Columns(*m_statement);
    }
    return m_columns != nullptr;
}

int CPgQuery::ColumnCount() const
{
    return m_columns != nullptr ? static_cast<int>(m_columns->names.size()) : 0;
}

QString CPgQuery::ColumnName(int column) const
{
    return m_columns->names.value(column);
}

ColumnKind CPgQuery::Kind(int column) const
{
    return m_columns->kinds.value(column, ColumnKind::Any);
}

QString CPgQuery::OriginTable(int column) const
{
    return m_columns->tables.value(column);
}

QString CPgQuery::OriginColumn(int column) const
{
    return m_columns->origins.value(column);
}

void CPgQuery::SetParameter(int parameter, Oid type, const QByteArray& text, bool null)
{
    if (parameter > static_cast<int>(m_values.size())) {
        m_types.resize(parameter, kUnknownType);
        m_values.resize(parameter);
        m_nulls.resize(parameter, true);
    }
    m_types[parameter - 1] = type;
    m_values[parameter - 1] = text;
    m_nulls[parameter - 1] = null;
}

// Numbers go with their type, so the server never reads 2.5 as an integer; texts and dates go
// untyped, so that the column they are compared with decides (a text without regard to case, a
// timestamp).
bool CPgQuery::Bind(int parameter, const CDbVariant& value)
{
    if (parameter < 1) {
        return false;
    }
    switch (value.GetKind()) {
    case CDbVariant::Kind::Null:
        SetParameter(parameter, kUnknownType, QByteArray(), true);
        break;
    case CDbVariant::Kind::Int32:
    case CDbVariant::Kind::Bool:
        SetParameter(parameter, kInt4Type, QByteArray::number(value.ToInt32()), false);
        break;
    case CDbVariant::Kind::Double:
        SetParameter(parameter, kFloat8Type, StoredText(value).toLatin1(), false);
        break;
    case CDbVariant::Kind::Text:
    case CDbVariant::Kind::DateTime:
        SetParameter(parameter, kUnknownType, StoredText(value).toUtf8(), false);
        break;
    }
    return true;
}

bool CPgQuery::BindInt64(int parameter, qint64 value)
{
    if (parameter < 1) {
        return false;
    }
    SetParameter(parameter, kInt8Type, QByteArray::number(value), false);
    return true;
}

void CPgQuery::ClearBindings()
{
    m_types.clear();
    m_values.clear();
    m_nulls.clear();
}

CPgSession::Command CPgQuery::BoundValues() const
{
    CPgSession::Command command;
    command.types = m_types;
    command.values = m_values;
    command.nulls = m_nulls;
    return command;
}

CDbQuery::Step CPgQuery::Next()
{
    if (!m_ran) {
        m_ran = true;
        m_row = -1;
        m_result = m_engine.Run(*this, m_changes);
        if (m_result != nullptr && m_statement->returnsRows && m_columns == nullptr) {
            m_columns = m_engine.ColumnsOf(m_result.get());
        }
    }
    if (m_result == nullptr) {
        return Step::Error;
    }
    return ++m_row < PQntuples(m_result.get()) ? Step::Row : Step::Done;
}

void CPgQuery::Reset()
{
    m_ran = false;
    m_result.reset();
    m_row = -1;
}

qint64 CPgQuery::LastInsertRowId()
{
    return m_engine.LastInsertRowId();
}

QByteArray CPgQuery::Raw(int column) const
{
    if (m_result == nullptr || m_row < 0 || m_row >= PQntuples(m_result.get()) || column < 0 ||
        column >= PQnfields(m_result.get())) {
        return QByteArray();
    }
    return QByteArray(PQgetvalue(m_result.get(), m_row, column), PQgetlength(m_result.get(), m_row, column));
}

bool CPgQuery::IsNull(int column) const
{
    return m_result == nullptr || m_row < 0 || m_row >= PQntuples(m_result.get()) || column < 0 ||
           column >= PQnfields(m_result.get()) || PQgetisnull(m_result.get(), m_row, column);
}

CDbVariant CPgQuery::Value(int column, ColumnKind kind) const
{
    if (IsNull(column)) {
        return CDbVariant();
    }
    return ValueOfText(Raw(column), PQftype(m_result.get(), column), kind);
}

CDbVariant CPgQuery::ValueOfText(const QByteArray& text, Oid type, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Integer:
        return CDbVariant(static_cast<int32_t>(ParseInt64(text)));
    case ColumnKind::Real:
        return CDbVariant(ParseDouble(text));
    case ColumnKind::Bool:
        return CDbVariant::FromBool(IsTrue(text));
    case ColumnKind::Text:
    case ColumnKind::DateTime:
        return ValueOfKind(CDbVariant(TextOf(text, type)), kind);
    case ColumnKind::Any:
        break;
    }
    // An expression reads as SQLite gives it: integers (and truth values) whole, other numbers
    // as doubles, everything else as its text.
    switch (type) {
    case kInt2Type:
    case kInt4Type:
    case kInt8Type:
    case kOidType:
    case kBoolType:
        return CDbVariant(static_cast<int32_t>(ParseInt64(text)));
    case kFloat4Type:
    case kFloat8Type:
    case kNumericType:
        return CDbVariant(ParseDouble(text));
    default:
        return CDbVariant(TextOf(text, type));
    }
}

double CPgQuery::Double(int column) const
{
    return ParseDouble(Raw(column));
}

qint64 CPgQuery::Int64(int column) const
{
    return ParseInt64(Raw(column));
}

QString CPgQuery::Text(int column) const
{
    return IsNull(column) ? QString::fromUtf8(Raw(column)) : TextOf(Raw(column), PQftype(m_result.get(), column));
}
