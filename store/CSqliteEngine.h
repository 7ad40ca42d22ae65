#pragma once

#include "CDbEngine.h"
#include "CSqliteRunningTotal.h"

#include <QHash>
#include <QMultiHash>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// The book as one SQLite file: WAL journal, an immediate transaction per operation waiting up to
// the lock wait for another program, PRAGMA data_version for what others committed.
class CSqliteEngine final : public CDbEngine
{
public:
    explicit CSqliteEngine(const QString& path) : m_path(path) {}
    ~CSqliteEngine() override;

    // The open handle, or null.
    sqlite3* Handle() const { return m_db; }

    bool Open() override;
    bool IsOpen() const override { return m_db != nullptr; }
    void Close() override;
    Presence BookPresence() override;
    bool CreateStore(const QString& location) override;
    void DiscardStore(const QString& location) override;

    bool Begin() override;
    bool Commit() override;
    void Rollback() override;
    QString LastError() const override { return m_lastError; }
    bool LockBusy() const override { return m_lockBusy; }
    qint64 TotalChanges() override;
    std::optional<qint64> DataVersion() override;
    void SetLockWait(int milliseconds) override;
    void SetPulse(std::function<void()> pulse) override;
    void SetInterruption(std::function<bool()> stop) override;

    QSet<QString> DateTimeColumns() override;
    void NoteSchemaChange() override;

    std::shared_ptr<CDbQuery> Cached(const QString& sql) override;
    std::unique_ptr<CDbQuery> Acquire(const QString& sql) override;
    void Release(const QString& sql, std::unique_ptr<CDbQuery> query) override;

    bool UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                    const std::vector<std::vector<double>>& values) override;
    std::optional<qint64> ReadRows(const QString& table, const QStringList& columns, const RowSink& sink) override;
    bool BeginAppend(const QString& table, const QStringList& columns, const std::vector<ColumnKind>& kinds) override;
    bool AppendRow(qint64 rowId, const std::vector<CDbVariant>& values) override;
    std::optional<qint64> EndAppend(bool complete) override;
    bool WriteRunningTotal(const RunningTotal& total) override;

private:
    sqlite3_stmt* Prepare(const QString& sql, unsigned flags);
    bool HoldsDataTables();
    void ConfigureDataFile();
    void ExecuteQuietly(const char* sql);
    int ExecuteChecked(const char* sql);
    int ExecuteBesidePulse(const char* sql);
    void InstallProgressHandler();
    static int OnProgress(void* engine);

    QString m_path;
    sqlite3* m_db = nullptr;
    bool m_inTransaction = false;
    // A schema change inside the operation left the extra indexes for its commit.
    bool m_upkeepDue = false;
    bool m_lockBusy = false;
    QString m_lastError;
    int m_lockWaitMs = 0;
    std::function<void()> m_pulse;
    std::function<bool()> m_stop;
    bool m_dateColumnsKnown = false;
    QSet<QString> m_dateTimeColumns;
    QHash<QString, std::shared_ptr<CDbQuery>> m_statements;
    QMultiHash<QString, CDbQuery*> m_pool;
    // The insert of the append under way, and the rows it wrote.
    std::shared_ptr<CDbQuery> m_append;
    qint64 m_appended = 0;
    bool m_appendFailed = false;
    CSqliteRunningTotal m_runningTotal;
};
