#include "CPgSession.h"

#include <poll.h>

#include <cerrno>

namespace {
const char* const kSavepoint = "SAVEPOINT quillet_statement";
const char* const kRelease = "RELEASE SAVEPOINT quillet_statement";
const char* const kChangedFlag = "SELECT coalesce(current_setting('quillet.changed', true), '')";
const char* const kConnectTimeoutSeconds = "10";
// How long one look at the socket waits before the pulse is called.
constexpr int kPulseWaitMs = 20;
} // namespace

bool PgSucceeded(const PGresult* result)
{
    const ExecStatusType status = PQresultStatus(result);
    return result != nullptr && (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK);
}

bool CPgSession::Connect(const QByteArray& conninfo, QString& error)
{
    Close();
    // A server that does not answer fails the connection within seconds, and a peer that went
    // away is noticed; the connection text's own settings come last and win.
    const bool timeoutSet = !qEnvironmentVariableIsEmpty("PGCONNECT_TIMEOUT");
    std::vector<const char*> keywords = {"keepalives", "keepalives_idle", "keepalives_interval", "keepalives_count"};
    std::vector<const char*> values = {"1", "30", "10", "3"};
    if (!timeoutSet) {
        keywords.push_back("connect_timeout");
        values.push_back(kConnectTimeoutSeconds);
    }
    keywords.push_back("dbname");
    values.push_back(conninfo.constData());
    keywords.push_back(nullptr);
    values.push_back(nullptr);
    m_conn = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (PQstatus(m_conn) != CONNECTION_OK) {
        error = ErrorText(nullptr);
        Close();
        return false;
    }
    return true;
}

void CPgSession::Close()
{
    if (m_conn != nullptr) {
        PQfinish(m_conn);
        m_conn = nullptr;
    }
}

bool CPgSession::InTransaction() const
{
    if (m_conn == nullptr) {
        return false;
    }
    const PGTransactionStatusType status = PQtransactionStatus(m_conn);
    return status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
}

QString CPgSession::ErrorText(const PGresult* result) const
{
    const char* text = result != nullptr && PQresultErrorMessage(result)[0] != '\0' ? PQresultErrorMessage(result)
                       : m_conn != nullptr                                          ? PQerrorMessage(m_conn)
                                                                                    : "out of memory";
    QString message = QString::fromUtf8(text).trimmed();
    if (message.startsWith(QLatin1String("ERROR:"))) {
        message = message.mid(6).trimmed();
    }
    return message.section(QLatin1Char('\n'), 0, 0);
}

void CPgSession::SendPlain(const char* sql)
{
    PQsendQueryParams(m_conn, sql, 0, nullptr, nullptr, nullptr, nullptr, 0);
}

// Waits until the next result can be read without blocking, pulsing meanwhile. Without a pulse,
// PQgetResult waits on its own. A connection that fails is left for PQgetResult to report.
void CPgSession::AwaitResult()
{
    if (!m_pulse || m_conn == nullptr || PQflush(m_conn) != 0) {
        return;
    }
    while (PQisBusy(m_conn)) {
        pollfd socket{PQsocket(m_conn), POLLIN, 0};
        if (socket.fd < 0) {
            return;
        }
        const int ready = poll(&socket, 1, kPulseWaitMs);
        if ((ready < 0 && errno != EINTR) || (ready > 0 && !PQconsumeInput(m_conn))) {
            return;
        }
        m_pulse();
    }
}

// The first result of each of the commands sent, up to the pipeline's sync.
std::vector<PgResult> CPgSession::Collect(int commands)
{
    std::vector<PgResult> results(commands);
    int command = 0;
    while (IsConnected() || command < commands) {
        AwaitResult();
        PGresult* result = PQgetResult(m_conn);
        if (result == nullptr) {
            if (++command > commands || !IsConnected()) {
                break;
            }
            continue;
        }
        if (PQresultStatus(result) == PGRES_PIPELINE_SYNC) {
            PQclear(result);
            break;
        }
        if (command < commands && results[command] == nullptr) {
            results[command].reset(result);
        } else {
            PQclear(result);
        }
    }
    PQexitPipelineMode(m_conn);
    return results;
}

void CPgSession::UndoFailure(Wrap wrap)
{
    if (!IsConnected()) {
        return;
    }
    if (wrap == Wrap::Savepoint) {
        Exec("ROLLBACK TO SAVEPOINT quillet_statement; RELEASE SAVEPOINT quillet_statement");
    } else if (wrap == Wrap::OwnTransaction && InTransaction()) {
        Exec("ROLLBACK");
    }
}

// Moves the first failed result of a pipeline into outcome; true when every command succeeded.
bool CPgSession::TakeFirstFailure(std::vector<PgResult>& results, Outcome& outcome)
{
    for (PgResult& result : results) {
        if (!PgSucceeded(result.get())) {
            outcome.result = std::move(result);
            return false;
        }
    }
    return true;
}

