#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <libpq-fe.h>

#include <functional>
#include <memory>
#include <vector>

struct PgResultDeleter
{
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgResultDeleter>;

// One libpq connection and the way statements travel over it. Each statement goes in one round
// trip (a pipeline) with what must surround it:
// - inside a transaction, a savepoint, so that a failing statement is undone alone and the
//   transaction goes on, as it does on a file;
// - outside one, a statement that writes runs in a transaction of its own that also reports
//   whether it moved the book's change counter.
class CPgSession
{
public:
    enum class Wrap
    {
        None,
        Savepoint,
        OwnTransaction
    };
    struct Command
    {
        QByteArray sql;
        // A prepared statement's name; empty runs the text unprepared.
        QByteArray name;
        bool prepare = false;
        std::vector<Oid> types;
        std::vector<QByteArray> values;
        std::vector<bool> nulls;
        // Statements run right after it, under the same wrapping (a new table's trigger).
        QList<QByteArray> followUps;
        Wrap wrap = Wrap::None;
    };
    struct Outcome
    {
        // The statement's result, or the first error; null when the connection failed.
        PgResult result;
        bool ok = false;
        // Set when the command's own transaction moved the change counter.
        bool changedBook = false;
    };

    CPgSession() = default;
    ~CPgSession() { Close(); }
    CPgSession(const CPgSession&) = delete;
    CPgSession& operator=(const CPgSession&) = delete;

    // False, with the reason, when the server cannot be reached.
    bool Connect(const QByteArray& conninfo, QString& error);
    void Close();
    bool IsConnected() const { return m_conn != nullptr && PQstatus(m_conn) == CONNECTION_OK; }
    bool InTransaction() const;
    PGconn* Conn() const { return m_conn; }

    Outcome Run(const Command& command);
    // The columns and parameters of a statement, without running it.
    Outcome Describe(const QByteArray& sql, Wrap wrap);
    // Control statements (several, separated by ";"); the result of each, in order.
    std::vector<PgResult> Exec(const QByteArray& sql);

    // Called every few milliseconds while an answer of the server is awaited; empty stops it.
    void SetPulse(std::function<void()> pulse) { m_pulse = std::move(pulse); }
    // COPY ... FROM STDIN or TO STDOUT, which cannot travel in a pipeline: inside a transaction
    // under a savepoint like any statement. StartCopy is ok once the server is ready to copy.
    Outcome StartCopy(const QByteArray& sql);
    // One piece of a COPY FROM STDIN's data; false when the connection failed.
    bool PutCopyData(const QByteArray& data);
    // Ends a COPY FROM STDIN; with a reason, the server cancels it.
    Outcome EndCopyIn(const char* cancel = nullptr);
    // The next row of a COPY TO STDOUT in libpq's memory (free it with PQfreemem): its length,
    // -1 after the last, -2 when the connection failed.
    int GetCopyRow(char** row);
    // Asks the server to stop a COPY TO STDOUT early; rows already sent still arrive.
    void CancelCopyOut();
    // After the last row of a COPY TO STDOUT: the copy's own outcome.
    Outcome EndCopyOut() { return FinishCopy(); }

    // Why the connection or the last statement failed, as the server or libpq put it.
    QString ErrorText(const PGresult* result) const;

private:
    void SendPlain(const char* sql);
    std::vector<PgResult> Collect(int commands);
    static bool TakeFirstFailure(std::vector<PgResult>& results, Outcome& outcome);
    void UndoFailure(Wrap wrap);
    void AwaitResult();
    Outcome FinishCopy();

    PGconn* m_conn = nullptr;
    std::function<void()> m_pulse;
    Wrap m_copyWrap = Wrap::None;
};

// True when the result is a success of its kind.
bool PgSucceeded(const PGresult* result);
