#pragma once

#include "CDbQuery.h"
#include "RunningTotal.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What a store engine does for CDbConnection: the book's SQLite file, or a database on a
// PostgreSQL server. Statements reach it in SQLite's dialect; the engine runs them as its own.
class CDbEngine
{
public:
    enum class Presence
    {
        Present,
        Missing,    // no book there yet: a new one may be created
        Unreachable // something is there or in the way that cannot be opened as a book
    };

    virtual ~CDbEngine() = default;

    // Opens on first use (never creating the book); false, with LastError(), when it cannot.
    virtual bool Open() = 0;
    virtual bool IsOpen() const = 0;
    // Rolls back an open transaction and lets go of the book.
    virtual void Close() = 0;
    virtual Presence BookPresence() = 0;
    // Creates the empty store a new book goes into; false when it exists or cannot be made.
    virtual bool CreateStore(const QString& location) = 0;
    // Removes what a new book at the location would replace (a file and its journals).
    virtual void DiscardStore(const QString& location) = 0;

    // Takes the book's write lock, waiting up to the lock wait, and begins a transaction.
    virtual bool Begin() = 0;
    // True when the last Begin failed only because another program holds the write lock.
    virtual bool LockBusy() const = 0;
    // Begins reading one state of the whole book, ended by Rollback. A file takes its write lock
    // for it; a server reads one snapshot and keeps nobody waiting.
    virtual bool BeginSnapshot() { return Begin(); }
    // True only when the commit took effect; a failed one is rolled back.
    virtual bool Commit() = 0;
    virtual void Rollback() = 0;
    virtual QString LastError() const = 0;
    // True after a Commit that failed without knowing whether the book took the writes (the
    // connection to a server went and could not be asked again).
    virtual bool CommitOutcomeUnknown() const { return false; }
    virtual qint64 TotalChanges() = 0;
    // Moves whenever any connection commits a change to the book.
    virtual std::optional<qint64> DataVersion() = 0;
    // How long Begin (and any statement) waits for another program's lock.
    virtual void SetLockWait(int milliseconds) = 0;
    // Called often (every few milliseconds of work) while a statement runs or its answer is
    // awaited; empty stops it. It must not use the engine: the statement is still running.
    virtual void SetPulse(std::function<void()> pulse) = 0;
    // See CDbConnection::SetInterruption; an engine that cannot stop a statement midway ignores it.
    virtual void SetInterruption(std::function<bool()> stop) { (void)stop; }

    // Names (lower case) of the date-time columns of the book's tables.
    virtual QSet<QString> DateTimeColumns() = 0;
    virtual void NoteSchemaChange() = 0;

    // A statement kept by the engine for reuse; null when it cannot be prepared. Shared: a caller
    // still holding it when the engine lets go of its statements (a reconnect, a close) keeps it.
    virtual std::shared_ptr<CDbQuery> Cached(const QString& sql) = 0;
    // A statement for one user at a time; hand it back with Release.
    virtual std::unique_ptr<CDbQuery> Acquire(const QString& sql) = 0;
    virtual void Release(const QString& sql, std::unique_ptr<CDbQuery> query) = 0;

    // Sets columns (numbers) of many rows named by their row identity, in one go.
    virtual bool UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                            const std::vector<std::vector<double>>& values) = 0;
    // Called with each row of a whole-table read: its rowid and its values; false stops the read.
    using RowSink = std::function<bool(qint64 rowId, const std::vector<CDbVariant>& values)>;
    // Hands every row of a table to sink in rowid order, each column's value of its kind in the
    // table. The number of rows read; nothing when the read failed or sink stopped it.
    virtual std::optional<qint64> ReadRows(const QString& table, const QStringList& columns, const RowSink& sink) = 0;

    // Appends rows with the given row identities, streamed: BeginAppend, AppendRow for each row,
    // EndAppend. Nothing else runs on the connection in between. Identities of rows added later
    // follow the largest.
    virtual bool BeginAppend(const QString& table, const QStringList& columns,
                             const std::vector<ColumnKind>& kinds) = 0;
    virtual bool AppendRow(qint64 rowId, const std::vector<CDbVariant>& values) = 0;
    // The number of rows the store took; nothing when it refused them or complete is false (the
    // append is cancelled; the caller rolls back what went before).
    virtual std::optional<qint64> EndAppend(bool complete) = 0;
    // Rewrites a column as a running total in one pass of the store; false when it fails.
    virtual bool WriteRunningTotal(const RunningTotal& total) = 0;
};
