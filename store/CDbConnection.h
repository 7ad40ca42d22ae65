#pragma once

#include "SqlDialect.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CDbEngine;
class CDbQuery;
class CDbVariant;
struct RunningTotal;
enum class ColumnKind;
struct sqlite3;

// Names the book and owns the one connection to it. The text is a data file path, or a libpq
// connection URI ("postgresql://USER@HOST:PORT/DB" or "postgres://...") naming a database on a
// PostgreSQL server that several programs share; the engine is chosen by it, and nothing above
// the store needs to know which. The book is opened on first use (never created; only
// CreateDatabase does) and let go of by Close(), which whole-file commands call first.
//
// Every write is bracketed by BeginOperation and CommitOperation or RollbackOperation (see
// CDbTransaction): the outermost bracket is one transaction holding the book's write lock, so a
// crash or a lost connection mid-way leaves the book as it was, and another program writing the
// same book waits for it. Nested brackets join the outermost one; only the outermost commits or
// rolls back.
class CDbConnection
{
public:
    enum class Presence
    {
        Present,
        Missing,    // nothing there yet: a new book may be created
        Unreachable // something there cannot be opened as a book (LastError says why)
    };

    CDbConnection();
    explicit CDbConnection(const QString& text);
    ~CDbConnection();
    CDbConnection(const CDbConnection&) = delete;
    CDbConnection& operator=(const CDbConnection&) = delete;

    // True for a text that names a book on a server rather than a file.
    static bool NamesServer(const QString& text);

    // Re-points the connection at another book; an open one is closed first.
    void Open(const QString& text = QString());
    const QString& ConnectionText() const { return m_text; }

    // Opens the book if it is not open; false, with LastError(), when it cannot be.
    bool Connect();
    bool IsOpen() const;
    // The SQLite handle of a book on a file (opened on first use); null for a server book.
    sqlite3* Handle();
    // Rolls back a pending operation, lets go of prepared statements and closes the book.
    void Close();
    // Bumped by every Close: cursors holding statements of an older connection treat themselves as closed.
    quint64 Generation() const { return m_generation; }

    Presence BookPresence();
    // Creates the empty store of a new book at location (a file and its folder, or a database on
    // the server). False when it exists or cannot be created.
    bool CreateDatabase(const QString& location);
    // Removes what a new book at location replaces: the file and its journals (a server book's
    // tables are dropped by the schema scripts instead).
    void DiscardDatabase(const QString& location);

    // Called now and then while another program holds the write lock, with the milliseconds waited
    // so far; returning false gives up waiting.
    using LockWaiter = std::function<bool(qint64 waitedMs)>;
    // Takes the write lock, waiting for another program to finish as long as it works (the lock of
    // a program that dies is freed), up to the busy timeout or until stillWaiting gives up. False,
    // with LastError() set and nothing begun, when it cannot be had.
    bool BeginOperation(const LockWaiter& stillWaiting = {});
    // Ends a bracket. The outermost commits; true only when the commit took effect. A failed
    // commit (disk full, I/O error, a lost connection) is rolled back, leaving the book as before.
    bool CommitOperation();
    // Begins reading one state of the whole book (a copy of it); end it with RollbackOperation.
    // On a file this holds the write lock; on a server it is a snapshot that keeps no writer
    // waiting. False, with LastError(), when it cannot begin.
    bool BeginSnapshot();
    void RollbackOperation();
    int OperationDepth() const { return m_depth; }
    // After a failed CommitOperation: true when the writes may still have been saved, so that
    // "nothing was saved" would be a guess.
    bool CommitOutcomeUnknown() const;
    // Why the last BeginOperation, CommitOperation or Connect failed, in words for the user.
    QString LastError() const;
    // Rows inserted, changed or deleted through this connection since it was opened.
    qint64 TotalChanges();

    // True when another connection committed to the book since the previous call (or since the
    // book was opened again); the first call after an open is true.
    bool ChangedElsewhere();

