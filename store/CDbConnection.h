#pragma once

#include "SqlDialect.h"

#include <QHash>
#include <QMultiHash>
#include <QSet>
#include <QString>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// Names the data file and owns the one SQLite handle on it. The handle is opened on first use
// (never creating the file; only CreateDatabaseFile does) and closed by Close(), which whole-file
// commands call before they copy or replace the file.
//
// Every write is bracketed by BeginOperation and CommitOperation or RollbackOperation (see
// CDbTransaction): the outermost bracket is one immediate SQLite transaction, so a crash mid-way
// leaves the file as it was, and another program writing the same file waits for it. Nested
// brackets join the outermost one; only the outermost commits or rolls back.
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

    // Takes the write lock, waiting up to kBusyTimeoutMs for another program to finish. False,
    // with LastError() set and nothing begun, when it cannot be had.
    bool BeginOperation();
    // Ends a bracket. The outermost commits; true only when the commit took effect. A failed
    // commit (disk full, I/O error) is rolled back, leaving the file as before the bracket.
    bool CommitOperation();
    void RollbackOperation();
    int OperationDepth() const { return m_depth; }
    // Why the last BeginOperation or CommitOperation failed, in words for the user.
    const QString& LastError() const { return m_lastError; }
    // Rows inserted, changed or deleted through this connection since it was opened.
    qint64 TotalChanges();

    // True when another connection committed to the file since the previous call (or since the
    // file was opened again); the first call after an open is true.
    bool ChangedElsewhere();

    // Makes another data file readable in statements as "alias.Table" (outside any bracket).
    bool Attach(const QString& path, const QString& alias);
    void Detach(const QString& alias);

    static constexpr int kBusyTimeoutMs = 10000;
    // How long BeginOperation waits for another program's write lock (kBusyTimeoutMs unless set).
    void SetBusyTimeout(int milliseconds);

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
    int ExecuteChecked(const char* sql);
    std::optional<qint64> DataVersion();

    QString m_text;
    sqlite3* m_db = nullptr;
    quint64 m_generation = 0;
    int m_depth = 0;
    bool m_inTransaction = false;
    QString m_lastError;
    int m_busyTimeoutMs = kBusyTimeoutMs;
    quint64 m_seenGeneration = ~quint64(0);
    qint64 m_seenDataVersion = -1;
    bool m_dateColumnsKnown = false;
    QSet<QString> m_dateTimeColumns;
    QHash<QString, sqlite3_stmt*> m_statements;
    QHash<QString, SqlMapping> m_mappings;
    QMultiHash<QString, sqlite3_stmt*> m_pool;
};
