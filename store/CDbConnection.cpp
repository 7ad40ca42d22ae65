#include "CDbConnection.h"

#include "ComIssueError.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace {
// Texts with literals in them vary without end; the caches start afresh when they are full.
constexpr int kMaxMappings = 512;
constexpr int kMaxPooledStatements = 64;

// Indexes beyond each table's PrimaryKey that the register, the reports and the recomputations
// read through. Created on every open so that older files gain them too.
const char* const kExtraIndexes[] = {
    "CREATE INDEX IF NOT EXISTS [TransItem_DateOrder] ON [TransItem] ([TransDate], [ItemOrder])",
    "CREATE INDEX IF NOT EXISTS [TransItem_ProductDate] ON [TransItem] ([ProductID], [TransDate])",
};
} // namespace

CDbConnection::CDbConnection(const QString& text) : m_text(text) {}

CDbConnection::~CDbConnection()
{
    Close();
}

void CDbConnection::Open(const QString& text)
{
    Close();
    m_text = text;
}

sqlite3* CDbConnection::Handle()
{
    if (m_db != nullptr || m_text.isEmpty()) {
        return m_db;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(m_text).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    m_db = db;
    sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
    // Connection settings only; they write nothing into the file.
    ExecuteQuietly("PRAGMA synchronous=NORMAL");
    ExecuteQuietly("PRAGMA foreign_keys=OFF");
    // A replay of a long history rewrites many pages in one transaction; keep them in memory.
    ExecuteQuietly("PRAGMA cache_size=-65536");
    m_dateColumnsKnown = false;
    // A file that is not ours (random bytes, another program's tables) is read but never written.
    if (HoldsDataTables()) {
        ConfigureDataFile();
    }
    return m_db;
}

bool CDbConnection::HoldsDataTables()
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

void CDbConnection::ConfigureDataFile()
{
    // The journal mode cannot change inside a transaction; a file created by us is WAL already.
    if (sqlite3_get_autocommit(m_db)) {
        ExecuteQuietly("PRAGMA journal_mode=WAL");
    }
    for (const char* sql : kExtraIndexes) {
        ExecuteQuietly(sql);
    }
}

void CDbConnection::ExecuteQuietly(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        ComIssueError(rc);
    }
}

void CDbConnection::Close()
{
    if (m_db == nullptr) {
        return;
    }
    // A bracket still open here was never confirmed: nothing of it may reach the file.
    if (m_inTransaction) {
        ExecuteQuietly("ROLLBACK");
        m_inTransaction = false;
    }
    m_depth = 0;
    for (sqlite3_stmt* stmt : std::as_const(m_statements)) {
        sqlite3_finalize(stmt);
    }
    m_statements.clear();
    for (sqlite3_stmt* stmt : std::as_const(m_pool)) {
        sqlite3_finalize(stmt);
    }
    m_pool.clear();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_dateColumnsKnown = false;
    ++m_generation;
}

bool CDbConnection::CreateDatabaseFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() || !QDir().mkpath(info.absolutePath())) {
        return false;
    }
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool created = rc == SQLITE_OK;
    if (created) {
        // Writing the journal mode makes the file a real SQLite file at once.
        created = sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3_close_v2(db);
    return created;
}

int CDbConnection::ExecuteChecked(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
    }
    return rc;
}

void CDbConnection::SetBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    if (m_db != nullptr) {
        sqlite3_busy_timeout(m_db, milliseconds);
    }
}

bool CDbConnection::BeginOperation()
{
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    sqlite3* db = Handle();
    if (db == nullptr) {
        m_lastError = QStringLiteral("the data file cannot be opened");
        return false;
    }
    const int rc = ExecuteChecked("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) {
        if ((rc & 0xff) == SQLITE_BUSY) {
            m_lastError = QStringLiteral("another program is writing the data file; try again");
        }
        return false;
    }
    m_inTransaction = true;
    m_depth = 1;
    return true;
}

bool CDbConnection::CommitOperation()
{
    if (m_depth == 0) {
        return false;
    }
    if (--m_depth > 0) {
        return true;
    }
    m_inTransaction = false;
    if (m_db == nullptr) {
        m_lastError = QStringLiteral("the data file was closed");
        return false;
    }
    if (ExecuteChecked("COMMIT") == SQLITE_OK) {
        return true;
    }
    // A commit that failed may leave the transaction open (a full disk); end it so the file
    // stays as it was before the bracket.
    if (!sqlite3_get_autocommit(m_db)) {
        ExecuteQuietly("ROLLBACK");
    }
    return false;
}

