#include "CDbConnection.h"

#include "BookAddress.h"
#include "CDbEngine.h"
#include "CPgEngine.h"
#include "CSqliteEngine.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {
// Texts with literals in them vary without end; the cache starts afresh when it is full.
constexpr int kMaxMappings = 512;
} // namespace

CDbConnection::CDbConnection() = default;

CDbConnection::CDbConnection(const QString& text) : m_text(text) {}

CDbConnection::~CDbConnection()
{
    Close();
}

bool CDbConnection::NamesServer(const QString& text)
{
    return KindOfBookAddress(text) == BookAddressKind::Server;
}

namespace {
// A refused address gets a file engine without a file: it opens nothing and creates nothing.
std::unique_ptr<CDbEngine> EngineFor(const QString& text)
{
    switch (KindOfBookAddress(text)) {
    case BookAddressKind::Server:
        return std::make_unique<CPgEngine>(ServerConnectionText(text));
    case BookAddressKind::Refused:
        return std::make_unique<CSqliteEngine>(QString());
    case BookAddressKind::File:
        break;
    }
    return std::make_unique<CSqliteEngine>(text);
}

bool Refused(const QString& text)
{
    return KindOfBookAddress(text) == BookAddressKind::Refused;
}
} // namespace

CDbEngine& CDbConnection::Engine()
{
    if (m_engine == nullptr) {
        m_engine = EngineFor(m_text);
        m_engine->SetLockWait(LockAttemptMs());
        if (m_heartbeat) {
            m_engine->SetPulse([this] { Pulse(); });
        }
    }
    return *m_engine;
}

void CDbConnection::Open(const QString& text)
{
    if (RefuseInHeartbeat()) {
        return;
    }
    Close();
    m_engine.reset();
    m_text = text;
}

bool CDbConnection::Connect()
{
    const bool open = Engine().Open();
    if (open && !m_wasOpen) {
        m_wasOpen = true;
        m_mappings.clear();
    }
    return open;
}

bool CDbConnection::IsOpen() const
{
    return m_engine != nullptr && m_engine->IsOpen();
}

sqlite3* CDbConnection::Handle()
{
    auto* file = dynamic_cast<CSqliteEngine*>(&Engine());
    return file != nullptr && Connect() ? file->Handle() : nullptr;
}

void CDbConnection::Close()
{
    if (!IsOpen() || RefuseInHeartbeat()) {
        return;
    }
    m_depth = 0;
    m_engine->Close();
    m_wasOpen = false;
    ++m_generation;
}

CDbConnection::Presence CDbConnection::BookPresence()
{
    if (Refused(m_text)) {
        return Presence::Unreachable;
    }
    switch (Engine().BookPresence()) {
    case CDbEngine::Presence::Present:
        return Presence::Present;
    case CDbEngine::Presence::Missing:
        return Presence::Missing;
    default:
        return Presence::Unreachable;
    }
}

// The location decides the engine: the connection may not point anywhere yet.
bool CDbConnection::CreateDatabase(const QString& location)
{
    if (Refused(location)) {
        return false;
    }
    const QString text = ServerConnectionText(location);
    return EngineFor(text)->CreateStore(text);
}

void CDbConnection::DiscardDatabase(const QString& location)
{
    if (!Refused(location)) {
        EngineFor(location)->DiscardStore(location);
    }
}

bool CDbConnection::BeginOperation(const LockWaiter& stillWaiting)
{
    // Joining the running operation from inside it would write in the middle of its statement.
    if (RefuseInHeartbeat()) {
        return false;
    }
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    return Begin([this] { return m_engine->Begin(); }, stillWaiting);
}

bool CDbConnection::BeginSnapshot()
{
    return !RefuseInHeartbeat() && m_depth == 0 && Begin([this] { return m_engine->BeginSnapshot(); }, {});
}

