#include "TransItemRow.h"

#include "CDbRecordset.h"

bool TransItemRow::Append(CDbConnection& connection) const
{
    std::vector<std::pair<QString, CDbVariant>> fields = {
        {QStringLiteral("TransactionID"), TransactionID},
        {QStringLiteral("TransDate"), TransDate},
        {QStringLiteral("TransType"), TransType},
        {QStringLiteral("InvoiceNum"), InvoiceNum},
        {QStringLiteral("ProductID"), ProductID},
        {QStringLiteral("ProductName"), ProductName},
        {QStringLiteral("CompanyName"), CompanyName},
        {QStringLiteral("Quantity"), Quantity},
        {QStringLiteral("Discount"), 0.0},
        {QStringLiteral("UnitCost"), UnitCost},
        {QStringLiteral("Price"), Price},
        {QStringLiteral("TaxID"), 0},
        {QStringLiteral("TaxName"), TaxName},
        {QStringLiteral("TaxRate"), TaxRate},
        {QStringLiteral("ItemTotal"), ItemTotal},
        {QStringLiteral("TaxTotal"), TaxTotal},
        {QStringLiteral("LineTotal"), 0.0},
        {QStringLiteral("Split"), Split},
    };
    if (AvgCost) {
        fields.emplace_back(QStringLiteral("AvgCost"), *AvgCost);
    }
    if (UnitsOnHand) {
        fields.emplace_back(QStringLiteral("UnitsOnHand"), *UnitsOnHand);
    }
    if (CategoryName) {
        fields.emplace_back(QStringLiteral("CategoryName"), *CategoryName);
    }
    if (ItemOrder) {
        fields.emplace_back(QStringLiteral("ItemOrder"), *ItemOrder);
    }
    return AppendRow(connection, QStringLiteral("TransItem"), fields);
}