CPgSession::Outcome CPgSession::Run(const Command& command)
{
    Outcome outcome;
    if (!IsConnected() || !PQenterPipelineMode(m_conn)) {
        return outcome;
    }
    int sent = 0;
    if (command.wrap == Wrap::Savepoint) {
        SendPlain(kSavepoint);
        ++sent;
    } else if (command.wrap == Wrap::OwnTransaction) {
        SendPlain("BEGIN");
        ++sent;
    }
    const int count = static_cast<int>(command.values.size());
    std::vector<const char*> values(count);
    std::vector<int> lengths(count);
    for (int i = 0; i < count; ++i) {
        values[i] = command.nulls[i] ? nullptr : command.values[i].constData();
        lengths[i] = static_cast<int>(command.values[i].size());
    }
    if (command.prepare) {
        PQsendPrepare(m_conn, command.name.constData(), command.sql.constData(), count, command.types.data());
        ++sent;
    }
    const int statement = sent++;
    if (command.name.isEmpty()) {
        PQsendQueryParams(m_conn, command.sql.constData(), count, command.types.data(), values.data(), lengths.data(),
                          nullptr, 0);
    } else {
        PQsendQueryPrepared(m_conn, command.name.constData(), count, values.data(), lengths.data(), nullptr, 0);
    }
    for (const QByteArray& followUp : command.followUps) {
        SendPlain(followUp.constData());
        ++sent;
    }
    int flag = -1;
    if (command.wrap == Wrap::Savepoint) {
        SendPlain(kRelease);
        ++sent;
    } else if (command.wrap == Wrap::OwnTransaction) {
        flag = sent++;
        SendPlain(kChangedFlag);
        SendPlain("COMMIT");
        ++sent;
    }
    PQpipelineSync(m_conn);
    std::vector<PgResult> results = Collect(sent);
    outcome.ok = TakeFirstFailure(results, outcome);
    if (outcome.ok) {
        outcome.result = std::move(results[statement]);
        outcome.changedBook = flag >= 0 && results[flag] != nullptr && PQntuples(results[flag].get()) == 1 &&
                              QByteArray(PQgetvalue(results[flag].get(), 0, 0)) == "y";
    } else {
        UndoFailure(command.wrap);
    }
    return outcome;
}

CPgSession::Outcome CPgSession::Describe(const QByteArray& sql, Wrap wrap)
{
    Outcome outcome;
    if (!IsConnected() || !PQenterPipelineMode(m_conn)) {
        return outcome;
    }
    int sent = 0;
    if (wrap == Wrap::Savepoint) {
        SendPlain(kSavepoint);
        ++sent;
    }
    PQsendPrepare(m_conn, "", sql.constData(), 0, nullptr);
    PQsendDescribePrepared(m_conn, "");
    const int description = sent + 1;
    sent += 2;
    if (wrap == Wrap::Savepoint) {
        SendPlain(kRelease);
        ++sent;
    }
    PQpipelineSync(m_conn);
    std::vector<PgResult> results = Collect(sent);
    outcome.ok = TakeFirstFailure(results, outcome);
    if (outcome.ok) {
        outcome.result = std::move(results[description]);
    } else {
        UndoFailure(wrap);
    }
    return outcome;
}

std::vector<PgResult> CPgSession::Exec(const QByteArray& sql)
{
    std::vector<PgResult> results;
    if (m_conn == nullptr || !PQsendQuery(m_conn, sql.constData())) {
        return results;
    }
    for (AwaitResult(); PGresult* result = PQgetResult(m_conn); AwaitResult()) {
        results.emplace_back(result);
    }
    return results;
}

CPgSession::Outcome CPgSession::StartCopy(const QByteArray& sql)
{
    Outcome outcome;
    if (!IsConnected()) {
        return outcome;
    }
    m_copyWrap = InTransaction() ? Wrap::Savepoint : Wrap::None;
    if (m_copyWrap == Wrap::Savepoint) {
        std::vector<PgResult> saved = Exec(kSavepoint);
        if (saved.empty() || !PgSucceeded(saved.front().get())) {
            outcome.result = saved.empty() ? nullptr : std::move(saved.front());
            return outcome;
        }
    }
    outcome.result.reset(PQexec(m_conn, sql.constData()));
    const ExecStatusType status = PQresultStatus(outcome.result.get());
    outcome.ok = outcome.result != nullptr && (status == PGRES_COPY_IN || status == PGRES_COPY_OUT);
    if (!outcome.ok) {
        UndoFailure(m_copyWrap);
    }
    return outcome;
}

bool CPgSession::PutCopyData(const QByteArray& data)
{
    return IsConnected() && PQputCopyData(m_conn, data.constData(), static_cast<int>(data.size())) == 1;
}

CPgSession::Outcome CPgSession::EndCopyIn(const char* cancel)
{
    if (IsConnected()) {
        PQputCopyEnd(m_conn, cancel);
    }
    return FinishCopy();
}

int CPgSession::GetCopyRow(char** row)
{
    return IsConnected() ? PQgetCopyData(m_conn, row, 0) : -2;
}

void CPgSession::CancelCopyOut()
{
    if (PGcancel* cancel = PQgetCancel(m_conn)) {
        char error[256];
        PQcancel(cancel, error, sizeof error);
        PQfreeCancel(cancel);
    }
}

// The copy's result, then whatever else the server sends up to its end; the savepoint is let go
// of, or the failure undone.
CPgSession::Outcome CPgSession::FinishCopy()
{
    Outcome outcome;
    while (IsConnected()) {
        PGresult* result = PQgetResult(m_conn);
        if (result == nullptr) {
            break;
        }
        if (outcome.result == nullptr) {
            outcome.result.reset(result);
        } else {
            PQclear(result);
        }
    }
    outcome.ok = PgSucceeded(outcome.result.get());
    if (!outcome.ok) {
        UndoFailure(m_copyWrap);
    } else if (m_copyWrap == Wrap::Savepoint) {
        std::vector<PgResult> released = Exec(kRelease);
        outcome.ok = !released.empty() && PgSucceeded(released.front().get());
    }
    return outcome;
}
