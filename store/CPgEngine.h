#pragma once

#include "CDbEngine.h"
#include "CPgCatalog.h"
#include "CPgSession.h"
#include "PgDialect.h"

#include <QHash>

#include <memory>

class CPgQuery;
struct PgColumns;

// The book as a database on a PostgreSQL server that several programs share (libpq). Same
// tables, columns and order as the file; TEXT columns compare without regard to A-Z case and
// sort as the file sorts them (citext in the "C" collation); each table carries a hidden rowid
// identity column.
//
// The write path: an operation is one transaction holding an advisory lock of the book, waited
// for up to the lock wait; a one-row table counts committed changes (every table's statement
// trigger moves it once per transaction) in place of SQLite's data_version; a failed COMMIT, a
// transaction the server rolled back or a lost connection is a failure with the server's words.
class CPgEngine final : public CDbEngine
{
public:
    explicit CPgEngine(const QString& uri) : m_uri(uri) {}
    ~CPgEngine() override;

    bool Open() override;
    bool IsOpen() const override { return m_session.IsConnected(); }
    void Close() override;
    Presence BookPresence() override;
    bool CreateStore(const QString& location) override;
    void DiscardStore(const QString&) override {}

    bool Begin() override;
    bool BeginSnapshot() override;
    bool Commit() override;
    void Rollback() override;
    QString LastError() const override { return m_lastError; }
    bool LockBusy() const override { return m_lockBusy; }
    bool CommitOutcomeUnknown() const override { return m_commitUnknown; }
    qint64 TotalChanges() override { return m_totalChanges; }
    std::optional<qint64> DataVersion() override;
    void SetLockWait(int milliseconds) override;
    void SetPulse(std::function<void()> pulse) override { m_session.SetPulse(std::move(pulse)); }

    QSet<QString> DateTimeColumns() override;
    void NoteSchemaChange() override;

    std::shared_ptr<CDbQuery> Cached(const QString& sql) override;
    std::unique_ptr<CDbQuery> Acquire(const QString& sql) override;
    void Release(const QString&, std::unique_ptr<CDbQuery>) override {}

    bool UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                    const std::vector<std::vector<double>>& values) override;
    std::optional<qint64> ReadRows(const QString& table, const QStringList& columns, const RowSink& sink) override;
    bool BeginAppend(const QString& table, const QStringList& columns, const std::vector<ColumnKind>& kinds) override;
    bool AppendRow(qint64 rowId, const std::vector<CDbVariant>& values) override;
    std::optional<qint64> EndAppend(bool complete) override;
    bool WriteRunningTotal(const RunningTotal& total) override;

    // For CPgQuery: runs it with its bound values (the rows it changed in changes); null after an
    // error, which has gone to the error hook.
    PgResult Run(const CPgQuery& query, qint64& changes);
    // The columns a statement gives, described once per text; null when the server refuses it.
    std::shared_ptr<const PgColumns> Columns(const PgStatement& statement);
    std::shared_ptr<const PgColumns> ColumnsOf(const PGresult* result);
    qint64 LastInsertRowId();

private:
    bool Configure();
    // The extra indexes and fresh statistics a changed schema needs.
    void UpkeepSchema();
    // After the connection went during COMMIT: connects again and finds out whether the
    // operation's transaction committed; true when it did.
    bool SettleLostCommit();
    QString LostConnection() const;
    bool HoldsBook() const;
    bool LoadCatalog();
    void EnsureCatalog();
    void EnsureExtraIndexes();
    bool PrepareStore(CPgSession& session);
    std::shared_ptr<const PgStatement> Mapped(const QString& sql);
    CPgSession::Wrap WrapFor(const PgStatement& statement) const;
    PgResult RunNative(const QByteArray& sql, const CPgSession::Command& values);
    void ReportFailure(const PGresult* result);
    bool FlushAppend();
    bool ExecuteControl(const QByteArray& sql);

    QString m_uri;
    CPgSession m_session;
    QString m_lastError;
    int m_lockWaitMs = 0;
    CPgCatalog m_catalog;
    bool m_catalogKnown = false;
    bool m_counterKnown = false;
    QString m_textType;
    QString m_schema;
    qint64 m_lockKey = 0;
    bool m_inOperation = false;
    // A schema change inside the operation left UpkeepSchema for its commit.
    bool m_upkeepDue = false;
    bool m_lockBusy = false;
    QByteArray m_operationXid;
    int m_operationBackend = 0;
    bool m_commitUnknown = false;
    qint64 m_totalChanges = 0;
    // Changes this connection committed itself: they never count as made elsewhere.
    qint64 m_ownChanges = 0;
    int m_nextName = 0;
    QHash<QString, QByteArray> m_prepared;
    QHash<QString, std::shared_ptr<const PgStatement>> m_mapped;
    QHash<QString, std::shared_ptr<const PgColumns>> m_described;
    QHash<QString, std::shared_ptr<CPgQuery>> m_cached;
    // The COPY of the append under way: its table, rows not yet sent, rows given.
    QString m_appendTable;
    QByteArray m_appendData;
    qint64 m_appendRows = 0;
    bool m_appendFailed = false;
};