    // How long a single statement of a whole-file copy waits for another program's lock.
    static constexpr int kBusyTimeoutMs = 10000;
    // How long BeginOperation waits for another program's write lock unless set otherwise: a
    // back-dated change of a large book holds it for seconds, and a till's sale must not fail then.
    static constexpr int kOperationWaitMs = 300000;
    // How often a waiting BeginOperation tries again and asks its waiter.
    static constexpr int kLockAttemptMs = 200;
    void SetBusyTimeout(int milliseconds);
    // While set, a statement of this connection that runs long asks stop() now and then and ends
    // as failed when it returns true (a file book; a server book's statements run to their end).
    // Called on the thread that uses the connection.
    void SetInterruption(std::function<bool()> stop);

    // Called about every kHeartbeatMs while a statement of this connection runs (on a server: while
    // its answer is awaited), so that a window keeps painting through a long write; empty stops
    // it. While the heartbeat runs, the statement is unfinished: the connection refuses new
    // statements, operations and a Close until it returns.
    using Heartbeat = std::function<void()>;
    void SetHeartbeat(Heartbeat heartbeat);
    bool InHeartbeat() const { return m_inHeartbeat; }
    static constexpr int kHeartbeatMs = 50;

    // Names of the date-time columns of the book (lower case), for the dialect mapping.
    QSet<QString> DateTimeColumns();
    // Called after a statement that may have changed the schema.
    void NoteSchemaChange();

    // A prepared statement for SQL in SQLite's own dialect, kept until Close; reset and unbound.
    // Null when the book cannot be opened or the statement does not prepare. Shared: use it for
    // one run at a time. A holder keeps it alive through a reconnect or a Close.
    std::shared_ptr<CDbQuery> CachedStatement(const QString& sql);

    // A statement in the store's dialect mapped to SQLite's (remembered per text).
    SqlMapping Map(const QString& statement);
    // A statement of SQLite SQL for one cursor's own use; hand it back with ReleaseStatement.
    // Null when it does not prepare.
    std::unique_ptr<CDbQuery> AcquireStatement(const QString& sql);
    void ReleaseStatement(const QString& sql, std::unique_ptr<CDbQuery> query, quint64 generation);

    // Sets number columns of many rows of a table, each row named by its rowid, in one go.
    bool UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                    const std::vector<std::vector<double>>& values);
    // Every row of a table in rowid order with its rowid (see CDbEngine::ReadRows); the rows read.
    using RowSink = std::function<bool(qint64 rowId, const std::vector<CDbVariant>& values)>;
    std::optional<qint64> ReadRows(const QString& table, const QStringList& columns, const RowSink& sink);
    // Appends rows keeping the given rowids, streamed (see CDbEngine::BeginAppend).
    bool BeginAppend(const QString& table, const QStringList& columns, const std::vector<ColumnKind>& kinds);
    bool AppendRow(qint64 rowId, const std::vector<CDbVariant>& values);
    std::optional<qint64> EndAppend(bool complete);
    // Rewrites a column as a running total (RunningTotal.h), writing only the rows that change.
    bool WriteRunningTotal(const RunningTotal& total);

private:
    CDbEngine& Engine();
    int LockAttemptMs() const;
    bool Begin(const std::function<bool()>& attempt, const LockWaiter& stillWaiting);
    void Pulse();
    bool RefuseInHeartbeat();

    QString m_text;
    std::unique_ptr<CDbEngine> m_engine;
    quint64 m_generation = 0;
    int m_depth = 0;
    int m_busyTimeoutMs = kOperationWaitMs;
    QString m_waitError;
    quint64 m_seenGeneration = ~quint64(0);
    qint64 m_seenDataVersion = -1;
    bool m_wasOpen = false;
    QHash<QString, SqlMapping> m_mappings;
    Heartbeat m_heartbeat;
    bool m_inHeartbeat = false;
    QElapsedTimer m_sinceBeat;
};
