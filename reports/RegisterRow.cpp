#include "RegisterRow.h"

#include "ReportCellText.h"
#include "TransactionTypes.h"

double RegisterRow::Amount() const
{
    const double value = Quantity * UnitCost;
    // Adding +0 turns -0 into 0, so a sale at no cost reads "0.00", not "-0.00".
    return (TransType == kTransSale ? -value : value) + 0.0;
}

RegisterRow::Texts RegisterRow::CellTexts() const
{
    Texts texts;
    texts.date = TransDate.isValid() ? DateCellText(TransDate.date()) : QString();
    texts.product = ProductID;
    texts.payee = Split > 1 ? QStringLiteral("[Split] ") + CompanyName : CompanyName;
    const double amount = Amount();
    texts.amount = MoneyText(amount);
    texts.amountNegative = amount < 0;
    texts.invoice = InvoiceNum.isEmpty() ? QString() : QLatin1Char('#') + InvoiceNum;
    const double balance = LineTotal + 0.0;
    texts.balance = MoneyText(balance);
    texts.balanceNegative = balance < 0;
    return texts;
}
