#include "CPgEngine.h"

#include "CPgQuery.h"
#include "ComIssueError.h"
#include "PgColumns.h"
#include "PgCopyText.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtDebug>

#include <charconv>
#include <utility>

namespace {

// The rows a command wrote, as SQLite counts its changes: a SELECT's count of rows read is none.
qint64 RowsWritten(const PGresult* result)
{
    const QByteArray status(PQcmdStatus(const_cast<PGresult*>(result)));
    const bool writes = status.startsWith("INSERT ") || status.startsWith("UPDATE ") || status.startsWith("DELETE ") ||
                        status.startsWith("MERGE ");
    return writes ? QByteArray(PQcmdTuples(const_cast<PGresult*>(result))).toLongLong() : 0;
}
// The advisory lock of a book: this program's mark in the high half, the book's schema below.
constexpr qint64 kLockClass = 0x5155494CLL;
constexpr int kMaxRemembered = 512;
// How long a COMMIT whose answer was lost is looked up: the old session ends within that.
constexpr int kSettleAttempts = 100;
constexpr int kSettlePauseMs = 50;
// A server that answers at all refuses a connection (no such database) far sooner than this.
constexpr qint64 kNoAnswerMs = 3000;

const char* const kSessionSettings =
    "SET DateStyle = 'ISO, YMD'; SET extra_float_digits = 3; SET client_encoding = 'UTF8'; "
    "SET standard_conforming_strings = on; "
    "SET client_min_messages = 'warning'";

const char* const kSessionFacts =
    "SELECT current_schema(), (SELECT oid FROM pg_namespace WHERE nspname = current_schema()), "
    "(SELECT quote_ident(n.nspname) FROM pg_extension e JOIN pg_namespace n ON n.oid = e.extnamespace "
    "WHERE e.extname = 'citext'), "
    "coalesce((SELECT n.nspname = ANY(current_schemas(false)) FROM pg_extension e JOIN pg_namespace n "
    "ON n.oid = e.extnamespace WHERE e.extname = 'citext'), true)";

const char* const kCatalog = "SELECT c.oid, c.relname, a.attnum, a.attname, t.typname FROM pg_class c "
                             "JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped "
                             "JOIN pg_type t ON t.oid = a.atttypid "
                             "WHERE c.relnamespace = (SELECT oid FROM pg_namespace WHERE nspname = current_schema()) "
                             "AND c.relkind IN ('r', 'v', 'p') ORDER BY c.oid, a.attnum; "
                             "SELECT indexname FROM pg_indexes WHERE schemaname = current_schema()";

// What a new book needs besides its tables: the text type, the type of BIT columns, the change
// counter and the trigger function that moves it once per transaction.
const char* const kStoreObjects = R"(CREATE EXTENSION IF NOT EXISTS citext;
DO $$ BEGIN CREATE DOMAIN quillet_bit AS integer; EXCEPTION WHEN duplicate_object THEN NULL; END $$;
CREATE TABLE IF NOT EXISTS quillet_changes (changes bigint NOT NULL);
INSERT INTO quillet_changes SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM quillet_changes);
CREATE OR REPLACE FUNCTION quillet_bump() RETURNS void LANGUAGE plpgsql AS $f$
BEGIN
    IF coalesce(current_setting('quillet.changed', true), '') <> 'y' THEN
        UPDATE quillet_changes SET changes = changes + 1;
        PERFORM set_config('quillet.changed', 'y', true);
    END IF;
END $f$;
CREATE OR REPLACE FUNCTION quillet_note_change() RETURNS trigger LANGUAGE plpgsql AS $f$
BEGIN
    PERFORM quillet_bump();
    RETURN NULL;
END $f$)";

const char* const kFlagType = "quillet_bit";

// Indexes beyond each table's PrimaryKey, as on the file; nulls first, as the queries order.
const char* const kExtraIndexes[][2] = {
    {"TransItem_RegisterOrder",
     "CREATE INDEX \"TransItem_RegisterOrder\" ON \"TransItem\" (\"TransDate\" NULLS FIRST, \"ItemOrder\" NULLS "
     "FIRST, \"TransactionID\" NULLS FIRST, rowid NULLS FIRST)"},
    {"TransItem_ProductDate",
     "CREATE INDEX \"TransItem_ProductDate\" ON \"TransItem\" (\"ProductID\", \"TransDate\" NULLS FIRST, rowid)"},
};
// Indexes an index above replaced: dropped once their successor exists, so writes stop paying for them.
const char* const kRetiredIndexes[] = {"TransItem_DateOrder"};

bool AllSucceeded(const std::vector<PgResult>& results)
{
    if (results.empty()) {
        return false;
    }
    for (const PgResult& result : results) {
        if (!PgSucceeded(result.get())) {
            return false;
        }
    }
    return true;
}

QString Field(const PgResult& result, int row, int column)
{
    return QString::fromUtf8(PQgetvalue(result.get(), row, column));
}

