#include "CJobSlot.h"

#include "IInvoicePrinter.h"
#include "PrintJobWire.h"
#include "SocketClosing.h"
#include "StatusTexts.h"

#include <QDateTime>
#include <QTcpSocket>

namespace {

// One receive takes at most this much; the socket itself buffers little more, so a peer that
// sends while its job prints is held back by TCP rather than by our memory.
constexpr qint64 kReceiveBytes = 10000;
constexpr qint64 kSocketBufferBytes = 16384;

} // namespace

CJobSlot::CJobSlot(int row, const ListenerTiming& timing, IInvoicePrinter& printer, QObject* parent)
    : QObject(parent), m_row(row), m_timing(timing), m_printer(printer)
{
    m_pause.setSingleShot(true);
    m_idle.setSingleShot(true);
    m_jobDeadline.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &CJobSlot::PauseOver);
    connect(&m_idle, &QTimer::timeout, this, &CJobSlot::EndConnection);
    connect(&m_jobDeadline, &QTimer::timeout, this, &CJobSlot::EndConnection);
}

void CJobSlot::Attach(QTcpSocket* socket)
{
    m_socket = socket;
    m_socket->setParent(this);
    m_socket->setReadBufferSize(kSocketBufferBytes);
    m_input.Reset();
    m_peerClosed = false;
    connect(m_socket, &QTcpSocket::readyRead, this, &CJobSlot::ReadAvailable);
    connect(m_socket, &QTcpSocket::disconnected, this, &CJobSlot::PeerClosed);
    emit CaptionChanged(StatusTexts::kConnectedCaption.toString());
    emit RowChanged(m_row, StatusTexts::kConnectedRow.toString());
    m_idle.start(m_timing.idleMs);
    m_jobDeadline.start(m_timing.jobMs);
    // Bytes, or even the close, may have come before the signals were connected.
    ReadAvailable();
    if (m_socket != nullptr && m_socket->state() == QAbstractSocket::UnconnectedState) {
        PeerClosed();
    }
}

void CJobSlot::ReadAvailable()
{
    if (m_socket == nullptr || m_stage != Stage::Idle) {
        return;
    }
    m_idle.start(m_timing.idleMs);
    while (m_socket->bytesAvailable() > 0) {
        switch (m_input.Feed(m_socket->read(kReceiveBytes))) {
        case CSlotInput::Outcome::NeedMore:
            break;
        case CSlotInput::Outcome::JobComplete:
            StartJob(m_input.TakeJob());
            return;
        case CSlotInput::Outcome::TooLarge:
            RefuseJob();
            return;
        }
    }
}

void CJobSlot::StartJob(const QString& job)
{
    m_job = job;
    m_lastOutcome.clear();
    SetFailedJob(QString());
    m_idle.stop();
    m_jobDeadline.stop();
    Send(PrintJobWire::kReceivedReply);
    m_stage = Stage::BeforePrinting;
    emit PrintingChanged(true);
    emit RowChanged(m_row, StatusTexts::SendingRow(QDateTime::currentDateTime()));
    m_pause.start(m_timing.pauseMs);
}

void CJobSlot::Send(QStringView reply)
{
    // A peer that has already closed gets nothing.
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        m_socket->write(PrintJobWire::EncodeText(reply));
    }
}

void CJobSlot::PauseOver()
{
    if (m_stage == Stage::BeforePrinting) {
        PrintJob(m_job);
        m_job.clear();
        m_stage = Stage::AfterPrinting;
        m_pause.start(m_timing.pauseMs);
        return;
    }
    m_stage = Stage::Idle;
    emit PrintingChanged(false);
    m_jobDeadline.start(m_timing.jobMs);
    // What came in meanwhile may be the next job, or the rest of the connection before its close.
    ReadAvailable();
    EndWhenPeerGone();
}

void CJobSlot::PrintJob(const QString& job)
{
    const PrintOutcome outcome = m_printer.PrintingInvoice(job);
    m_lastOutcome = StatusTexts::FinishedRow(QDateTime::currentDateTime(), outcome);
    emit RowChanged(m_row, m_lastOutcome);
    SetFailedJob(outcome.printed ? QString() : job);
    if (!outcome.printed) {
        emit JobFailed(m_row, StatusTexts::FailureText(outcome));
    }
}

bool CJobSlot::PrintAgain()
{
    if (m_failedJob.isEmpty() || m_stage != Stage::Idle) {
        return false;
    }
    PrintJob(m_failedJob);
    return true;
}

void CJobSlot::SetFailedJob(const QString& job)
{
    const bool held = !job.isEmpty();
    const bool changed = held != HoldsFailedJob();
    m_failedJob = job;
    if (changed) {
        emit FailedJobHeld(m_row, held);
    }
}

void CJobSlot::PeerClosed()
{
    m_peerClosed = true;
    ReadAvailable();
    EndWhenPeerGone();
}

void CJobSlot::EndWhenPeerGone()
{
    if (m_peerClosed && m_socket != nullptr && m_stage == Stage::Idle) {
        EndConnection();
    }
}

void CJobSlot::RefuseJob()
{
    Send(PrintJobWire::kTooLargeReply);
    ReleaseSocket();
    // A refusal is this slot's next job: the failed one before it is no longer kept.
    m_lastOutcome = StatusTexts::RefusedRow(QDateTime::currentDateTime());
    SetFailedJob(QString());
    emit CaptionChanged(StatusTexts::kDisconnectedCaption.toString());
    emit RowChanged(m_row, m_lastOutcome);
    emit JobFailed(m_row, StatusTexts::kRefusedText.toString());
    emit Closed();
}

void CJobSlot::EndConnection()
{
    ReleaseSocket();
    emit CaptionChanged(StatusTexts::kDisconnectedCaption.toString());
    emit RowChanged(m_row, m_lastOutcome);
    emit Closed();
}

void CJobSlot::ReleaseSocket()
{
    m_socket->disconnect(this);
    // The socket outlives the slot's hold on it until its last bytes are out.
    m_socket->setParent(parent());
    CloseWhenWritten(m_socket);
    m_socket = nullptr;
    m_input.Reset();
    m_idle.stop();
    m_jobDeadline.stop();
}
