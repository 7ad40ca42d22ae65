#pragma once

#include "CDbQuery.h"
#include "CPgSession.h"
#include "PgDialect.h"

#include <memory>
#include <vector>

class CPgEngine;
struct PgColumns;

// A statement on a server book. The whole result comes back in one round trip when the first
// row is asked for; columns are described (once per text) when asked for before that. A reused
// statement is prepared on the server for the types its values are bound with.
class CPgQuery final : public CDbQuery
{
public:
    CPgQuery(CPgEngine& engine, std::shared_ptr<const PgStatement> statement, bool reused);

    bool ReturnsRows() const override { return m_statement->returnsRows; }
    bool Describe() override;
    int ColumnCount() const override;
    QString ColumnName(int column) const override;
    ColumnKind Kind(int column) const override;
    QString OriginTable(int column) const override;
    QString OriginColumn(int column) const override;

    bool Bind(int parameter, const CDbVariant& value) override;
    bool BindInt64(int parameter, qint64 value) override;
    void ClearBindings() override;

    Step Next() override;
    void Reset() override;
    qint64 Changes() override { return m_changes; }
    qint64 LastInsertRowId() override;

    CDbVariant Value(int column, ColumnKind kind) const override;
    bool IsNull(int column) const override;
    double Double(int column) const override;
    qint64 Int64(int column) const override;
    QString Text(int column) const override;

    // A value the server sent as text, in a column of that type, read as Value reads it.
    static CDbVariant ValueOfText(const QByteArray& text, Oid type, ColumnKind kind);

    const PgStatement& Statement() const { return *m_statement; }
    bool IsReused() const { return m_reused; }
    // The values bound so far, as the server takes them.
    CPgSession::Command BoundValues() const;

private:
    void SetParameter(int parameter, Oid type, const QByteArray& text, bool null);
    QByteArray Raw(int column) const;

    CPgEngine& m_engine;
    std::shared_ptr<const PgStatement> m_statement;
    bool m_reused;
    std::vector<Oid> m_types;
    std::vector<QByteArray> m_values;
    std::vector<bool> m_nulls;
    std::shared_ptr<const PgColumns> m_columns;
    PgResult m_result;
    bool m_ran = false;
    int m_row = -1;
    qint64 m_changes = 0;
};
