#pragma once

#include "CJobSlot.h"

#include <QObject>
#include <QTcpServer>

#include <array>

class IInvoicePrinter;

// Listens for handhelds and keeps ten connection slots. A new connection takes the lowest free
// slot, whose status row is its number less one; when all ten are taken it is sent the single-
// byte refusal and closed, and the slots are not touched. Every job is handled by its slot (see
// CJobSlot) and printed through printer, which must outlive the listener.
class CJobListener final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSlotCount = 10;

    explicit CJobListener(IInvoicePrinter& printer, const ListenerTiming& timing = {}, QObject* parent = nullptr);

    // Listens on port of every local address (0 picks a free port). False when the port cannot be
    // had; ErrorText() then says why.
    bool Listen(quint16 port);
    quint16 Port() const { return m_server.serverPort(); }
    QString ErrorText() const { return m_server.errorString(); }

    // See CJobSlot: the last failed job of the slot whose status row is row.
    bool HoldsFailedJob(int row) const;
    bool PrintAgain(int row);

signals:
    void CaptionChanged(const QString& caption);
    void RowChanged(int row, const QString& text);
    void ConnectionClosed();
    // True while any slot has a job between its answer and the end of its last pause.
    void PrintingChanged(bool printing);
    void JobFailed(int row, const QString& reason);
    void FailedJobHeld(int row, bool held);

private:
    void AcceptPending();
    int LowestFreeSlot() const;
    void CountPrinting(bool printing);

    QTcpServer m_server;
    std::array<CJobSlot*, kSlotCount> m_slots{};
    int m_printingSlots = 0;
};