ColumnKind KindOfType(const QString& type)
{
    if (type == QLatin1String("int2") || type == QLatin1String("int4") || type == QLatin1String("int8")) {
        return ColumnKind::Integer;
    }
    if (type == QLatin1String("float4") || type == QLatin1String("float8") || type == QLatin1String("numeric")) {
        return ColumnKind::Real;
    }
    if (type.startsWith(QLatin1String("timestamp")) || type == QLatin1String("date")) {
        return ColumnKind::DateTime;
    }
    if (type == QLatin1String("bool") || type == QLatin1String(kFlagType)) {
        return ColumnKind::Bool;
    }
    return ColumnKind::Text;
}

// A libpq connection string for the server of uri with another database.
QByteArray ConninfoFor(const QString& uri, const QString& database)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    PQfreemem(error);
    QByteArray conninfo;
    for (PQconninfoOption* option = options; option != nullptr && option->keyword != nullptr; ++option) {
        QByteArray value = option->val;
        if (QByteArray(option->keyword) == "dbname") {
            value = database.toUtf8();
        }
        if (!value.isEmpty()) {
            value.replace('\\', "\\\\").replace('\'', "\\'");
            conninfo += QByteArray(option->keyword) + "='" + value + "' ";
        }
    }
    PQconninfoFree(options);
    return conninfo;
}

QString DatabaseOf(const QString& uri)
{
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    PQfreemem(error);
    QString database;
    QString user;
    for (PQconninfoOption* option = options; option != nullptr && option->keyword != nullptr; ++option) {
        if (QByteArray(option->keyword) == "dbname") {
            database = QString::fromUtf8(option->val);
        } else if (QByteArray(option->keyword) == "user") {
            user = QString::fromUtf8(option->val);
        }
    }
    PQconninfoFree(options);
    return database.isEmpty() ? user : database;
}

QByteArray Literal(PGconn* conn, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    char* escaped = PQescapeLiteral(conn, utf8.constData(), utf8.size());
    const QByteArray literal = escaped != nullptr ? QByteArray(escaped) : QByteArray("NULL");
    PQfreemem(escaped);
    return literal;
}

// An array of texts as the server reads one: each element quoted, nulls bare.
QByteArray ArrayLiteral(const std::vector<QByteArray>& elements, const std::vector<bool>& nulls)
{
    QByteArray array = "{";
    for (size_t i = 0; i < elements.size(); ++i) {
        if (i > 0) {
            array += ',';
        }
        if (nulls[i]) {
            array += "NULL";
            continue;
        }
        QByteArray element = elements[i];
        array += '"' + element.replace('\\', "\\\\").replace('"', "\\\"") + '"';
    }
    return array + '}';
}

} // namespace

CPgEngine::~CPgEngine()
{
    Close();
}

bool CPgEngine::Open()
{
    if (m_session.IsConnected()) {
        return true;
    }
    // The writes of an operation whose connection was lost are lost with it; connecting again
    // before the operation ends would let the rest of it commit on its own.
    if (m_inOperation) {
        m_lastError = LostConnection();
        return false;
    }
    Close();
    if (!m_session.Connect(m_uri.toUtf8(), m_lastError)) {
        return false;
    }
    if (!Configure()) {
        m_session.Close();
        return false;
    }
    return true;
}

bool CPgEngine::Configure()
{
    const QByteArray settings =
        QByteArray(kSessionSettings) + "; SET lock_timeout = " + QByteArray::number(m_lockWaitMs);
    std::vector<PgResult> facts = m_session.Exec(settings + "; " + kSessionFacts);
    if (!AllSucceeded(facts) || PQntuples(facts.back().get()) != 1 || PQgetisnull(facts.back().get(), 0, 1)) {
        m_lastError = QStringLiteral("the database has no schema to hold a book");
        return false;
    }
    const PgResult& row = facts.back();
    m_schema = Field(row, 0, 0);
    m_lockKey = (kLockClass << 32) | Field(row, 0, 1).toLongLong();
    const QString textSchema = Field(row, 0, 2);
    m_textType = textSchema.isEmpty() ? QStringLiteral("citext") : textSchema + QLatin1String(".citext");
    if (Field(row, 0, 3) != QLatin1String("t") && !textSchema.isEmpty()) {
        // The text type's comparisons live beside it; without them names would compare with case.
        m_session.Exec("SELECT set_config('search_path', current_setting('search_path') || ', ' || " +
                       Literal(m_session.Conn(), textSchema) + ", false)");
    }
    if (!LoadCatalog()) {
        return false;
    }
    // A book made by other means gains what this program needs of it.
    if (HoldsBook() && !m_counterKnown) {
        PrepareStore(m_session);
        LoadCatalog();
    }
    EnsureExtraIndexes();
    return true;
}

