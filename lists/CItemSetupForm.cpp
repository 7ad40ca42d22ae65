#include "CItemSetupForm.h"

#include "AsciiFold.h"
#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CWaitCursor.h"
#include "SqlText.h"

CItemSetupForm::CItemSetupForm(CInventoryDoc& doc, int recordIndex) : m_doc(doc), m_recordIndex(recordIndex)
{
    if (recordIndex < 0 || recordIndex >= doc.Products().size()) {
        m_recordIndex = -1;
        return;
    }
    const ItemRecord& item = doc.Products()[recordIndex];
    name = m_previousName = item.ProductID;
    description = item.ProductDesc;
    note = item.ProductNote;
    categoryID = item.CategoryID;
    taxID = item.TaxID;
    vendorID = item.PayeeID;
    m_salePrice = item.SalePrice;
    m_quantity = item.UnitsOnHand;
    m_unitCost = item.UnitCost;
    m_avgCost = item.AvgCost;
}

bool CItemSetupForm::TakeNonNegative(double value, double& field)
{
    if (value < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("You can not input a negative value!"));
        return false;
    }
    field = value;
    return true;
}

bool CItemSetupForm::SetSalePrice(double value)
{
    return TakeNonNegative(value, m_salePrice);
}

bool CItemSetupForm::SetQuantity(double value)
{
    return TakeNonNegative(value, m_quantity);
}

bool CItemSetupForm::SetUnitCost(double value)
{
    return TakeNonNegative(value, m_unitCost);
}

bool CItemSetupForm::Enter(const QString& title, const QString& topLine, double& field)
{
    const std::optional<double> value = m_doc.Prompter().RunNumberPad(title, topLine, field);
    return value && TakeNonNegative(*value, field);
}

bool CItemSetupForm::EnterSalePrice()
{
    return Enter(QStringLiteral("Price"), QStringLiteral("Change Price"), m_salePrice);
}

bool CItemSetupForm::EnterQuantity()
{
    return Enter(QStringLiteral("On Hand"), QStringLiteral("Change On Hand"), m_quantity);
}

bool CItemSetupForm::EnterUnitCost()
{
    return Enter(QStringLiteral("Unit Cost"), QStringLiteral("Change Unit Cost "), m_unitCost);
}

QString CItemSetupForm::CategoryName() const
{
    for (const CategoryRecord& category : m_doc.Categories()) {
        if (category.CategoryID == categoryID) {
            return category.CategoryName;
        }
    }
    return QString();
}

bool CItemSetupForm::NameIsTaken(const QString& trimmed) const
{
    const QList<ItemRecord>& products = m_doc.Products();
    for (int i = 0; i < products.size(); ++i) {
        if (i != m_recordIndex && products[i].ProductID.compare(trimmed, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

CItemSetupForm::SaveResult CItemSetupForm::Save()
{
    CWaitCursor wait(m_doc.Prompter());
    m_savedName.clear();
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Name Can not Be Empty!"));
        return SaveResult::StayOpen;
    }
    if (categoryID < 0 || CategoryName().isNull()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please select a category"));
        return SaveResult::StayOpen;
    }
    if (NameIsTaken(trimmed)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The New Product Name Exists! Please Change to Other Name."));
        return SaveResult::StayOpen;
    }
    CDocOperation operation(m_doc);
    if (IsNew()) {
        SaveNew(trimmed);
    } else {
        SaveExisting(trimmed);
    }
    return SaveResult::Saved;
}

void CItemSetupForm::SaveNew(const QString& trimmed)
{
    const bool written = AppendRow(m_doc.Connection(), QStringLiteral("Item"),
                                   {
                                       {QStringLiteral("ProductID"), trimmed},
                                       {QStringLiteral("ProductDesc"), description},
                                       {QStringLiteral("CategoryID"), categoryID},
                                       {QStringLiteral("TaxID"), taxID},
                                       {QStringLiteral("SalePrice"), m_salePrice},
                                       {QStringLiteral("UnitCost"), m_unitCost},
                                       {QStringLiteral("UnitsOnHand"), m_quantity},
                                       {QStringLiteral("ProductNote"), note},
                                       {QStringLiteral("PayeeID"), vendorID},
                                       {QStringLiteral("AvgCost"), m_unitCost},
                                   });
    if (!written) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return;
    }
    if (m_quantity != 0) {
        ItemRecord opening;
        opening.ProductID = trimmed;
        opening.ProductDesc = description;
        opening.CategoryName = CategoryName();
        opening.UnitsOnHand = m_quantity;
        opening.SalePrice = m_salePrice;
        opening.UnitCost = m_unitCost;
        opening.AvgCost = m_unitCost;
        m_doc.PostStockAdjustment(opening, CInventoryDoc::kOpeningBalance);
    }
    m_doc.LoadProducts();
    m_savedName = trimmed;
}

bool CItemSetupForm::WriteExistingRow(const QString& trimmed)
{
    CDbRecordset row(m_doc.Connection());
    const QString select = QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,CategoryID,PayeeID,UnitsOnHand,"
                                          "UnitsOnOrder,UnitCost,SalePrice, TaxID, AvgCost ") +
                           QStringLiteral("FROM Item where ProductID = '%1'").arg(QuoteSqlText(m_previousName));
    if (!row.Open(select, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    row.MoveFirst();
    row.SetField(0, trimmed);
    row.SetField(1, description);
    row.SetField(2, note);
    row.SetField(3, categoryID);
    row.SetField(4, vendorID);
    row.SetField(5, m_quantity);
    row.SetField(7, m_unitCost);
    row.SetField(8, m_salePrice);
    row.SetField(9, taxID);
    row.SetField(10, m_avgCost);
    row.Update();
    row.Close();
    return true;
}

// The movements carry the product's name; the store matches names without regard to the case
// of A-Z, so only a change beyond that renames them.
void CItemSetupForm::RenameMovements(const QString& trimmed)
{
    CDbRecordset movements(m_doc.Connection());
    if (!movements.Open(QStringLiteral("SELECT * ") +
                            QStringLiteral("FROM TransItem where ProductID = '%1'").arg(QuoteSqlText(m_previousName)),
                        CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return;
    }
    for (movements.MoveFirst(); !movements.IsEOF(); movements.MoveNext()) {
        movements.SetField(4, trimmed);
    }
}

void CItemSetupForm::SaveExisting(const QString& trimmed)
{
    const ItemRecord edited = m_doc.Products()[m_recordIndex];
    if (!WriteExistingRow(trimmed)) {
        return;
    }
    if (trimmed != m_previousName) {
        m_savedName = trimmed;
    }
    // The movements get the new name before a change of quantity is posted, so that the
    // adjustment is replayed on the product's whole history, not on a history of its own.
    if (!AsciiEqualIgnoringCase(trimmed, m_previousName)) {
        RenameMovements(trimmed);
    }
    const double difference = m_quantity - edited.UnitsOnHand;
    if (difference != 0) {
        ItemRecord adjustment = edited;
        adjustment.ProductID = trimmed;
        adjustment.ProductDesc = description;
        adjustment.UnitsOnHand = difference;
        adjustment.SalePrice = m_salePrice;
        adjustment.UnitCost = m_unitCost;
        adjustment.AvgCost = m_avgCost;
        adjustment.CategoryName = CategoryName();
        m_doc.PostStockAdjustment(adjustment, CInventoryDoc::kAdjustment);
    }
    m_doc.LoadProducts();
}