void CDbConnection::RollbackOperation()
{
    if (m_depth == 0 || --m_depth > 0) {
        return;
    }
    if (m_inTransaction && m_db != nullptr && !sqlite3_get_autocommit(m_db)) {
        ExecuteQuietly("ROLLBACK");
    }
    m_inTransaction = false;
}

qint64 CDbConnection::TotalChanges()
{
    return m_db != nullptr ? sqlite3_total_changes64(m_db) : 0;
}

std::optional<qint64> CDbConnection::DataVersion()
{
    sqlite3_stmt* stmt = CachedStatement(QStringLiteral("PRAGMA data_version"));
    if (stmt == nullptr || sqlite3_step(stmt) != SQLITE_ROW) {
        return std::nullopt;
    }
    const qint64 version = sqlite3_column_int64(stmt, 0);
    sqlite3_reset(stmt);
    return version;
}

bool CDbConnection::ChangedElsewhere()
{
    const std::optional<qint64> version = DataVersion();
    if (!version) {
        return false;
    }
    const bool changed = m_seenGeneration != m_generation || *version != m_seenDataVersion;
    m_seenGeneration = m_generation;
    m_seenDataVersion = *version;
    return changed;
}

bool CDbConnection::Attach(const QString& path, const QString& alias)
{
    if (Handle() == nullptr || m_depth > 0) {
        return false;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = QStringLiteral("ATTACH ?1 AS [%1]").arg(alias).toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return false;
    }
    const QByteArray file = QFile::encodeName(path);
    sqlite3_bind_text(stmt, 1, file.constData(), static_cast<int>(file.size()), SQLITE_TRANSIENT);
    const bool attached = sqlite3_step(stmt) == SQLITE_DONE;
    sqlite3_finalize(stmt);
    return attached;
}

void CDbConnection::Detach(const QString& alias)
{
    if (m_db != nullptr) {
        ExecuteQuietly(QStringLiteral("DETACH [%1]").arg(alias).toUtf8().constData());
    }
}

const QSet<QString>& CDbConnection::DateTimeColumns()
{
    if (m_dateColumnsKnown || Handle() == nullptr) {
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

void CDbConnection::NoteSchemaChange()
{
    m_dateColumnsKnown = false;
    m_mappings.clear();
    if (m_db != nullptr && HoldsDataTables()) {
        ConfigureDataFile();
    }
}

sqlite3_stmt* CDbConnection::CachedStatement(const QString& sql)
{
    if (Handle() == nullptr) {
        return nullptr;
    }
    if (sqlite3_stmt* cached = m_statements.value(sql)) {
        sqlite3_reset(cached);
        sqlite3_clear_bindings(cached);
        return cached;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(m_db, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_PREPARE_PERSISTENT, &stmt,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

SqlMapping CDbConnection::Map(const QString& statement)
{
    const QSet<QString>& dateColumns = DateTimeColumns();
    const auto found = m_mappings.constFind(statement);
    if (found != m_mappings.constEnd()) {
        return *found;
    }
    if (m_mappings.size() >= kMaxMappings) {
        m_mappings.clear();
    }
    const SqlMapping mapping = MapToSqlite(statement, dateColumns);
    // The date columns are only known once the file is open; map again after that.
    if (m_db != nullptr) {
        m_mappings.insert(statement, mapping);
    }
    return mapping;
}

sqlite3_stmt* CDbConnection::AcquireStatement(const QString& sql)
{
    if (Handle() == nullptr) {
        return nullptr;
    }
    const auto pooled = m_pool.find(sql);
    if (pooled != m_pool.end()) {
        sqlite3_stmt* stmt = pooled.value();
        m_pool.erase(pooled);
        return stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    return stmt;
}

void CDbConnection::ReleaseStatement(const QString& sql, sqlite3_stmt* stmt, quint64 generation)
{
    if (stmt == nullptr) {
        return;
    }
    if (generation != m_generation || m_db == nullptr || m_pool.size() >= kMaxPooledStatements) {
        sqlite3_finalize(stmt);
        return;
    }
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    m_pool.insert(sql, stmt);
}