bool CPgEngine::HoldsBook() const
{
    return m_catalog.HasTable(QStringLiteral("AutoNumber")) && m_catalog.HasTable(QStringLiteral("Item")) &&
           m_catalog.HasTable(QStringLiteral("TransItem"));
}

bool CPgEngine::LoadCatalog()
{
    std::vector<PgResult> results = m_session.Exec(kCatalog);
    if (!AllSucceeded(results) || results.size() != 2) {
        return false;
    }
    m_catalog.Clear();
    m_catalog.SetSchema(m_schema);
    const PgResult& columns = results[0];
    for (int row = 0; row < PQntuples(columns.get()); ++row) {
        m_catalog.AddColumn(Field(columns, row, 0).toUInt(), Field(columns, row, 1), Field(columns, row, 2).toInt(),
                            Field(columns, row, 3), KindOfType(Field(columns, row, 4)));
    }
    for (int row = 0; row < PQntuples(results[1].get()); ++row) {
        m_catalog.AddIndex(Field(results[1], row, 0));
    }
    m_counterKnown = m_catalog.HasTable(QStringLiteral("quillet_changes"));
    m_catalogKnown = true;
    m_mapped.clear();
    return true;
}

void CPgEngine::EnsureCatalog()
{
    if (!m_catalogKnown && m_session.IsConnected()) {
        LoadCatalog();
    }
}

void CPgEngine::EnsureExtraIndexes()
{
    EnsureCatalog();
    if (!m_catalog.HasTable(QStringLiteral("TransItem"))) {
        return;
    }
    bool changed = false;
    for (const auto& [name, sql] : kExtraIndexes) {
        if (!m_catalog.HasIndex(QString::fromLatin1(name))) {
            changed = RunNative(sql, {}) != nullptr || changed;
        }
    }
    for (const char* name : kRetiredIndexes) {
        if (m_catalog.HasIndex(QString::fromLatin1(name))) {
            changed = RunNative(QByteArray("DROP INDEX IF EXISTS \"") + name + '"', {}) != nullptr || changed;
        }
    }
    if (changed) {
        LoadCatalog();
    }
}

bool CPgEngine::PrepareStore(CPgSession& session)
{
    return AllSucceeded(session.Exec(kStoreObjects));
}

void CPgEngine::Close()
{
    m_inOperation = false;
    m_upkeepDue = false;
    if (m_session.InTransaction() && m_session.IsConnected()) {
        m_session.Exec("ROLLBACK");
    }
    m_cached.clear();
    m_prepared.clear();
    m_described.clear();
    m_mapped.clear();
    m_catalogKnown = false;
    m_session.Close();
}

CDbEngine::Presence CPgEngine::BookPresence()
{
    QElapsedTimer waited;
    waited.start();
    if (Open()) {
        for (const char* table : {"AutoNumber", "Item", "TransItem", "Categories", "Tax", "Vendor", "Customer"}) {
            if (m_catalog.HasTable(QString::fromLatin1(table))) {
                return Presence::Present;
            }
        }
        // Another program's tables are left alone: a book goes into a database of its own.
        if (m_catalog.TableNames() != QStringList{QStringLiteral("quillet_changes")} &&
            !m_catalog.TableNames().isEmpty()) {
            m_lastError = QStringLiteral("the database holds other tables than a book's");
            return Presence::Unreachable;
        }
        return Presence::Missing;
    }
    const QString reason = m_lastError;
    // A server that let the connection time out would only do so again for the server database.
    if (waited.elapsed() >= kNoAnswerMs) {
        return Presence::Unreachable;
    }
    CPgSession server;
    QString ignored;
    if (!server.Connect(ConninfoFor(m_uri, QStringLiteral("postgres")), ignored)) {
        return Presence::Unreachable;
    }
    std::vector<PgResult> found =
        server.Exec("SELECT 1 FROM pg_database WHERE datname = " + Literal(server.Conn(), DatabaseOf(m_uri)));
    m_lastError = reason;
    return AllSucceeded(found) && PQntuples(found.back().get()) == 0 ? Presence::Missing : Presence::Unreachable;
}

// The database itself is created when missing (in locale C); then the objects a
// book needs besides its tables. False when it holds a book already.
bool CPgEngine::CreateStore(const QString& location)
{
    CPgSession server;
    if (!server.Connect(ConninfoFor(location, QStringLiteral("postgres")), m_lastError)) {
        return false;
    }
    const QString database = DatabaseOf(location);
    std::vector<PgResult> found =
        server.Exec("SELECT 1 FROM pg_database WHERE datname = " + Literal(server.Conn(), database));
    if (!AllSucceeded(found)) {
        return false;
    }
    if (PQntuples(found.back().get()) == 0) {
        const QByteArray name = database.toUtf8();
        char* identifier = PQescapeIdentifier(server.Conn(), name.constData(), name.size());
        const QByteArray create = "CREATE DATABASE " + QByteArray(identifier) +
                                  " TEMPLATE template0 ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C'";
        PQfreemem(identifier);
        if (!AllSucceeded(server.Exec(create))) {
            m_lastError = QStringLiteral("the database %1 cannot be created").arg(database);
            return false;
        }
    }
    server.Close();
    CPgSession book;
    if (!book.Connect(location.toUtf8(), m_lastError)) {
        return false;
    }
    std::vector<PgResult> tables = book.Exec("SELECT 1 FROM pg_class WHERE relname = 'AutoNumber' AND relnamespace = "
                                             "(SELECT oid FROM pg_namespace WHERE nspname = current_schema())");
    return AllSucceeded(tables) && PQntuples(tables.back().get()) == 0 && PrepareStore(book);
}

