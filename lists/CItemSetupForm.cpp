#include "CItemSetupForm.h"

#include "AsciiFold.h"
#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CWaitCursor.h"
#include "LocaleNumber.h"
#include "NameText.h"
#include "NumberBounds.h"
#include "SqlText.h"

#include <algorithm>

CItemSetupForm::CItemSetupForm(CInventoryDoc& doc, const QString& productID) : m_doc(doc)
{
    const int index = productID.isEmpty() ? -1 : doc.FindProduct(productID, Qt::CaseSensitive);
    if (index < 0) {
        return;
    }
    m_loaded = doc.Products()[index];
    m_productID = m_loaded.ProductID;
    name = m_loaded.ProductID;
    description = m_loaded.ProductDesc;
    note = m_loaded.ProductNote;
    categoryID = m_loaded.CategoryID;
    taxID = m_loaded.TaxID;
    vendorID = m_loaded.PayeeID;
    m_salePrice = m_loaded.SalePrice;
    m_quantity = m_loaded.UnitsOnHand;
    m_unitCost = m_loaded.UnitCost;
}

bool CItemSetupForm::TakeNumber(double value, double& field)
{
    if (!IsWithinBounds(value)) {
        m_doc.Prompter().ShowMessage(OutOfRangeText(QString::number(value, 'g', 6)));
        return false;
    }
    if (value < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("You can not input a negative value!"));
        return false;
    }
    field = value;
    return true;
}

bool CItemSetupForm::SetSalePrice(double value)
{
    return TakeNumber(value, m_salePrice);
}

bool CItemSetupForm::SetQuantity(double value)
{
    return TakeNumber(value, m_quantity);
}

bool CItemSetupForm::SetUnitCost(double value)
{
    return TakeNumber(value, m_unitCost);
}

bool CItemSetupForm::Enter(const QString& title, const QString& topLine, double& field)
{
    const std::optional<double> value = m_doc.Prompter().RunNumberPad(title, topLine, field);
    return value && TakeNumber(*value, field);
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

// The checks that need the book as it is now (inside the operation): the category still exists,
// the sale tax too, and no other product has the name.
bool CItemSetupForm::Refuses(const QString& trimmed, int editedIndex) const
{
    if (categoryID < 0 || CategoryName().isNull()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please select a category"));
        return true;
    }
    const QList<TaxRecord>& taxes = m_doc.Taxes();
    if (taxID >= 0 &&
        std::none_of(taxes.cbegin(), taxes.cend(), [&](const TaxRecord& tax) { return tax.TaxID == taxID; })) {
        m_doc.Prompter().ShowMessage(
            QStringLiteral("The sale tax chosen is no longer in the list; please choose another."));
        return true;
    }
    const QList<ItemRecord>& products = m_doc.Products();
    for (int i = 0; i < products.size(); ++i) {
        if (i != editedIndex && SameName(products[i].ProductID, trimmed)) {
            m_doc.Prompter().ShowMessage(QStringLiteral("The New Product Name Exists! Please Change to Other Name."));
            return true;
        }
    }
    return false;
}

CItemSetupForm::SaveResult CItemSetupForm::Save()
{
    CWaitCursor wait(m_doc.Prompter());
    m_savedName.clear();
    const QString trimmed = NormalizedName(name);
    if (trimmed.isEmpty()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Name Can not Be Empty!"));
        return SaveResult::StayOpen;
    }
    if (categoryID < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Please select a category"));
        return SaveResult::StayOpen;
    }
    if (const QString refusal = TextRefusal(trimmed, description, note); !refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(refusal);
        return SaveResult::StayOpen;
    }
    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return SaveResult::StayOpen;
    }
    const int editedIndex = IsNew() ? -1 : m_doc.FindProduct(m_productID, Qt::CaseSensitive);
    if (!IsNew() && editedIndex < 0) {
        m_doc.Prompter().ShowMessage(
            QStringLiteral("The product \"%1\" is no longer in the list; it was not saved.").arg(m_productID));
        return SaveResult::StayOpen;
    }
    if (Refuses(trimmed, editedIndex) || (IsNew() && RefusesOpeningValue())) {
        return SaveResult::StayOpen;
    }
    const bool written = IsNew() ? SaveNew(trimmed) : SaveExisting(trimmed, m_doc.Products()[editedIndex]);
    if (!written || !operation.Commit()) {
        m_savedName.clear();
        return SaveResult::StayOpen;
    }
    m_doc.LoadProducts();
    m_productID = trimmed;
    return SaveResult::Saved;
}

// The opening stock's value goes into the running inventory value, which must stay an amount the
// book can hold to the cent.
bool CItemSetupForm::RefusesOpeningValue() const
{
    const double value = m_quantity * m_unitCost;
    if (IsWithinBounds(value)) {
        return false;
    }
    m_doc.Prompter().ShowMessage(
        AmountOutOfRangeText(QStringLiteral("The opening stock's value"), FormatLocaleNumber("%.2lf", value)));
    return true;
}

QString CItemSetupForm::TextRefusal(const QString& name, const QString& description, const QString& note)
{
    QString refusal = ControlCharacterRefusal(QStringLiteral("product name"), name, TextLines::One);
    if (refusal.isEmpty()) {
        refusal = ControlCharacterRefusal(QStringLiteral("description"), description, TextLines::One);
    }
    if (refusal.isEmpty()) {
        refusal = ControlCharacterRefusal(QStringLiteral("note"), note, TextLines::Many);
    }
    return refusal;
}

