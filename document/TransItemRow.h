#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class CDbConnection;

// The columns of one TransItem row as a posting writes them; columns left empty stay null.
struct TransItemRow
{
    int32_t TransactionID = 0;
    QString TransDate; // "%d/%d/%d %d:%d:%d"
    int32_t TransType = 0;
    QString InvoiceNum;
    QString ProductID;
    QString ProductName;
    QString CompanyName;
    double Quantity = 0.0;
    double UnitCost = 0.0;
    double Price = 0.0;
    QString TaxName;
    double TaxRate = 0.0;
    double ItemTotal = 0.0;
    double TaxTotal = 0.0;
    int32_t Split = 1;
    std::optional<double> AvgCost;
    std::optional<double> UnitsOnHand;
    std::optional<QString> CategoryName;
    std::optional<int32_t> ItemOrder;

    // Appends the row (Discount, TaxID and LineTotal written as 0). False when the table cannot
    // be opened or the row is refused.
    bool Append(CDbConnection& connection) const;
};
