#pragma once

#include "TransactionLine.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>

// Everything the entry form hands over when it saves a sale or purchase.
struct SalePurchasePosting
{
    int32_t TransType = 0;                // 0 purchase, 1 sale
    int32_t TransactionID = -1;           // -1 for a new transaction
    QDateTime PreviousDate;               // the stored date; for a new one, when the form opened
    QDateTime NewDate;                    // the date chosen on the form
    QList<TransactionLine> PreviousLines; // as stored when the form opened; none for a new one
    QList<TransactionLine> Lines;         // the current lines; their positions become ItemOrder
    QString InvoiceNum;
    // A new transaction's default invoice number: its TransactionID, taken inside the posting like
    // the identifier itself, so that two programs posting at once never share a number. InvoiceNum
    // is then not used.
    bool InvoiceNumFromID = false;
    QString CompanyName;   // the customer or vendor box text
    int32_t VendorID = -1; // a purchase's selected vendor; -1 when none
    int32_t PayeeID = 0;   // the customer or vendor of the list the party is; 0 when none
};

struct PostingResult
{
    bool Saved = false; // false when a delete failed and the save stopped
    int32_t TransactionID = -1;
    QString InvoiceNum; // as stored
};
