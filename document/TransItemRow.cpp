#include "TransItemRow.h"

#include "CDbRecordset.h"

bool TransItemRow::Append(CDbConnection& connection) const
{
    CDbRecordset table(connection);
    if (!table.Open(QStringLiteral("TransItem"), CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    table.AddNew();
    table.SetFieldByName(QStringLiteral("TransactionID"), TransactionID);
    table.SetFieldByName(QStringLiteral("TransDate"), TransDate);
    table.SetFieldByName(QStringLiteral("TransType"), TransType);
    table.SetFieldByName(QStringLiteral("InvoiceNum"), InvoiceNum);
    table.SetFieldByName(QStringLiteral("ProductID"), ProductID);
    table.SetFieldByName(QStringLiteral("ProductName"), ProductName);
    table.SetFieldByName(QStringLiteral("CompanyName"), CompanyName);
    table.SetFieldByName(QStringLiteral("Quantity"), Quantity);
    table.SetFieldByName(QStringLiteral("Discount"), 0.0);
    table.SetFieldByName(QStringLiteral("UnitCost"), UnitCost);
    table.SetFieldByName(QStringLiteral("Price"), Price);
    table.SetFieldByName(QStringLiteral("TaxID"), 0);
    table.SetFieldByName(QStringLiteral("TaxName"), TaxName);
    table.SetFieldByName(QStringLiteral("TaxRate"), TaxRate);
    table.SetFieldByName(QStringLiteral("ItemTotal"), ItemTotal);
    table.SetFieldByName(QStringLiteral("TaxTotal"), TaxTotal);
    table.SetFieldByName(QStringLiteral("LineTotal"), 0.0);
    table.SetFieldByName(QStringLiteral("Split"), Split);
    if (AvgCost) {
        table.SetFieldByName(QStringLiteral("AvgCost"), *AvgCost);
    }
    if (UnitsOnHand) {
        table.SetFieldByName(QStringLiteral("UnitsOnHand"), *UnitsOnHand);
    }
    if (CategoryName) {
        table.SetFieldByName(QStringLiteral("CategoryName"), *CategoryName);
    }
    if (ItemOrder) {
        table.SetFieldByName(QStringLiteral("ItemOrder"), *ItemOrder);
    }
    return table.Update();
}
