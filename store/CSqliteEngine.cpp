#include "CSqliteEngine.h"

#include "CSqliteQuery.h"
#include "ComIssueError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <chrono>
#include <future>
#include <utility>

namespace {
// Texts with literals in them vary without end; the caches start afresh when they are full.
constexpr int kMaxPooledStatements = 64;
// Virtual machine steps between pulses: some tens of microseconds of work, so a pulse comes
// often while costing nothing measurable.
constexpr int kStepsPerPulse = 5000;
// How often the pulse comes while a statement runs on a thread of its own.
constexpr std::chrono::milliseconds kPulseWait(20);

// Indexes beyond each table's PrimaryKey that the register, the reports and the recomputations
// read through. Created on every open so that older files gain them too.
const char* const kExtraIndexes[] = {
    "CREATE INDEX IF NOT EXISTS [TransItem_RegisterOrder] ON [TransItem] ([TransDate], [ItemOrder], "
    "[TransactionID])",
    // Its forerunner without TransactionID; the index above serves everything it served.
    "DROP INDEX IF EXISTS [TransItem_DateOrder]",
    "CREATE INDEX IF NOT EXISTS [TransItem_ProductDate] ON [TransItem] ([ProductID], [TransDate])",
};

QString Bracketed(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}
} // namespace

CSqliteEngine::~CSqliteEngine()
{
    Close();
}

bool CSqliteEngine::Open()
{
    if (m_db != nullptr) {
        return true;
    }
    if (m_path.isEmpty()) {
        m_lastError = QStringLiteral("the data file cannot be opened");
        return false;
    }
    sqlite3* db = nullptr;
    // Serialized whatever the library's default: a long commit runs on a thread of its own while
    // the window's thread goes on (ExecuteBesidePulse).
    const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        m_lastError = QStringLiteral("the data file cannot be opened");
        return false;
    }
    m_db = db;
    sqlite3_busy_timeout(m_db, m_lockWaitMs);
    InstallProgressHandler();
    // Connection settings only; they write nothing into the file.
    ExecuteQuietly("PRAGMA synchronous=NORMAL");
    ExecuteQuietly("PRAGMA foreign_keys=OFF");
    // A replay of a long history rewrites many pages in one transaction; keep them in memory.
    ExecuteQuietly("PRAGMA cache_size=-65536");
    m_runningTotal.Register(m_db);
    m_dateColumnsKnown = false;
    // A file that is not ours (random bytes, another program's tables) is read but never written.
    if (HoldsDataTables()) {
        ConfigureDataFile();
    }
    return true;
}

bool CSqliteEngine::HoldsDataTables()
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db,
                           "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                           "('AutoNumber', 'TransItem', 'Item')",
                           -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return false;
    }
    const bool ours = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 3;
    sqlite3_finalize(stmt);
    return ours;
}

void CSqliteEngine::ConfigureDataFile()
{
    // The journal mode cannot change inside a transaction; a file created by us is WAL already.
    if (sqlite3_get_autocommit(m_db)) {
        ExecuteQuietly("PRAGMA journal_mode=WAL");
    }
    for (const char* sql : kExtraIndexes) {
        ExecuteQuietly(sql);
    }
}

void CSqliteEngine::ExecuteQuietly(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        ComIssueError(rc);
    }
}

void CSqliteEngine::Close()
{
    if (m_db == nullptr) {
        return;
    }
    // A bracket still open here was never confirmed: nothing of it may reach the file.
    if (m_inTransaction) {
        ExecuteQuietly("ROLLBACK");
        m_inTransaction = false;
    }
    m_statements.clear();
    qDeleteAll(m_pool);
    m_pool.clear();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_dateColumnsKnown = false;
}

CDbEngine::Presence CSqliteEngine::BookPresence()
{
    const QFileInfo info(m_path);
    if (info.isFile()) {
        return Presence::Present;
    }
    if (info.exists()) {
        m_lastError = QStringLiteral("it is not a file");
        return Presence::Unreachable;
    }
    return Presence::Missing;
}