QString CPgEngine::LostConnection() const
{
    return QStringLiteral("the connection to the server was lost: %1").arg(m_session.ErrorText(nullptr));
}

bool CPgEngine::Begin()
{
    if (!Open()) {
        return false;
    }
    m_lockBusy = false;
    // The transaction's id is the mark a COMMIT whose answer was lost is looked up by.
    const QByteArray begin =
        "BEGIN; SELECT pg_advisory_xact_lock(" + QByteArray::number(m_lockKey) + "), txid_current()::text";
    std::vector<PgResult> results = m_session.Exec(begin);
    // A connection the server ended since the last operation is opened again.
    if (!m_session.IsConnected() && Open()) {
        results = m_session.Exec(begin);
    }
    if (AllSucceeded(results) && results.size() == 2 && PQntuples(results[1].get()) == 1) {
        m_inOperation = true;
        m_operationXid = QByteArray(PQgetvalue(results[1].get(), 0, 1));
        m_operationBackend = PQbackendPID(m_session.Conn());
        return true;
    }
    const PGresult* failed = results.empty() ? nullptr : results.back().get();
    const char* state = failed != nullptr ? PQresultErrorField(failed, PG_DIAG_SQLSTATE) : nullptr;
    m_lockBusy = state != nullptr && QByteArray(state) == "55P03";
    m_lastError = m_lockBusy ? QStringLiteral("another program is writing the data file; try again")
                             : m_session.ErrorText(failed);
    Rollback();
    return false;
}

bool CPgEngine::BeginSnapshot()
{
    if (!Open()) {
        return false;
    }
    m_operationXid.clear();
    m_lockBusy = false;
    // The snapshot is taken by the transaction's first statement.
    const QByteArray begin = "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY; SELECT 1";
    std::vector<PgResult> results = m_session.Exec(begin);
    if (!m_session.IsConnected() && Open()) {
        results = m_session.Exec(begin);
    }
    if (AllSucceeded(results) && results.size() == 2) {
        // A reconnect in the middle would read another state.
        m_inOperation = true;
        return true;
    }
    m_lastError = m_session.ErrorText(results.empty() ? nullptr : results.back().get());
    Rollback();
    return false;
}

bool CPgEngine::Commit()
{
    m_commitUnknown = false;
    if (!m_session.IsConnected()) {
        m_inOperation = false;
        m_upkeepDue = false;
        m_lastError = LostConnection();
        return false;
    }
    if (std::exchange(m_upkeepDue, false)) {
        UpkeepSchema();
    }
    m_inOperation = false;
    std::vector<PgResult> results =
        m_session.Exec("SELECT coalesce(current_setting('quillet.changed', true), ''); COMMIT");
    const bool committed =
        results.size() == 2 && PgSucceeded(results[1].get()) && QByteArray(PQcmdStatus(results[1].get())) == "COMMIT";
    if (committed) {
        if (PQntuples(results[0].get()) == 1 && QByteArray(PQgetvalue(results[0].get(), 0, 0)) == "y") {
            ++m_ownChanges;
        }
        return true;
    }
    const PGresult* failed = nullptr;
    for (const PgResult& result : results) {
        if (failed == nullptr && !PgSucceeded(result.get())) {
            failed = result.get();
        }
    }
    if (!m_session.IsConnected()) {
        // The COMMIT may have reached the server before the connection went: ask again.
        m_lastError = LostConnection();
        return SettleLostCommit();
    }
    m_lastError = failed != nullptr || results.size() != 2 ? m_session.ErrorText(failed)
                                                           : QStringLiteral("the server rolled the operation back");
    Rollback();
    return false;
}

