#include "CDbStatement.h"

#include "CDbConnection.h"
#include "CDbQuery.h"

CDbStatement::CDbStatement(CDbConnection& connection, const QString& sql) : m_query(connection.CachedStatement(sql))
{
    if (m_query != nullptr && !m_query->Describe()) {
        m_query = nullptr;
    }
}

CDbStatement::~CDbStatement()
{
    if (m_query != nullptr) {
        m_query->Reset();
        m_query->ClearBindings();
    }
}

CDbStatement& CDbStatement::Bind(int parameter, const CDbVariant& value)
{
    if (m_query != nullptr && !m_query->Bind(parameter, value)) {
        m_bindFailed = true;
    }
    return *this;
}

CDbStatement& CDbStatement::BindInt64(int parameter, qint64 value)
{
    if (m_query != nullptr && !m_query->BindInt64(parameter, value)) {
        m_bindFailed = true;
    }
    return *this;
}

bool CDbStatement::Next()
{
    if (m_query == nullptr || m_bindFailed) {
        return false;
    }
    const CDbQuery::Step step = m_query->Next();
    m_failed = step == CDbQuery::Step::Error;
    return step == CDbQuery::Step::Row;
}

bool CDbStatement::Run()
{
    if (m_query == nullptr || m_bindFailed) {
        return false;
    }
    const CDbQuery::Step step = m_query->Next();
    m_query->Reset();
    return step != CDbQuery::Step::Error;
}

int CDbStatement::ColumnCount() const
{
    return m_query != nullptr ? m_query->ColumnCount() : 0;
}

CDbVariant CDbStatement::GetFieldValue(int column) const
{
    return m_query->Value(column, m_query->Kind(column));
}

CDbVariant CDbStatement::StoredValue(int column) const
{
    return m_query->Value(column, ColumnKind::Any);
}

bool CDbStatement::IsNull(int column) const
{
    return m_query->IsNull(column);
}

double CDbStatement::Double(int column) const
{
    return m_query->Double(column);
}

int32_t CDbStatement::Int(int column) const
{
    return static_cast<int32_t>(m_query->Int64(column));
}

qint64 CDbStatement::Int64(int column) const
{
    return m_query->Int64(column);
}

void CDbStatement::ReadText(int column, QString& text) const
{
    m_query->ReadText(column, text);
}

QString CDbStatement::Text(int column) const
{
    return m_query->Text(column);
}
