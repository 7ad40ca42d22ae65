#pragma once

#include "CDbQuery.h"
#include "CDbVariant.h"
#include "ColumnValue.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class CDbConnection;

// A cursor over the result of one statement or one table of the connection's book.
//
// Open returns false (and stays closed) when the statement cannot run; nothing is ever shown.
// Reading a null or a value off the rows gives "[#Empty#]"; a position beyond the last field
// gives the integer 0 (text "0"). SetField on a row writes to the book at once. With a
// forward-only, read-only cursor the rows stream from the book; every other cursor holds its
// rows, each with its rowid, and can move both ways.
class CDbRecordset
{
public:
    static constexpr int kUnspecified = -1;
    static constexpr int kOpenForwardOnly = 0;
    static constexpr int kOpenKeyset = 1;
    static constexpr int kOpenDynamic = 2;
    static constexpr int kOpenStatic = 3;
    static constexpr int kLockReadOnly = 1;
    static constexpr int kLockPessimistic = 2;
    static constexpr int kLockOptimistic = 3;

    explicit CDbRecordset(CDbConnection& connection);
    ~CDbRecordset();
    CDbRecordset(const CDbRecordset&) = delete;
    CDbRecordset& operator=(const CDbRecordset&) = delete;

    // source: a statement or a bare table name. Runs statements that return no rows at once.
    bool Open(const QString& source, int cursorType, int lockType);
    // Runs "CREATE DATABASE '<path>'" (creating the empty file); other statements fail here.
    bool OpenWithoutFile(const QString& sql);
    bool Close();
    bool IsOpen();

    bool IsBOF();
    bool IsEOF();
    bool MoveFirst();
    bool MoveNext();
    bool MovePrevious();
    bool MoveLast();
    // Moves n rows from the current one; false (staying put) when the target is no row.
    bool Move(long n);
    bool GetRecordCount(long& count);

    int FieldCount() const { return m_fieldCount; }
    // Null text when there is no field at the position.
    QString GetFieldName(int index) const;
    CDbVariant GetFieldValue(int index);
    QString GetFieldText(int index);
    // Invalid when the value is null or no date; the current time when the cursor never opened.
    QDateTime GetFieldDate(int index);

    // Writes the field of the current row (or of the row being added) and commits it at once.
    bool SetField(int index, const CDbVariant& value);
    // Exact, case-sensitive match of the field name; false when none matches.
    bool SetFieldByName(const QString& name, const CDbVariant& value);
    bool AddNew();
    // Writes the row started by AddNew; true when there is none.
    bool Update();

private:
    struct Column
    {
        QString name;
        ColumnKind kind;
        QString origin;
    };
    struct Row
    {
        qint64 rowid = 0;
        std::vector<CDbVariant> values;
    };

    bool Acquire(const QString& sql);
    void ReleaseStatement();
    bool IsAlive();
    void ReadColumns();
    void DetectSourceTable();
    void PrefixRowid(const QString& sql);
    bool RunWithoutRows();
    void EnsureFetched();
    CDbQuery::Step StepStream();
    bool OnRow();
    CDbVariant CurrentValue(int index);
    bool WriteCurrentRow(int index, const CDbVariant& value);

    CDbConnection& m_connection;
    bool m_open = false;
    bool m_neverOpened = true;
    quint64 m_generation = 0;
    int m_fieldCount = 0;
    std::vector<Column> m_columns;
    QString m_sql;
    QString m_table;
    bool m_writable = false;
    bool m_streaming = false;
    std::unique_ptr<CDbQuery> m_query;
    QString m_stmtSql;
    int m_hidden = 0;

    long m_streamIndex = 0;
    bool m_streamEnd = true;

    bool m_fetched = false;
    std::vector<Row> m_rows;
    long m_position = 0;

    bool m_adding = false;
    std::vector<CDbVariant> m_newValues;
    std::vector<bool> m_newSet;
};

// Runs one statement that returns no rows (DELETE, DROP, CREATE, INSERT); true on success.
bool Execute(CDbConnection& connection, const QString& sql);

// Appends one row to a table: opens it, AddNew, sets the named fields in order, Update. Columns
// not named stay null. False when the table cannot be opened or the row is refused.
bool AppendRow(CDbConnection& connection, const QString& table,
               const std::vector<std::pair<QString, CDbVariant>>& fields);
