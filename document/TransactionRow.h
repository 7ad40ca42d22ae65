#pragma once

#include <QString>

#include <cstdint>

class CDbConnection;

// The columns of one Transaction row as a posting writes them.
struct TransactionRow
{
    int32_t TransactionID = 0;
    QString TransDate; // "%d/%d/%d %d:%d:%d"
    int32_t TransType = 0;
    QString InvoiceNum;
    int32_t PayeeID = 0; // the party in the customer or vendor list; 0 for none
    QString CompanyName;
    double TaxTotal = 0.0;
    double SubTotal = 0.0;
    double CostTotal = 0.0;

    // Appends the row (LineTotal 0, Paid false, TransMemo empty). False when the table
    // cannot be opened or the row is refused.
    bool Append(CDbConnection& connection) const;
};
