#include "CStockAdjustment.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CWaitCursor.h"
#include "LocaleNumber.h"
#include "NumberBounds.h"
#include "TransItemRow.h"
#include "TransactionRow.h"
#include "TransactionTypes.h"

QString CStockAdjustment::AdjustmentMemo(double quantity)
{
    return IsWholeNumber(quantity) ? QString::asprintf("Adjust on hand (%+.0lf)", quantity)
                                   : QString::asprintf("Adjust on hand (%+.2lf)", quantity);
}

QString CStockAdjustment::OpeningBalanceMemo(double quantity)
{
    const QString number = FormatLocaleNumber(IsWholeNumber(quantity) ? "%+.0lf" : "%+.2lf", quantity);
    return QStringLiteral("Open Balance (%1)").arg(number);
}

bool CStockAdjustment::Post(const ItemRecord& item, int kind)
{
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    const double quantity = item.UnitsOnHand;
    const bool opening = kind == CInventoryDoc::kOpeningBalance;
    const int32_t transactionID = m_doc.TakeNextTransactionId();
    const QDateTime now = m_doc.Now();
    const QString dateText = TransDateText(now);
    const QString memo = opening ? OpeningBalanceMemo(quantity) : AdjustmentMemo(quantity);

    TransItemRow row;
    row.TransactionID = transactionID;
    row.TransDate = dateText;
    row.TransType = opening ? kTransOpeningBalance : kTransAdjustment;
    row.ProductID = item.ProductID;
    row.ProductName = item.ProductDesc;
    row.CompanyName = memo;
    row.Quantity = quantity;
    row.UnitCost = item.AvgCost;
    row.Price = item.SalePrice;
    row.ItemTotal = item.AvgCost * quantity;
    row.Split = 1;
    if (!row.Append(m_doc.Connection())) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
    }

    TransactionRow total;
    total.TransactionID = transactionID;
    total.TransDate = dateText;
    total.TransType = row.TransType;
    total.CompanyName = memo;
    total.SubTotal = row.ItemTotal;
    total.CostTotal = row.ItemTotal;
    if (!total.Append(m_doc.Connection())) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return operation.Commit();
    }
    m_doc.RecomputeProductHistory(item.ProductID, -1, now);
    m_doc.RecomputeAssetBalance(now);
    return operation.Commit();
}

bool CStockAdjustment::ChangeQuantity(int32_t transactionID, double quantity)
{
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    CDbRecordset item(m_doc.Connection());
    if (!item.Open(QString::asprintf("SELECT * FROM TransItem where TransactionID=%d", transactionID),
                   CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    item.MoveFirst();
    if (item.IsEOF() || item.FieldCount() < 1) {
        item.Close();
        return false;
    }
    const QString memo = AdjustmentMemo(quantity);
    const double total = item.GetFieldValue(9).ToDouble() * quantity;
    item.SetField(6, memo);
    item.SetField(7, quantity);
    item.SetField(14, total);
    item.Close();

    CDbRecordset transaction(m_doc.Connection());
    if (!transaction.Open(QString::asprintf("SELECT * FROM Transaction where TransactionID=%d", transactionID),
                          CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return operation.Commit();
    }
    transaction.MoveFirst();
    if (!transaction.IsEOF() && transaction.FieldCount() >= 1) {
        transaction.SetField(5, memo);
        transaction.SetField(7, total);
        transaction.SetField(8, total);
    }
    return operation.Commit();
}

CStockAdjustment::Edit CStockAdjustment::EditQuantity(int32_t transactionID, const QString& productID,
                                                      const QDateTime& date, double oldQuantity, double newQuantity)
{
    if (IsNoise(newQuantity)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Zero is not a valid adjustment value!"));
        return Edit::Refused;
    }
    if (!IsWithinBounds(newQuantity)) {
        m_doc.Prompter().ShowMessage(OutOfRangeText(QString::number(newQuantity, 'g', 6)));
        return Edit::Refused;
    }
    if (IsNoise(newQuantity - oldQuantity)) {
        return Edit::Unchanged;
    }
    // Re-deriving a long history from an early date takes a moment.
    CWaitCursor wait(m_doc.Prompter());
    CDocOperation operation(m_doc);
    if (!operation.Started() || !ChangeQuantity(transactionID, newQuantity)) {
        return Edit::Failed;
    }
    m_doc.RecomputeProductHistory(productID, -1, date);
    m_doc.RecomputeAssetBalance(date);
    return operation.Commit() ? Edit::Changed : Edit::Failed;
}
