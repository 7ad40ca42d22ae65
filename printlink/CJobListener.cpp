#include "CJobListener.h"

#include "PrintJobWire.h"
#include "SocketClosing.h"

#include <QTcpSocket>

CJobListener::CJobListener(IInvoicePrinter& printer, const ListenerTiming& timing, QObject* parent) : QObject(parent)
{
    for (int i = 0; i < kSlotCount; ++i) {
        auto* slot = new CJobSlot(i, timing, printer, this);
        connect(slot, &CJobSlot::CaptionChanged, this, &CJobListener::CaptionChanged);
        connect(slot, &CJobSlot::RowChanged, this, &CJobListener::RowChanged);
        connect(slot, &CJobSlot::Closed, this, &CJobListener::ConnectionClosed);
        connect(slot, &CJobSlot::PrintingChanged, this, &CJobListener::CountPrinting);
        connect(slot, &CJobSlot::JobFailed, this, &CJobListener::JobFailed);
        connect(slot, &CJobSlot::FailedJobHeld, this, &CJobListener::FailedJobHeld);
        m_slots[i] = slot;
    }
    connect(&m_server, &QTcpServer::newConnection, this, &CJobListener::AcceptPending);
}

bool CJobListener::Listen(quint16 port)
{
    return m_server.listen(QHostAddress::Any, port);
}

bool CJobListener::HoldsFailedJob(int row) const
{
    return row >= 0 && row < kSlotCount && m_slots[row]->HoldsFailedJob();
}

bool CJobListener::PrintAgain(int row)
{
    return row >= 0 && row < kSlotCount && m_slots[row]->PrintAgain();
}

void CJobListener::AcceptPending()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const int slot = LowestFreeSlot();
        if (slot < 0) {
            socket->write(PrintJobWire::kNoSlotRefusal, sizeof(PrintJobWire::kNoSlotRefusal) - 1);
            CloseWhenWritten(socket);
            continue;
        }
        m_slots[slot]->Attach(socket);
    }
}

int CJobListener::LowestFreeSlot() const
{
    for (int i = 0; i < kSlotCount; ++i) {
        if (m_slots[i]->IsFree()) {
            return i;
        }
    }
    return -1;
}

void CJobListener::CountPrinting(bool printing)
{
    const bool wasPrinting = m_printingSlots > 0;
    m_printingSlots += printing ? 1 : -1;
    if (wasPrinting != (m_printingSlots > 0)) {
        emit PrintingChanged(m_printingSlots > 0);
    }
}
