#pragma once

#include "TransactionLine.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>

class CInventoryDoc;

// A sale or purchase as stored: what the entry form loads to edit it.
class CStoredTransaction
{
public:
    explicit CStoredTransaction(CInventoryDoc& doc) : m_doc(doc) {}

    // Reads the TransItem rows of transactionID. False when the query cannot run (after
    // "Unable to execute command(TransItem)"); true with no lines when there are none.
    bool Load(int32_t transactionID);

    const QList<TransactionLine>& Lines() const { return m_lines; }
    // Of the first row.
    int32_t TransType() const { return m_transType; }
    const QDateTime& TransDate() const { return m_transDate; }
    const QString& InvoiceNum() const { return m_invoiceNum; }
    const QString& CompanyName() const { return m_companyName; }
    // The party's PayeeID from the Transaction row; 0 when it names none or cannot be read.
    int32_t PayeeID() const { return m_payeeID; }
    int32_t Split() const { return m_split; }

private:
    CInventoryDoc& m_doc;
    QList<TransactionLine> m_lines;
    int32_t m_transType = -1;
    QDateTime m_transDate;
    QString m_invoiceNum;
    QString m_companyName;
    int32_t m_payeeID = 0;
    int32_t m_split = 0;
};