bool CSqliteEngine::CreateStore(const QString& location)
{
    const QFileInfo info(location);
    if (info.exists() || !QDir().mkpath(info.absolutePath())) {
        return false;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(location).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool created = rc == SQLITE_OK;
    if (created) {
        // Writing the journal mode makes the file a real SQLite file at once.
        created = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3_close_v2(db);
    return created;
}

void CSqliteEngine::DiscardStore(const QString& location)
{
    for (const char* suffix : {"", "-wal", "-shm"}) {
        QFile::remove(location + QLatin1String(suffix));
    }
}

int CSqliteEngine::ExecuteChecked(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
    }
    return rc;
}

void CSqliteEngine::SetLockWait(int milliseconds)
{
    m_lockWaitMs = milliseconds;
    if (m_db != nullptr) {
        sqlite3_busy_timeout(m_db, milliseconds);
    }
}

void CSqliteEngine::SetPulse(std::function<void()> pulse)
{
    m_pulse = std::move(pulse);
    InstallProgressHandler();
}

void CSqliteEngine::SetInterruption(std::function<bool()> stop)
{
    m_stop = std::move(stop);
    InstallProgressHandler();
}

// One handler serves both: a window's pulse and a reader's way to stop its statement.
void CSqliteEngine::InstallProgressHandler()
{
    if (m_db == nullptr) {
        return;
    }
    const bool wanted = m_pulse || m_stop;
    sqlite3_progress_handler(m_db, wanted ? kStepsPerPulse : 0, wanted ? &OnProgress : nullptr, this);
}

// The commit of a large operation writes thousands of pages and then copies them into the file
// (the checkpoint), all in one step of the statement where no progress handler is called. With a
// pulse it runs on a thread of its own while this one pulses; SQLite serializes any other use of
// the connection meanwhile.
int CSqliteEngine::ExecuteBesidePulse(const char* sql)
{
    if (!m_pulse || sqlite3_threadsafe() == 0) {
        return ExecuteChecked(sql);
    }
    // The handler would call the pulse from the other thread.
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
    std::future<int> done =
        std::async(std::launch::async, [db = m_db, sql] { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); });
    while (done.wait_for(kPulseWait) != std::future_status::ready) {
        m_pulse();
    }
    const int rc = done.get();
    InstallProgressHandler();
    if (rc != SQLITE_OK) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
    }
    return rc;
}

// Interrupts only a statement whose reader asked to stop: a write stopped half-way would fail an
// operation nobody cancelled.
int CSqliteEngine::OnProgress(void* engine)
{
    auto* self = static_cast<CSqliteEngine*>(engine);
    if (self->m_pulse) {
        self->m_pulse();
    }
    return self->m_stop && self->m_stop() ? 1 : 0;
}

bool CSqliteEngine::Begin()
{
    if (!Open()) {
        return false;
    }
    const int rc = ExecuteChecked("BEGIN IMMEDIATE");
    m_lockBusy = (rc & 0xff) == SQLITE_BUSY;
    if (rc != SQLITE_OK) {
        if (m_lockBusy) {
            m_lastError = QStringLiteral("another program is writing the data file; try again");
        }
        return false;
    }
    m_inTransaction = true;
    return true;
}

bool CSqliteEngine::Commit()
{
    m_inTransaction = false;
    if (m_db == nullptr) {
        m_lastError = QStringLiteral("the data file was closed");
        return false;
    }
    if (std::exchange(m_upkeepDue, false) && HoldsDataTables()) {
        ConfigureDataFile();
    }
    if (ExecuteBesidePulse("COMMIT") == SQLITE_OK) {
        return true;
    }
    // A commit that failed may leave the transaction open (a full disk); end it so the file
    // stays as it was before the bracket.
    if (!sqlite3_get_autocommit(m_db)) {
        ExecuteQuietly("ROLLBACK");
    }
    return false;
}

void CSqliteEngine::Rollback()
{
    if (m_inTransaction && m_db != nullptr && !sqlite3_get_autocommit(m_db)) {
        ExecuteQuietly("ROLLBACK");
    }
    m_inTransaction = false;
    m_upkeepDue = false;
}

qint64 CSqliteEngine::TotalChanges()
{
    return m_db != nullptr ? sqlite3_total_changes64(m_db) : 0;
}

std::optional<qint64> CSqliteEngine::DataVersion()
{
    const std::shared_ptr<CDbQuery> query = Cached(QStringLiteral("PRAGMA data_version"));
    if (query == nullptr || query->Next() != CDbQuery::Step::Row) {
        return std::nullopt;
    }
    const qint64 version = query->Int64(0);
    query->Reset();
    return version;
}

QSet<QString> CSqliteEngine::DateTimeColumns()
{
    if (m_dateColumnsKnown || !Open()) {
        return m_dateTimeColumns;
    }
    m_dateTimeColumns.clear();
    sqlite3_stmt* stmt = nullptr;
    const char* sql = "SELECT p.name, p.type FROM sqlite_master AS m, pragma_table_info(m.name) AS p "
                      "WHERE m.type = 'table'";
    if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const QString type = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
            if (type.contains(QLatin1String("DATE"), Qt::CaseInsensitive)) {
                m_dateTimeColumns.insert(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))).toLower());
            }
        }
    }
    sqlite3_finalize(stmt);
    m_dateColumnsKnown = true;
    return m_dateTimeColumns;
}

void CSqliteEngine::NoteSchemaChange()
{
    m_dateColumnsKnown = false;
    // Inside an operation the extra indexes wait for its commit: rows it adds to a table made
    // anew (a copy, a restore) then go in before them, and each index is built once.
    if (m_inTransaction) {
        m_upkeepDue = true;
        return;
    }
    if (m_db != nullptr && HoldsDataTables()) {
        ConfigureDataFile();
    }
}

