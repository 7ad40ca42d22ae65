#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// One row of the transaction register: the TransItem columns it shows, and the texts of its cells.
struct RegisterRow
{
    int32_t TransactionID = 0;
    QDateTime TransDate; // invalid when the row has no date
    int32_t TransType = 0;
    QString InvoiceNum;
    QString ProductID;
    QString CompanyName;
    double UnitCost = 0.0;
    double Quantity = 0.0;
    double LineTotal = 0.0; // the running inventory value after the row
    int32_t Split = 0;      // the number of items of its sale or purchase
    qint64 RowId = 0;       // the row's identity in the store

    struct Texts
    {
        QString date;    // the locale's short date; empty without a date
        QString product; // the product's code
        QString payee;   // "[Split] " before the name when the transaction has several items
        QString amount;  // quantity x unit cost, negative for a sale, "%.2lf"
        QString invoice; // "#" and the number; empty when there is none
        QString balance; // the running value, "%.2lf"
        bool amountNegative = false;
        bool balanceNegative = false;
    };

    // The value the row moves the inventory by: negative for a sale.
    double Amount() const;
    Texts CellTexts() const;
};
