#include "TransactionRow.h"

#include "CDbRecordset.h"

bool TransactionRow::Append(CDbConnection& connection) const
{
    return AppendRow(connection, QStringLiteral("Transaction"),
                     {
                         {QStringLiteral("TransactionID"), TransactionID},
                         {QStringLiteral("TransDate"), TransDate},
                         {QStringLiteral("TransType"), TransType},
                         {QStringLiteral("InvoiceNum"), InvoiceNum},
                         {QStringLiteral("PayeeID"), PayeeID},
                         {QStringLiteral("CompanyName"), CompanyName},
                         {QStringLiteral("TaxTotal"), TaxTotal},
                         {QStringLiteral("SubTotal"), SubTotal},
                         {QStringLiteral("CostTotal"), CostTotal},
                         {QStringLiteral("LineTotal"), 0.0},
                         {QStringLiteral("Paid"), CDbVariant::FromBool(false)},
                         {QStringLiteral("TransMemo"), QString()},
                     });
}