bool CPgEngine::SettleLostCommit()
{
    const QString lost = m_lastError;
    m_commitUnknown = true;
    const QByteArray operationXid = std::exchange(m_operationXid, QByteArray());
    if (operationXid.isEmpty() || !Open()) {
        m_lastError = lost;
        return false;
    }
    // The old session may not have noticed yet that its client is gone; while its transaction is
    // open it is ended, which settles it either way (a commit under way finishes first).
    const QByteArray xid = Literal(m_session.Conn(), QString::fromLatin1(operationXid));
    const QByteArray status = "SELECT txid_status(" + xid + "::bigint)";
    const QByteArray endOld =
        "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid = " + QByteArray::number(m_operationBackend) +
        " AND backend_xid::text = (" + xid + "::bigint % 4294967296)::text";
    QByteArray answer;
    for (int attempt = 0; attempt < kSettleAttempts; ++attempt) {
        std::vector<PgResult> results = m_session.Exec(status);
        if (!AllSucceeded(results) || PQntuples(results.back().get()) != 1) {
            break;
        }
        answer = PQgetvalue(results.back().get(), 0, 0);
        if (answer != "in progress") {
            break;
        }
        if (attempt == kSettleAttempts / 4) {
            m_session.Exec(endOld);
        }
        QThread::msleep(kSettlePauseMs);
    }
    m_lastError = lost;
    if (answer == "committed") {
        m_commitUnknown = false;
        qDebug().noquote() << "server: the answer to COMMIT was lost; the operation was saved";
        return true;
    }
    m_commitUnknown = answer != "aborted";
    return false;
}

void CPgEngine::Rollback()
{
    m_inOperation = false;
    m_upkeepDue = false;
    if (m_session.IsConnected() && m_session.InTransaction()) {
        m_session.Exec("ROLLBACK");
    }
}

std::optional<qint64> CPgEngine::DataVersion()
{
    if (!Open() || !m_counterKnown) {
        return std::nullopt;
    }
    const std::shared_ptr<CDbQuery> counter = Cached(QStringLiteral("SELECT changes FROM quillet_changes"));
    if (counter == nullptr || counter->Next() != CDbQuery::Step::Row) {
        return std::nullopt;
    }
    const qint64 changes = counter->Int64(0);
    counter->Reset();
    return changes - m_ownChanges;
}

void CPgEngine::SetLockWait(int milliseconds)
{
    m_lockWaitMs = milliseconds;
    if (m_session.IsConnected()) {
        m_session.Exec("SET lock_timeout = " + QByteArray::number(milliseconds));
    }
}

QSet<QString> CPgEngine::DateTimeColumns()
{
    EnsureCatalog();
    return m_catalog.DateTimeColumns();
}

void CPgEngine::NoteSchemaChange()
{
    m_catalogKnown = false;
    m_described.clear();
    // Inside an operation the extra indexes and statistics wait for its commit: rows it adds to
    // a table made anew (a copy, a restore) then go in before them, and the work is done once.
    if (m_inOperation) {
        m_upkeepDue = true;
        return;
    }
    UpkeepSchema();
}

void CPgEngine::UpkeepSchema()
{
    if (m_session.IsConnected()) {
        EnsureExtraIndexes();
        // Tables made anew (a reset, a restore, a copied book) have no statistics yet; without
        // them the server would scan a whole history to find one product's rows.
        QStringList tables;
        for (const QString& table : m_catalog.TableNames()) {
            tables << PgQuoted(table);
        }
        if (!tables.isEmpty()) {
            RunNative("ANALYZE " + tables.join(QLatin1String(", ")).toUtf8(), {});
        }
    }
}

std::shared_ptr<const PgStatement> CPgEngine::Mapped(const QString& sql)
{
    EnsureCatalog();
    if (const auto found = m_mapped.constFind(sql); found != m_mapped.constEnd()) {
        return *found;
    }
    if (m_mapped.size() >= kMaxRemembered) {
        m_mapped.clear();
    }
    auto statement = std::make_shared<const PgStatement>(MapToPostgres(sql, m_catalog, m_textType, kFlagType));
    m_mapped.insert(sql, statement);
    return statement;
}

std::shared_ptr<CDbQuery> CPgEngine::Cached(const QString& sql)
{
    if (!Open()) {
        return nullptr;
    }
    if (const std::shared_ptr<CPgQuery> cached = m_cached.value(sql)) {
        cached->Reset();
        cached->ClearBindings();
        return cached;
    }
    auto query = std::make_shared<CPgQuery>(*this, Mapped(sql), true);
    m_cached.insert(sql, query);
    return query;
}

std::unique_ptr<CDbQuery> CPgEngine::Acquire(const QString& sql)
{
    if (!Open()) {
        return nullptr;
    }
    return std::make_unique<CPgQuery>(*this, Mapped(sql), false);
}

CPgSession::Wrap CPgEngine::WrapFor(const PgStatement& statement) const
{
    if (m_session.InTransaction()) {
        return CPgSession::Wrap::Savepoint;
    }
    return !statement.returnsRows && m_counterKnown ? CPgSession::Wrap::OwnTransaction : CPgSession::Wrap::None;
}

