#pragma once

#include "SqlDialect.h"

#include <QHash>
#include <QMultiHash>
#include <QSet>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// Names the data file and owns the one SQLite handle on it. The handle is opened on first use
// (never creating the file; only CreateDatabaseFile does) and closed by Close(), which whole-file
// commands call before they copy or replace the file.
//
// Document operations bracket their writes with BeginOperation/EndOperation (see CDbTransaction):
// the outermost pair is one SQLite transaction, so a crash mid-way leaves the file as it was.
class CDbConnection
{
public:
    CDbConnection() = default;
    explicit CDbConnection(const QString& text);
    ~CDbConnection();
    CDbConnection(const CDbConnection&) = delete;
    CDbConnection& operator=(const CDbConnection&) = delete;

    // Re-points the connection at a file path; an open handle is closed first.
    void Open(const QString& text = QString());
    const QString& ConnectionText() const { return m_text; }

    // The open handle, or null when there is no path or the file cannot be opened.
    sqlite3* Handle();
    bool IsOpen() const { return m_db != nullptr; }
    // Commits a pending operation, finalizes cached statements and closes the handle.
    void Close();
    // Bumped by every Close: cursors holding statements of an older handle treat themselves as closed.
    quint64 Generation() const { return m_generation; }

    // Creates an empty data file at the path (its folder too). False when the file exists or
    // cannot be created.
    bool CreateDatabaseFile(const QString& path);

    void BeginOperation();
    void EndOperation();
    int OperationDepth() const { return m_depth; }

    // Names of the date-time columns of the open file (lower case), for the dialect mapping.
    const QSet<QString>& DateTimeColumns();
    // Called after a statement that may have changed the schema.
    void NoteSchemaChange();

    // A prepared statement for SQL in SQLite's own dialect, kept until Close; reset and unbound.
    // Null when the handle cannot be opened or the statement does not prepare. Shared: use it
    // for one step sequence at a time.
    sqlite3_stmt* CachedStatement(const QString& sql);

    // A statement in the store's dialect mapped to SQLite's (remembered per text).
    SqlMapping Map(const QString& statement);
    // A prepared statement of SQLite SQL for one cursor's own use, from a pool of earlier ones
    // when there is one; hand it back with ReleaseStatement. Null when it does not prepare.
    sqlite3_stmt* AcquireStatement(const QString& sql);
    void ReleaseStatement(const QString& sql, sqlite3_stmt* stmt, quint64 generation);

private:
    bool HoldsDataTables();
    void ConfigureDataFile();
    void ExecuteQuietly(const char* sql);

    QString m_text;
    sqlite3* m_db = nullptr;
    quint64 m_generation = 0;
    int m_depth = 0;
    bool m_inTransaction = false;
    bool m_dateColumnsKnown = false;
    QSet<QString> m_dateTimeColumns;
    QHash<QString, sqlite3_stmt*> m_statements;
    QHash<QString, SqlMapping> m_mappings;
    QMultiHash<QString, sqlite3_stmt*> m_pool;
};
