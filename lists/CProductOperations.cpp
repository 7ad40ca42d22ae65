#include "CProductOperations.h"

#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "SqlText.h"

bool CProductOperations::Delete(int index)
{
    if (index < 0 || index >= m_doc.Products().size()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please Select Item First"));
        return false;
    }
    if (!m_doc.Prompter().AskYesNo(QStringLiteral("Delete an Item?"), CPrompter::Icon::Question)) {
        return false;
    }
    const QString productID = QuoteSqlText(m_doc.Products()[index].ProductID);
    CDbRecordset movements(m_doc.Connection());
    if (!movements.Open(QStringLiteral("SELECT * FROM TransItem where ProductID='%1'").arg(productID),
                        CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(CITEM)"));
        return false;
    }
    long count = 0;
    movements.GetRecordCount(count);
    movements.Close();
    if (count >= 1) {
        m_doc.Prompter().ShowMessage(
            QStringLiteral("You can not delete the item because it has been used in transaction!"));
        return false;
    }
    if (!Execute(m_doc.Connection(),
                 QStringLiteral("delete from Item ") + QStringLiteral("where ProductID = '%1'").arg(productID))) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    m_doc.LoadProducts();
    return true;
}

bool CProductOperations::ChangeOnHand(int index)
{
    if (index < 0 || index >= m_doc.Products().size()) {
        return false;
    }
    const ItemRecord product = m_doc.Products()[index];
    const std::optional<double> value =
        m_doc.Prompter().RunNumberPad(QStringLiteral("On Hand"), product.ProductID, product.UnitsOnHand);
    if (!value) {
        return false;
    }
    CDocOperation operation(m_doc);
    CDbRecordset row(m_doc.Connection());
    const QString select = QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,CategoryID,PayeeID,UnitsOnHand,"
                                          "UnitsOnOrder,UnitCost,SalePrice,TaxID,AvgCost ") +
                           QStringLiteral("FROM Item where ProductID = '%1'").arg(QuoteSqlText(product.ProductID));
    if (!row.Open(select, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    row.MoveFirst();
    if (row.SetField(5, *value)) {
        m_doc.ProductAt(index).UnitsOnHand = *value;
    }
    row.Close();
    const double difference = *value - product.UnitsOnHand;
    if (difference != 0) {
        ItemRecord adjustment = product;
        adjustment.UnitsOnHand = difference;
        m_doc.PostStockAdjustment(adjustment, CInventoryDoc::kAdjustment);
    }
    return true;
}