PgResult CPgEngine::Run(const CPgQuery& query, qint64& changes)
{
    changes = 0;
    const PgStatement& statement = query.Statement();
    CPgSession::Command command = query.BoundValues();
    command.sql = statement.sql.toUtf8();
    command.wrap = WrapFor(statement);
    QString key;
    if (query.IsReused()) {
        // A statement is prepared once for each set of value types bound to it.
        key = statement.sql;
        for (const Oid type : command.types) {
            key += QLatin1Char('|') + QString::number(type);
        }
        command.name = m_prepared.value(key);
        command.prepare = command.name.isEmpty();
        if (command.prepare) {
            command.name = "quillet_" + QByteArray::number(++m_nextName);
        }
    }
    if (!statement.createdTable.isEmpty() && m_counterKnown) {
        command.followUps << "CREATE TRIGGER quillet_changed AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON " +
                                 statement.createdTable.toUtf8() +
                                 " FOR EACH STATEMENT EXECUTE FUNCTION quillet_note_change()";
    }
    if (statement.changesSchema && m_counterKnown) {
        command.followUps << "SELECT quillet_bump()";
    }
    CPgSession::Outcome outcome = m_session.Run(command);
    // Outside an operation, a read on a connection the server ended meanwhile is tried again on
    // a new one; a write is not, as it may have taken effect.
    if (!outcome.ok && !m_session.IsConnected() && !m_inOperation && statement.returnsRows && Open()) {
        return Run(query, changes);
    }
    if (!outcome.ok) {
        ComIssueError(kErrorServer);
        qDebug().noquote() << "server:" << m_session.ErrorText(outcome.result.get());
        return nullptr;
    }
    if (command.prepare) {
        m_prepared.insert(key, command.name);
    }
    changes = RowsWritten(outcome.result.get());
    m_totalChanges += changes + (statement.changesSchema ? 1 : 0);
    m_ownChanges += outcome.changedBook ? 1 : 0;
    if (statement.changesSchema) {
        m_catalogKnown = false;
    }
    return std::move(outcome.result);
}

PgResult CPgEngine::RunNative(const QByteArray& sql, const CPgSession::Command& values)
{
    auto statement = std::make_shared<PgStatement>();
    statement->sql = QString::fromUtf8(sql);
    statement->returnsRows = sql.startsWith("SELECT");
    CPgQuery query(*this, std::move(statement), true);
    for (size_t i = 0; i < values.values.size(); ++i) {
        query.Bind(static_cast<int>(i) + 1, CDbVariant(QString::fromUtf8(values.values[i])));
    }
    qint64 changes = 0;
    return Run(query, changes);
}

std::shared_ptr<const PgColumns> CPgEngine::Columns(const PgStatement& statement)
{
    if (const auto found = m_described.constFind(statement.sql); found != m_described.constEnd()) {
        return *found;
    }
    CPgSession::Outcome outcome = m_session.Describe(
        statement.sql.toUtf8(), m_session.InTransaction() ? CPgSession::Wrap::Savepoint : CPgSession::Wrap::None);
    if (!outcome.ok && !m_session.IsConnected() && !m_inOperation && Open()) {
        return Columns(statement);
    }
    if (!outcome.ok) {
        ComIssueError(kErrorServer);
        qDebug().noquote() << "server:" << m_session.ErrorText(outcome.result.get());
        return nullptr;
    }
    std::shared_ptr<const PgColumns> columns = ColumnsOf(outcome.result.get());
    if (m_described.size() >= kMaxRemembered) {
        m_described.clear();
    }
    m_described.insert(statement.sql, columns);
    return columns;
}

std::shared_ptr<const PgColumns> CPgEngine::ColumnsOf(const PGresult* result)
{
    auto columns = std::make_shared<PgColumns>();
    for (int i = 0; i < PQnfields(result); ++i) {
        const Oid tableId = PQftable(result, i);
        // A table another program created anew since the catalog was read.
        if (tableId != InvalidOid && m_catalog.FindById(tableId) == nullptr) {
            LoadCatalog();
        }
        const CPgCatalog::Table* table = m_catalog.FindById(tableId);
        const QString origin = table != nullptr ? table->byNumber.value(PQftablecol(result, i)) : QString();
        columns->names << QString::fromUtf8(PQfname(result, i));
        columns->kinds << (table != nullptr && !origin.isEmpty() ? CPgCatalog::KindOf(*table, origin)
                                                                 : ColumnKind::Any);
        columns->tables << (origin.isEmpty() ? QString() : table->name);
        columns->origins << origin;
        columns->types << PQftype(result, i);
    }
    return columns;
}

qint64 CPgEngine::LastInsertRowId()
{
    const PgResult last = RunNative("SELECT lastval()", {});
    return last != nullptr && PQntuples(last.get()) == 1 ? QByteArray(PQgetvalue(last.get(), 0, 0)).toLongLong() : 0;
}

