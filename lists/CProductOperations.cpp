#include "CProductOperations.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DeleteUnlessInUse.h"
#include "NumberBounds.h"
#include "SqlText.h"

namespace {
QString GoneText(const QString& productID)
{
    return QStringLiteral("The product \"%1\" is no longer in the list.").arg(productID);
}
} // namespace

bool CProductOperations::HasMovements(const QString& productID, bool& has)
{
    CDbRecordset movements(m_doc.Connection());
    if (!movements.Open(QStringLiteral("SELECT * FROM TransItem where ProductID='%1'").arg(QuoteSqlText(productID)),
                        CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(CITEM)"));
        return false;
    }
    long count = 0;
    movements.GetRecordCount(count);
    has = count >= 1;
    return true;
}

bool CProductOperations::Delete(QString productID)
{
    // The question below is only asked of a product that may go, as the file has it now.
    m_doc.ReloadIfChangedElsewhere();
    if (productID.isEmpty() || m_doc.FindProduct(productID, Qt::CaseSensitive) < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    const QString usedMessage = QStringLiteral("You can not delete the item because it has been used in transaction!");
    bool used = false;
    if (!HasMovements(productID, used)) {
        return false;
    }
    // Refused before the question; asked again below, as another program may post meanwhile.
    if (used) {
        m_doc.Prompter().ShowMessage(usedMessage);
        return false;
    }
    if (!m_doc.Prompter().AskYesNo(DeleteQuestion(QStringLiteral("product"), productID), CPrompter::Icon::Warning)) {
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    if (m_doc.FindProduct(productID, Qt::CaseSensitive) < 0) {
        m_doc.Prompter().ShowMessage(GoneText(productID));
        return false;
    }
    bool hasMovements = false;
    if (!HasMovements(productID, hasMovements)) {
        return false;
    }
    if (hasMovements) {
        m_doc.Prompter().ShowMessage(usedMessage);
        return false;
    }
    if (!Execute(m_doc.Connection(), QStringLiteral("delete from Item ") +
                                         QStringLiteral("where ProductID = '%1'").arg(QuoteSqlText(productID)))) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    if (!operation.Commit()) {
        return false;
    }
    m_doc.LoadProducts();
    return true;
}

bool CProductOperations::ChangeOnHand(QString productID)
{
    const int index = productID.isEmpty() ? -1 : m_doc.FindProduct(productID, Qt::CaseSensitive);
    if (index < 0) {
        return false;
    }
    const ItemRecord shown = m_doc.Products()[index];
    const std::optional<double> value =
        m_doc.Prompter().RunNumberPad(QStringLiteral("On Hand"), shown.ProductID, shown.UnitsOnHand);
    if (!value) {
        return false;
    }
    if (!IsWithinBounds(*value)) {
        m_doc.Prompter().ShowMessage(OutOfRangeText(QString::number(*value, 'g', 6)));
        return false;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return false;
    }
    // The difference is taken from the stock as stored now, not as it was when the pad opened.
    const int current = m_doc.FindProduct(productID, Qt::CaseSensitive);
    if (current < 0) {
        m_doc.Prompter().ShowMessage(GoneText(productID));
        return false;
    }
    const ItemRecord product = m_doc.Products()[current];
    const double difference = *value - product.UnitsOnHand;
    if (IsNoise(difference)) {
        return false;
    }
    CDbRecordset row(m_doc.Connection());
    const QString select = QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,CategoryID,PayeeID,UnitsOnHand,"
                                          "UnitsOnOrder,UnitCost,SalePrice,TaxID,AvgCost ") +
                           QStringLiteral("FROM Item where ProductID = '%1'").arg(QuoteSqlText(productID));
    if (!row.Open(select, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    row.MoveFirst();
    row.SetField(5, *value);
    row.Close();
    ItemRecord adjustment = product;
    adjustment.UnitsOnHand = difference;
    if (!m_doc.PostStockAdjustment(adjustment, CInventoryDoc::kAdjustment)) {
        return false;
    }
    return operation.Commit();
}
