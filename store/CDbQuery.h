#pragma once

#include "CDbVariant.h"
#include "ColumnValue.h"

#include <QString>

#include <cstdint>

// One statement in SQLite's dialect, prepared on the connection's engine: bound values, a run,
// the rows of the result one at a time. The file engine steps its rows from the file as they are
// read; the server engine fetches the whole result in one round trip. Neither shows anything:
// errors go to the error hook.
class CDbQuery
{
public:
    enum class Step
    {
        Row,
        Done,
        Error
    };

    virtual ~CDbQuery() = default;

    // True when the statement produces rows (a query), false for one that only changes the book.
    virtual bool ReturnsRows() const = 0;
    // Makes the result's columns known without running the statement; false when the engine
    // refuses the statement.
    virtual bool Describe() = 0;
    virtual int ColumnCount() const = 0;
    virtual QString ColumnName(int column) const = 0;
    // The kind of value a column holds, by its declared type where it comes from a table.
    virtual ColumnKind Kind(int column) const = 0;
    // The table and column a result column comes straight from; empty for an expression.
    virtual QString OriginTable(int column) const = 0;
    virtual QString OriginColumn(int column) const = 0;

    // Parameters are numbered from 1; false when the value cannot be bound.
    virtual bool Bind(int parameter, const CDbVariant& value) = 0;
    virtual bool BindInt64(int parameter, qint64 value) = 0;
    virtual void ClearBindings() = 0;

    // The first call after Reset runs the statement with the bound values; each call gives the
    // next row.
    virtual Step Next() = 0;
    // Back to before the run; bindings stay.
    virtual void Reset() = 0;
    // Rows inserted, changed or deleted by the last run.
    virtual qint64 Changes() = 0;
    // The row identity the last INSERT of this connection gave its row.
    virtual qint64 LastInsertRowId() = 0;

    // The current row's values.
    virtual CDbVariant Value(int column, ColumnKind kind) const = 0;
    virtual bool IsNull(int column) const = 0;
    virtual double Double(int column) const = 0;
    virtual qint64 Int64(int column) const = 0;
    virtual QString Text(int column) const = 0;
    // Sets text to Text(column); an engine may leave text as it is when it holds that already,
    // sparing a conversion for the runs of equal texts of a sorted read.
    virtual void ReadText(int column, QString& text) const { text = Text(column); }
};