bool CItemSetupForm::AppendProductRow(CInventoryDoc& doc, const ItemRecord& product)
{
    return AppendRow(doc.Connection(), QStringLiteral("Item"),
                     {
                         {QStringLiteral("ProductID"), product.ProductID},
                         {QStringLiteral("ProductDesc"), product.ProductDesc},
                         {QStringLiteral("CategoryID"), product.CategoryID},
                         {QStringLiteral("TaxID"), product.TaxID},
                         {QStringLiteral("SalePrice"), product.SalePrice},
                         {QStringLiteral("UnitCost"), product.UnitCost},
                         {QStringLiteral("UnitsOnHand"), product.UnitsOnHand},
                         {QStringLiteral("ProductNote"), product.ProductNote},
                         {QStringLiteral("PayeeID"), product.PayeeID},
                         {QStringLiteral("AvgCost"), product.UnitCost},
                     });
}

bool CItemSetupForm::SaveNew(const QString& trimmed)
{
    ItemRecord product;
    product.ProductID = trimmed;
    product.ProductDesc = description;
    product.ProductNote = note;
    product.CategoryID = categoryID;
    product.TaxID = taxID;
    product.PayeeID = vendorID;
    product.SalePrice = m_salePrice;
    product.UnitCost = m_unitCost;
    product.UnitsOnHand = m_quantity;
    if (!AppendProductRow(m_doc, product)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    if (!IsNoise(m_quantity)) {
        ItemRecord opening;
        opening.ProductID = trimmed;
        opening.ProductDesc = description;
        opening.CategoryName = CategoryName();
        opening.UnitsOnHand = m_quantity;
        opening.SalePrice = m_salePrice;
        opening.UnitCost = m_unitCost;
        opening.AvgCost = m_unitCost;
        if (!m_doc.PostStockAdjustment(opening, CInventoryDoc::kOpeningBalance)) {
            return false;
        }
    }
    m_savedName = trimmed;
    return true;
}

bool CItemSetupForm::WriteExistingRow(const QString& trimmed, const ItemRecord& stored, double quantity)
{
    CDbRecordset row(m_doc.Connection());
    const QString select = QStringLiteral("SELECT ProductID,ProductDesc,ProductNote,CategoryID,PayeeID,UnitsOnHand,"
                                          "UnitsOnOrder,UnitCost,SalePrice, TaxID, AvgCost ") +
                           QStringLiteral("FROM Item where ProductID = '%1'").arg(QuoteSqlText(m_productID));
    if (!row.Open(select, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    row.MoveFirst();
    // The unit cost is the last purchase price unless the user typed another.
    const double unitCost = IsNoise(m_unitCost - m_loaded.UnitCost) ? stored.UnitCost : m_unitCost;
    row.SetField(0, trimmed);
    row.SetField(1, description);
    row.SetField(2, note);
    row.SetField(3, categoryID);
    row.SetField(4, vendorID);
    row.SetField(5, quantity);
    row.SetField(7, unitCost);
    row.SetField(8, m_salePrice);
    row.SetField(9, taxID);
    row.SetField(10, stored.AvgCost);
    row.Update();
    row.Close();
    return true;
}

// The movements carry the product's name; the store matches names without regard to the case
// of A-Z, so only a change beyond that renames them.
bool CItemSetupForm::RenameMovements(CInventoryDoc& doc, const QString& from, const QString& to)
{
    if (AsciiEqualIgnoringCase(from, to)) {
        return true;
    }
    CDbRecordset movements(doc.Connection());
    if (!movements.Open(QStringLiteral("SELECT * ") +
                            QStringLiteral("FROM TransItem where ProductID = '%1'").arg(QuoteSqlText(from)),
                        CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic)) {
        doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        return false;
    }
    for (movements.MoveFirst(); !movements.IsEOF(); movements.MoveNext()) {
        movements.SetField(4, to);
    }
    return true;
}

bool CItemSetupForm::SaveExisting(const QString& trimmed, const ItemRecord& stored)
{
    // A quantity the user typed sets the stock to it; one left alone keeps the stock as stored
    // now, whatever was posted since the form was filled.
    const bool quantityTyped = !IsNoise(m_quantity - m_loaded.UnitsOnHand);
    const double difference = quantityTyped ? m_quantity - stored.UnitsOnHand : 0.0;
    if (!WriteExistingRow(trimmed, stored, quantityTyped ? m_quantity : stored.UnitsOnHand)) {
        return false;
    }
    if (trimmed != m_productID) {
        m_savedName = trimmed;
    }
    // The movements get the new name before a change of quantity is posted, so that the
    // adjustment is replayed on the product's whole history, not on a history of its own.
    if (!RenameMovements(m_doc, m_productID, trimmed)) {
        return false;
    }
    if (IsNoise(difference)) {
        return true;
    }
    ItemRecord adjustment = stored;
    adjustment.ProductID = trimmed;
    adjustment.ProductDesc = description;
    adjustment.UnitsOnHand = difference;
    adjustment.SalePrice = m_salePrice;
    adjustment.CategoryName = CategoryName();
    return m_doc.PostStockAdjustment(adjustment, CInventoryDoc::kAdjustment);
}
