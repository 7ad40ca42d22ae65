#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

class CInventoryDoc;

// Deleting a whole transaction from the register, and the question asked before.
class CTransactionDeletion
{
public:
    explicit CTransactionDeletion(CInventoryDoc& doc) : m_doc(doc) {}

    // The question for a transaction of this type whose rows say it has split items.
    static QString Question(int32_t transType, int32_t split);

    // Deletes the Transaction row and the TransItem rows of transactionID, then re-derives each
    // product the rows named, and after them the running value, from date. False (after the
    // message) when a delete fails; what was deleted before stays deleted.
    bool Run(int32_t transactionID, const QDateTime& date);

    // The Transaction row, then the TransItem rows of transactionID; false (after the message)
    // when a delete fails, and then nothing after it is deleted.
    static bool DeleteRows(CInventoryDoc& doc, int32_t transactionID);

private:
    CInventoryDoc& m_doc;
};