sqlite3_stmt* CSqliteEngine::Prepare(const QString& sql, unsigned flags)
{
    if (!Open()) {
        return nullptr;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(m_db, utf8.constData(), static_cast<int>(utf8.size()), flags, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

std::shared_ptr<CDbQuery> CSqliteEngine::Cached(const QString& sql)
{
    if (const std::shared_ptr<CDbQuery> cached = m_statements.value(sql)) {
        cached->Reset();
        cached->ClearBindings();
        return cached;
    }
    sqlite3_stmt* stmt = Prepare(sql, SQLITE_PREPARE_PERSISTENT);
    if (stmt == nullptr) {
        return nullptr;
    }
    auto query = std::make_shared<CSqliteQuery>(stmt);
    m_statements.insert(sql, query);
    return query;
}

std::unique_ptr<CDbQuery> CSqliteEngine::Acquire(const QString& sql)
{
    const auto pooled = m_pool.find(sql);
    if (pooled != m_pool.end()) {
        std::unique_ptr<CDbQuery> query(pooled.value());
        m_pool.erase(pooled);
        return query;
    }
    sqlite3_stmt* stmt = Prepare(sql, 0);
    return stmt == nullptr ? nullptr : std::make_unique<CSqliteQuery>(stmt);
}

void CSqliteEngine::Release(const QString& sql, std::unique_ptr<CDbQuery> query)
{
    if (query == nullptr || m_db == nullptr || m_pool.size() >= kMaxPooledStatements) {
        return;
    }
    query->Reset();
    query->ClearBindings();
    m_pool.insert(sql, query.release());
}

// One prepared UPDATE per row: on a file a statement costs no round trip.
bool CSqliteEngine::UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                               const std::vector<std::vector<double>>& values)
{
    QStringList assignments;
    for (int i = 0; i < columns.size(); ++i) {
        assignments << QStringLiteral("%1 = ?%2").arg(Bracketed(columns[i])).arg(i + 1);
    }
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                            .arg(Bracketed(table), assignments.join(QLatin1String(", ")))
                            .arg(columns.size() + 1);
    const std::shared_ptr<CDbQuery> update = Cached(sql);
    if (update == nullptr) {
        return false;
    }
    for (size_t row = 0; row < rowIds.size(); ++row) {
        for (int i = 0; i < columns.size(); ++i) {
            update->Bind(i + 1, values[row][i]);
        }
        update->BindInt64(static_cast<int>(columns.size()) + 1, rowIds[row]);
        const CDbQuery::Step step = update->Next();
        update->Reset();
        if (step == CDbQuery::Step::Error) {
            return false;
        }
    }
    return true;
}

bool CSqliteEngine::WriteRunningTotal(const RunningTotal& total)
{
    return m_runningTotal.Write(*this, total);
}

std::optional<qint64> CSqliteEngine::ReadRows(const QString& table, const QStringList& columns, const RowSink& sink)
{
    QStringList names = {QStringLiteral("rowid")};
    for (const QString& column : columns) {
        names << Bracketed(column);
    }
    const std::unique_ptr<CDbQuery> rows =
        Acquire(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(names.join(QLatin1Char(',')), Bracketed(table)));
    if (rows == nullptr) {
        return std::nullopt;
    }
    std::vector<ColumnKind> kinds;
    for (int i = 0; i < columns.size(); ++i) {
        kinds.push_back(rows->Kind(i + 1));
    }
    std::vector<CDbVariant> values(columns.size());
    qint64 count = 0;
    CDbQuery::Step step = CDbQuery::Step::Done;
    while ((step = rows->Next()) == CDbQuery::Step::Row) {
        for (size_t i = 0; i < values.size(); ++i) {
            values[i] = rows->Value(static_cast<int>(i) + 1, kinds[i]);
        }
        ++count;
        if (!sink(rows->Int64(0), values)) {
            return std::nullopt;
        }
    }
    return step == CDbQuery::Step::Done ? std::optional<qint64>(count) : std::nullopt;
}

bool CSqliteEngine::BeginAppend(const QString& table, const QStringList& columns, const std::vector<ColumnKind>&)
{
    QStringList names = {QStringLiteral("rowid")};
    QStringList parameters = {QStringLiteral("?1")};
    for (int i = 0; i < columns.size(); ++i) {
        names << Bracketed(columns[i]);
        parameters << QStringLiteral("?%1").arg(i + 2);
    }
    m_append = Cached(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(Bracketed(table), names.join(QLatin1Char(',')), parameters.join(QLatin1Char(','))));
    m_appended = 0;
    m_appendFailed = m_append == nullptr;
    return !m_appendFailed;
}

bool CSqliteEngine::AppendRow(qint64 rowId, const std::vector<CDbVariant>& values)
{
    if (m_append == nullptr || m_appendFailed) {
        return false;
    }
    m_append->BindInt64(1, rowId);
    for (size_t i = 0; i < values.size(); ++i) {
        m_append->Bind(static_cast<int>(i) + 2, values[i]);
    }
    const CDbQuery::Step step = m_append->Next();
    m_append->Reset();
    m_appendFailed = step == CDbQuery::Step::Error;
    m_appended += m_appendFailed ? 0 : 1;
    return !m_appendFailed;
}

std::optional<qint64> CSqliteEngine::EndAppend(bool complete)
{
    const bool took = m_append != nullptr && !m_appendFailed && complete;
    m_append.reset();
    return took ? std::optional<qint64>(m_appended) : std::nullopt;
}
