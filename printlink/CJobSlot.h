#pragma once

#include "CSlotInput.h"

#include <QObject>
#include <QString>
#include <QTimer>

class IInvoicePrinter;
class QTcpSocket;

// How long the listener waits: the pause shown before and after each printed page, the silence
// after which a connection is closed, and the time a whole job may take to arrive (a peer that
// trickles a byte now and then would otherwise hold its slot for days).
struct ListenerTiming
{
    int pauseMs = 2000;
    int idleMs = 60000;
    int jobMs = 300000;
};

// One of the listener's connection slots and the status row it writes.
//
// A connection's job is answered "Message Received" as soon as it is whole, then printed from a
// copy after a pause, so a close during the pauses neither loses nor changes it; while a job is
// being printed the slot reads nothing more (the peer's further bytes wait in the socket) and stays
// taken, even when the peer has gone, until its last pause is over. A job beyond the limits is
// answered "Job refused: too large" and its connection closed; so is, silently, a connection
// idle for ListenerTiming::idleMs or whose job has not come whole within ListenerTiming::jobMs.
//
// The row keeps the last job's outcome (finished, failed with its reason, or refused) after its
// connection has ended, until the slot's next job; a failed job is kept too, for PrintAgain.
class CJobSlot final : public QObject
{
    Q_OBJECT

public:
    CJobSlot(int row, const ListenerTiming& timing, IInvoicePrinter& printer, QObject* parent);

    // Free: no connection. A slot keeps its connection until its job's last pause is over, even
    // when the peer has gone meanwhile.
    bool IsFree() const { return m_socket == nullptr; }
    // Takes a new connection (only when free); the slot owns it from now on.
    void Attach(QTcpSocket* socket);
    // Whether the slot's last job failed to print and may be printed again.
    bool HoldsFailedJob() const { return !m_failedJob.isEmpty(); }
    // Prints the held failed job again, unless a job of the slot is being printed; the row shows
    // the new outcome. False when there was nothing to print now.
    bool PrintAgain();

signals:
    void CaptionChanged(const QString& caption);
    void RowChanged(int row, const QString& text);
    // A connection of this slot has ended.
    void Closed();
    void PrintingChanged(bool printing);
    // A job of this slot could not be printed, or was refused: reason is the row's text after its
    // time stamp.
    void JobFailed(int row, const QString& reason);
    // The slot now holds a failed job for PrintAgain, or no longer does.
    void FailedJobHeld(int row, bool held);

private:
    enum class Stage
    {
        Idle,
        BeforePrinting,
        AfterPrinting,
    };

    void ReadAvailable();
    void StartJob(const QString& job);
    void Send(QStringView reply);
    void PauseOver();
    void PeerClosed();
    void EndWhenPeerGone();
    void RefuseJob();
    void EndConnection();
    void ReleaseSocket();
    void PrintJob(const QString& job);
    void SetFailedJob(const QString& job);

    int m_row;
    ListenerTiming m_timing;
    IInvoicePrinter& m_printer;
    QTcpSocket* m_socket = nullptr;
    CSlotInput m_input;
    Stage m_stage = Stage::Idle;
    bool m_peerClosed = false;
    QString m_job;
    QString m_lastOutcome; // the row of the slot's last job; empty before its first
    QString m_failedJob;
    QTimer m_pause;
    QTimer m_idle;
    QTimer m_jobDeadline;
};