// Each attempt waits a short while in the engine, so the waiter is asked often enough to keep a
// window painting and to let a person give up.
bool CDbConnection::Begin(const std::function<bool()>& attempt, const LockWaiter& stillWaiting)
{
    m_waitError.clear();
    if (!Connect()) {
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (!attempt()) {
        if (!m_engine->LockBusy() || waited.elapsed() >= m_busyTimeoutMs) {
            return false;
        }
        if (stillWaiting && !stillWaiting(waited.elapsed())) {
            m_waitError = QStringLiteral("waiting for another program to finish saving was cancelled");
            return false;
        }
    }
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
    return Engine().Commit();
}

void CDbConnection::RollbackOperation()
{
    if (m_depth == 0 || --m_depth > 0) {
        return;
    }
    Engine().Rollback();
}

bool CDbConnection::CommitOutcomeUnknown() const
{
    return m_engine != nullptr && m_engine->CommitOutcomeUnknown();
}

QString CDbConnection::LastError() const
{
    if (!m_waitError.isEmpty()) {
        return m_waitError;
    }
    if (Refused(m_text)) {
        return RefusedAddressReason();
    }
    return m_engine != nullptr ? m_engine->LastError() : QStringLiteral("the data file cannot be opened");
}

qint64 CDbConnection::TotalChanges()
{
    return IsOpen() ? m_engine->TotalChanges() : 0;
}

bool CDbConnection::ChangedElsewhere()
{
    if (m_inHeartbeat || !Connect()) {
        return false;
    }
    const std::optional<qint64> version = m_engine->DataVersion();
    if (!version) {
        return false;
    }
    const bool changed = m_seenGeneration != m_generation || *version != m_seenDataVersion;
    m_seenGeneration = m_generation;
    m_seenDataVersion = *version;
    return changed;
}

int CDbConnection::LockAttemptMs() const
{
    return std::min(m_busyTimeoutMs, kLockAttemptMs);
}

void CDbConnection::SetBusyTimeout(int milliseconds)
{
    m_busyTimeoutMs = milliseconds;
    Engine().SetLockWait(LockAttemptMs());
}

void CDbConnection::SetInterruption(std::function<bool()> stop)
{
    Engine().SetInterruption(std::move(stop));
}

QSet<QString> CDbConnection::DateTimeColumns()
{
    return Engine().DateTimeColumns();
}

void CDbConnection::NoteSchemaChange()
{
    m_mappings.clear();
    Engine().NoteSchemaChange();
}

void CDbConnection::SetHeartbeat(Heartbeat heartbeat)
{
    m_heartbeat = std::move(heartbeat);
    m_sinceBeat.start();
    if (m_heartbeat) {
        Engine().SetPulse([this] { Pulse(); });
    } else if (m_engine != nullptr) {
        m_engine->SetPulse({});
    }
}

// The engine pulses every few milliseconds of work; the heartbeat goes at its own pace, and never
// into itself.
void CDbConnection::Pulse()
{
    if (m_inHeartbeat || !m_heartbeat || m_sinceBeat.elapsed() < kHeartbeatMs) {
        return;
    }
    m_inHeartbeat = true;
    m_heartbeat();
    m_inHeartbeat = false;
    m_sinceBeat.start();
}

bool CDbConnection::RefuseInHeartbeat()
{
    if (m_inHeartbeat) {
        m_waitError = QStringLiteral("the book is busy with another operation");
    }
    return m_inHeartbeat;
}

std::shared_ptr<CDbQuery> CDbConnection::CachedStatement(const QString& sql)
{
    return !m_inHeartbeat && Connect() ? m_engine->Cached(sql) : nullptr;
}

SqlMapping CDbConnection::Map(const QString& statement)
{
    // Finding the date columns may read the book; the statement itself is refused anyway.
    if (m_inHeartbeat) {
        return MapToSqlite(statement, {});
    }
    const QSet<QString> dateColumns = Connect() ? DateTimeColumns() : QSet<QString>();
    const auto found = m_mappings.constFind(statement);
    if (found != m_mappings.constEnd()) {
        return *found;
    }
    if (m_mappings.size() >= kMaxMappings) {
        m_mappings.clear();
    }
    const SqlMapping mapping = MapToSqlite(statement, dateColumns);
    // The date columns are only known once the book is open; map again after that.
    if (IsOpen()) {
        m_mappings.insert(statement, mapping);
    }
    return mapping;
}

std::unique_ptr<CDbQuery> CDbConnection::AcquireStatement(const QString& sql)
{
    return !m_inHeartbeat && Connect() ? m_engine->Acquire(sql) : nullptr;
}

void CDbConnection::ReleaseStatement(const QString& sql, std::unique_ptr<CDbQuery> query, quint64 generation)
{
    if (query != nullptr && generation == m_generation && IsOpen()) {
        m_engine->Release(sql, std::move(query));
    }
}

bool CDbConnection::UpdateRows(const QString& table, const QStringList& columns, const std::vector<qint64>& rowIds,
                               const std::vector<std::vector<double>>& values)
{
    return rowIds.empty() || (!m_inHeartbeat && Connect() && m_engine->UpdateRows(table, columns, rowIds, values));
}

bool CDbConnection::WriteRunningTotal(const RunningTotal& total)
{
    return !m_inHeartbeat && Connect() && m_engine->WriteRunningTotal(total);
}

std::optional<qint64> CDbConnection::ReadRows(const QString& table, const QStringList& columns, const RowSink& sink)
{
    return !m_inHeartbeat && Connect() ? m_engine->ReadRows(table, columns, sink) : std::nullopt;
}

bool CDbConnection::BeginAppend(const QString& table, const QStringList& columns, const std::vector<ColumnKind>& kinds)
{
    return !m_inHeartbeat && Connect() && m_engine->BeginAppend(table, columns, kinds);
}

bool CDbConnection::AppendRow(qint64 rowId, const std::vector<CDbVariant>& values)
{
    return m_engine->AppendRow(rowId, values);
}

std::optional<qint64> CDbConnection::EndAppend(bool complete)
{
    return m_engine->EndAppend(complete);
}