bool CPgEngine::UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                           const std::vector<std::vector<double>>& values)
{
    QStringList assignments;
    QStringList arrays = {QStringLiteral("$1::bigint[]")};
    QStringList names = {QStringLiteral("id")};
    for (int i = 0; i < columns.size(); ++i) {
        assignments << QStringLiteral("%1 = u.v%2").arg(PgQuoted(m_catalog.Canonical(columns[i]))).arg(i);
        arrays << QStringLiteral("$%1::double precision[]").arg(i + 2);
        names << QStringLiteral("v%1").arg(i);
    }
    const QString sql = QStringLiteral("UPDATE %1 AS t SET %2 FROM unnest(%3) AS u(%4) WHERE t.rowid = u.id")
                            .arg(PgQuoted(m_catalog.Canonical(table)), assignments.join(QLatin1String(", ")),
                                 arrays.join(QLatin1String(", ")), names.join(QLatin1String(", ")));
    CPgSession::Command arguments;
    std::vector<QByteArray> ids;
    for (const qint64 id : rowIds) {
        ids.push_back(QByteArray::number(id));
    }
    const std::vector<bool> noNulls(rowIds.size(), false);
    arguments.values.push_back(ArrayLiteral(ids, noNulls));
    for (int i = 0; i < columns.size(); ++i) {
        std::vector<QByteArray> column;
        for (const std::vector<double>& row : values) {
            column.push_back(StoredText(CDbVariant(row[i])).toLatin1());
        }
        arguments.values.push_back(ArrayLiteral(column, noNulls));
    }
    return RunNative(sql.toUtf8(), arguments) != nullptr;
}

// The planner, left to itself, sorts every row for the window and hashes the whole table for the
// join, which costs about half again what the UPDATE itself does. The register's index gives the
// order already, and each row is reached again by its physical place (ctid) in one look-up, so
// hash and merge joins and sorting are switched off for this one statement, and so is JIT, which
// the join's estimate would set compiling for longer than the statement then runs.
bool CPgEngine::WriteRunningTotal(const RunningTotal& total)
{
    const int start = static_cast<int>(total.parameters.size()) + 1;
    const QString sql =
        QStringLiteral("UPDATE %1 AS t SET %2 = r.v FROM (SELECT ctid AS tid, (CAST(?%3 AS DOUBLE PRECISION) + "
                       "SUM(%4) OVER (ORDER BY %5 ROWS UNBOUNDED PRECEDING)) / CAST(?%6 AS DOUBLE PRECISION) AS v "
                       "FROM %1%7) AS r WHERE t.ctid = r.tid AND t.%2 IS DISTINCT FROM r.v")
            .arg(total.table, total.column)
            .arg(start)
            .arg(total.amount, total.order.join(QLatin1String(", ")))
            .arg(start + 1)
            .arg(total.filter.isEmpty() ? QString() : QStringLiteral(" WHERE (%1)").arg(total.filter));
    const std::shared_ptr<CDbQuery> update = Cached(sql);
    if (update == nullptr) {
        return false;
    }
    for (size_t i = 0; i < total.parameters.size(); ++i) {
        update->Bind(static_cast<int>(i) + 1, total.parameters[i]);
    }
    update->Bind(start, total.start);
    update->Bind(start + 1, total.divisor);

    static const QByteArrayList kSteered = {"enable_hashjoin", "enable_mergejoin", "enable_sort", "jit"};
    QByteArrayList read;
    QByteArrayList steer;
    QByteArrayList restore;
    for (int i = 0; i < kSteered.size(); ++i) {
        read << "current_setting('" + kSteered[i] + "')";
        steer << "set_config('" + kSteered[i] + "', 'off', true)";
        restore << "set_config('" + kSteered[i] + "', $" + QByteArray::number(i + 1) + ", true)";
    }
    const PgResult before = RunNative("SELECT " + read.join(", "), {});
    CPgSession::Command previous;
    if (before != nullptr && PQntuples(before.get()) == 1) {
        for (int i = 0; i < kSteered.size(); ++i) {
            previous.values.push_back(PQgetvalue(before.get(), 0, i));
        }
        RunNative("SELECT " + steer.join(", "), {});
    }
    const CDbQuery::Step step = update->Next();
    update->Reset();
    update->ClearBindings();
    if (!previous.values.empty()) {
        RunNative("SELECT " + restore.join(", "), previous);
    }
    return step != CDbQuery::Step::Error;
}

void CPgEngine::ReportFailure(const PGresult* result)
{
    ComIssueError(kErrorServer);
    qDebug().noquote() << "server:" << m_session.ErrorText(result);
}

