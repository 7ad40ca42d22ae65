#pragma once

#include "CDbQuery.h"

struct sqlite3_stmt;

// A prepared SQLite statement; finalized when this object ends.
class CSqliteQuery final : public CDbQuery
{
public:
    // Takes ownership of stmt (not null).
    explicit CSqliteQuery(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    ~CSqliteQuery() override;
    CSqliteQuery(const CSqliteQuery&) = delete;
    CSqliteQuery& operator=(const CSqliteQuery&) = delete;

    bool ReturnsRows() const override;
    bool Describe() override { return true; }
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
    qint64 Changes() override;
    qint64 LastInsertRowId() override;

    CDbVariant Value(int column, ColumnKind kind) const override;
    bool IsNull(int column) const override;
    double Double(int column) const override;
    qint64 Int64(int column) const override;
    QString Text(int column) const override;
    void ReadText(int column, QString& text) const override;

private:
    sqlite3_stmt* m_stmt;
};
