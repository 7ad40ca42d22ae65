#pragma once

#include "CDbVariant.h"

#include <QString>

#include <memory>

class CDbConnection;
class CDbQuery;

// A prepared statement in SQLite's own dialect, for the document's hot paths (replaying a
// history, counting rows), run on whichever engine holds the book. Statements are prepared once
// per connection and reused; values only ever reach them as bound parameters. The statement is
// reset when this object ends.
class CDbStatement
{
public:
    CDbStatement(CDbConnection& connection, const QString& sql);
    ~CDbStatement();
    CDbStatement(const CDbStatement&) = delete;
    CDbStatement& operator=(const CDbStatement&) = delete;

    // False when the statement did not prepare (no book, no such table).
    bool IsValid() const { return m_query != nullptr; }

    // Parameters are numbered from 1.
    CDbStatement& Bind(int parameter, const CDbVariant& value);
    CDbStatement& BindInt64(int parameter, qint64 value);

    // Moves to the next row; false at the end or on an error (reported through the error hook).
    bool Next();
    // True when the last Next ended on an error rather than after the last row.
    bool Failed() const { return m_failed; }
    // Runs a statement that returns no rows; false on an error.
    bool Run();

    // The number of result columns; 0 for an invalid statement.
    int ColumnCount() const;
    // The value of a result column, typed by the column's declared type as a cursor reads it.
    CDbVariant GetFieldValue(int column) const;
    // The value as the store holds it, not read by the column's declared type (a date stays the
    // stored text): bound again, it matches the same rows.
    CDbVariant StoredValue(int column) const;
    bool IsNull(int column) const;
    double Double(int column) const;
    int32_t Int(int column) const;
    qint64 Int64(int column) const;
    QString Text(int column) const;
    // Text(column) into text, sparing the conversion when text holds it already.
    void ReadText(int column, QString& text) const;

private:
    // Owned with the connection: a reconnect while this statement lives must not end it.
    std::shared_ptr<CDbQuery> m_query;
    bool m_bindFailed = false;
    bool m_failed = false;
};
