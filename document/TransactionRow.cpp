#include "TransactionRow.h"

#include "CDbRecordset.h"

bool TransactionRow::Append(CDbConnection& connection) const
{
    CDbRecordset table(connection);
    if (!table.Open(QStringLiteral("Transaction"), CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        return false;
    }
    table.AddNew();
    table.SetFieldByName(QStringLiteral("TransactionID"), TransactionID);
    table.SetFieldByName(QStringLiteral("TransDate"), TransDate);
    table.SetFieldByName(QStringLiteral("TransType"), TransType);
    table.SetFieldByName(QStringLiteral("InvoiceNum"), InvoiceNum);
    table.SetFieldByName(QStringLiteral("PayeeID"), 0);
    table.SetFieldByName(QStringLiteral("CompanyName"), CompanyName);
    table.SetFieldByName(QStringLiteral("TaxTotal"), TaxTotal);
    table.SetFieldByName(QStringLiteral("SubTotal"), SubTotal);
    table.SetFieldByName(QStringLiteral("CostTotal"), CostTotal);
    table.SetFieldByName(QStringLiteral("LineTotal"), 0.0);
    table.SetFieldByName(QStringLiteral("Paid"), CDbVariant::FromTyped(0, CDbVariant::kTypeBool));
    table.SetFieldByName(QStringLiteral("TransMemo"), QString());
    return table.Update();
}