std::optional<qint64> CPgEngine::ReadRows(const QString& table, const QStringList& columns, const RowSink& sink)
{
    if (!Open()) {
        return std::nullopt;
    }
    EnsureCatalog();
    const CPgCatalog::Table* stored = m_catalog.Find(table);
    if (stored == nullptr) {
        return std::nullopt;
    }
    QStringList names = {CPgCatalog::kRowId};
    std::vector<ColumnKind> kinds;
    for (const QString& column : columns) {
        names << PgQuoted(m_catalog.Canonical(column));
        kinds.push_back(CPgCatalog::KindOf(*stored, m_catalog.Canonical(column)));
    }
    // Streamed: the rows never wait whole in memory, and the server sends while they are stored.
    const QString copy = QStringLiteral("COPY (SELECT %1 FROM %2 ORDER BY rowid) TO STDOUT")
                             .arg(names.join(QLatin1String(", ")), PgQuoted(m_catalog.Canonical(table)));
    const CPgSession::Outcome started = m_session.StartCopy(copy.toUtf8());
    if (!started.ok) {
        ReportFailure(started.result.get());
        return std::nullopt;
    }
    std::vector<CopyField> fields;
    std::vector<CDbVariant> values(columns.size());
    qint64 count = 0;
    bool stopped = false;
    char* row = nullptr;
    int length = 0;
    while ((length = m_session.GetCopyRow(&row)) >= 0) {
        if (!stopped) {
            SplitCopyRow(row, length, fields);
            stopped = fields.size() != values.size() + 1;
            for (size_t i = 0; !stopped && i < values.size(); ++i) {
                const CopyField& field = fields[i + 1];
                values[i] = field.null ? CDbVariant() : CPgQuery::ValueOfText(field.text, InvalidOid, kinds[i]);
            }
            qint64 rowId = 0;
            const QByteArray& id = fields[0].text;
            stopped = stopped || std::from_chars(id.constData(), id.constData() + id.size(), rowId).ec != std::errc() ||
                      !sink(rowId, values);
            ++count;
            if (stopped) {
                m_session.CancelCopyOut();
            }
        }
        PQfreemem(row);
    }
    const CPgSession::Outcome ended = m_session.EndCopyOut();
    if (!ended.ok || length != -1) {
        ReportFailure(ended.result.get());
        return std::nullopt;
    }
    // Every row the server sent was taken.
    if (stopped || QByteArray(PQcmdTuples(ended.result.get())).toLongLong() != count) {
        return std::nullopt;
    }
    return count;
}

bool CPgEngine::BeginAppend(const QString& table, const QStringList& columns, const std::vector<ColumnKind>&)
{
    m_appendTable.clear();
    m_appendData.clear();
    m_appendRows = 0;
    m_appendFailed = false;
    if (!Open()) {
        return false;
    }
    EnsureCatalog();
    QStringList targets = {CPgCatalog::kRowId};
    for (const QString& column : columns) {
        targets << PgQuoted(m_catalog.Canonical(column));
    }
    const QString name = PgQuoted(m_catalog.Canonical(table));
    const QString copy = QStringLiteral("COPY %1 (%2) FROM STDIN").arg(name, targets.join(QLatin1String(", ")));
    const CPgSession::Outcome started = m_session.StartCopy(copy.toUtf8());
    if (!started.ok) {
        ReportFailure(started.result.get());
        return false;
    }
    m_appendTable = name;
    return true;
}

// Pieces of this size keep both ends busy: the server parses one while the next is built.
constexpr qsizetype kCopyPieceBytes = 256 * 1024;

bool CPgEngine::FlushAppend()
{
    if (!m_appendData.isEmpty() && !m_session.PutCopyData(m_appendData)) {
        m_appendFailed = true;
    }
    m_appendData.clear();
    return !m_appendFailed;
}

bool CPgEngine::AppendRow(qint64 rowId, const std::vector<CDbVariant>& values)
{
    if (m_appendTable.isEmpty() || m_appendFailed) {
        return false;
    }
    m_appendData += QByteArray::number(rowId);
    for (const CDbVariant& value : values) {
        m_appendData += '\t';
        AppendCopyField(m_appendData, value);
    }
    m_appendData += '\n';
    ++m_appendRows;
    return m_appendData.size() < kCopyPieceBytes || FlushAppend();
}

std::optional<qint64> CPgEngine::EndAppend(bool complete)
{
    if (m_appendTable.isEmpty()) {
        return std::nullopt;
    }
    const QString name = std::exchange(m_appendTable, QString());
    complete = complete && FlushAppend();
    const CPgSession::Outcome ended = m_session.EndCopyIn(complete ? nullptr : "the copy was given up");
    m_appendData.clear();
    if (!ended.ok) {
        if (complete) {
            ReportFailure(ended.result.get());
        }
        return std::nullopt;
    }
    const qint64 copied = QByteArray(PQcmdTuples(ended.result.get())).toLongLong();
    m_totalChanges += copied;
    // Rows added later take identities after the copied ones.
    const QString follow = QStringLiteral("SELECT setval(pg_get_serial_sequence($1, 'rowid'), m) FROM (SELECT "
                                          "max(rowid) AS m FROM %1) AS s WHERE m IS NOT NULL")
                               .arg(name);
    CPgSession::Command tableName;
    tableName.values.push_back(name.toUtf8());
    if (!complete || RunNative(follow.toUtf8(), tableName) == nullptr) {
        return std::nullopt;
    }
    return copied;
}
