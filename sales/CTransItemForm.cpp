#include "CTransItemForm.h"

#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "LocaleNumber.h"
#include "NumberBounds.h"
#include "TransactionTypes.h"

namespace {
const QString kNoTax = QStringLiteral("None");
} // namespace

CTransItemForm::CTransItemForm(CInventoryDoc& doc, int32_t transType, const QList<TransactionLine>& currentLines,
                               const QList<TransactionLine>& loadedLines)
    : m_doc(doc), m_transType(transType), m_isNew(true), m_currentLines(currentLines), m_loadedLines(loadedLines)
{
    m_line.TaxName = kNoTax;
    m_quantityText = FormatQuantity(m_line.Quantity);
}

CTransItemForm::CTransItemForm(CInventoryDoc& doc, int32_t transType, const QList<TransactionLine>& currentLines,
                               const QList<TransactionLine>& loadedLines, const TransactionLine& line)
    : m_doc(doc), m_transType(transType), m_isNew(false), m_currentLines(currentLines), m_loadedLines(loadedLines),
      m_line(line), m_openingProduct(line.ProductID)
{
    // A purchase line's price is what was paid per unit: its unit cost.
    if (!IsSale()) {
        m_line.Price = line.UnitCost;
    }
    // The quantity shows two decimals while the stock does, so the two read alike.
    m_quantityText = FormatLocaleNumber(IsWholeNumber(line.OnHand) ? "%0.0lf" : "%0.2lf", line.Quantity);
    const int product = doc.FindProduct(line.ProductID, Qt::CaseInsensitive);
    m_productVendor = product >= 0 ? doc.Products()[product].PayeeID : -1;
}

bool CTransItemForm::IsSale() const
{
    return m_transType == kTransSale;
}

QString CTransItemForm::PriceLabel() const
{
    return IsSale() ? QStringLiteral("Sale Price:") : QStringLiteral("Buy Price:");
}

QString CTransItemForm::OnHandText() const
{
    return FormatQuantity(m_line.OnHand);
}

QString CTransItemForm::PriceText() const
{
    return FormatLocaleNumber("%0.2lf", m_line.Price);
}

QString CTransItemForm::TaxRateText() const
{
    return FormatRate(m_line.TaxRate);
}

const TransactionLine* CTransItemForm::FindLine(const QList<TransactionLine>& lines, const QString& productID) const
{
    for (const TransactionLine& line : lines) {
        if (line.ProductID.compare(productID, Qt::CaseInsensitive) == 0) {
            return &line;
        }
    }
    return nullptr;
}

bool CTransItemForm::SelectProduct(const QString& productID)
{
    const int index = m_doc.FindProduct(productID, Qt::CaseInsensitive);
    if (index < 0) {
        m_line.ProductID.clear();
        return false;
    }
    // A copy: a question below may outlive a reload of the catalogue.
    const ItemRecord product = m_doc.Products()[index];
    m_productVendor = product.PayeeID;
    const bool ownProduct =
        !m_openingProduct.isEmpty() && product.ProductID.compare(m_openingProduct, Qt::CaseInsensitive) == 0;
    if (const TransactionLine* own = ownProduct ? FindLine(m_currentLines, product.ProductID) : nullptr) {
        ReseedFrom(*own);
        return true;
    }
    if (FindLine(m_currentLines, product.ProductID) != nullptr) {
        m_doc.Prompter().ShowMessage(
            QStringLiteral("The item name exists in your current transaction, please select a different one!"));
        m_line.ProductID.clear();
        return false;
    }
    if (const TransactionLine* stored = FindLine(m_loadedLines, product.ProductID)) {
        ReseedFrom(*stored);
        return true;
    }
    TakeCatalogueDefaults(product);
    return true;
}

// The line's product again: quantity 1, and the stock as if the line's old quantity had not
// been taken (or added).
void CTransItemForm::ReseedFrom(const TransactionLine& line)
{
    m_line.ProductID = line.ProductID;
    m_line.ProductName = line.ProductName;
    m_line.UnitCost = line.UnitCost;
    m_line.CategoryName = line.CategoryName;
    m_line.OnHand = IsSale() ? line.OnHand + line.Quantity - 1 : line.OnHand - line.Quantity + 1;
    SetQuantity(1);
}

void CTransItemForm::TakeCatalogueDefaults(const ItemRecord& product)
{
    m_line.ProductID = product.ProductID;
    m_line.ProductName = product.ProductDesc;
    m_line.CategoryName = product.CategoryName;
    m_line.Price = IsSale() ? product.SalePrice : product.UnitCost;
    m_line.UnitCost = IsSale() ? product.AvgCost : product.UnitCost;
    if (IsSale() && product.UnitsOnHand < 1) {
        AskInitialQuantity(product.UnitsOnHand);
    } else {
        m_line.OnHand = IsSale() ? product.UnitsOnHand - 1 : product.UnitsOnHand + 1;
        SetQuantity(1);
    }
    // A sale takes the product's tax; a product without one in the list, and every purchase, none.
    SetTax(kNoTax, 0.0);
    if (IsSale()) {
        SelectTax(product.TaxID);
    }
}

void CTransItemForm::AskInitialQuantity(double unitsOnHand)
{
    const bool one = m_doc.Prompter().AskYesNo(
        QStringLiteral("There is not enough QTY on hand, still want to set initial Quantity = 1 ?"),
        CPrompter::Icon::Question);
    m_line.OnHand = one ? unitsOnHand - 1 : unitsOnHand;
    SetQuantity(one ? 1 : 0);
}

void CTransItemForm::SelectTax(int32_t taxID)
{
    for (const TaxRecord& tax : m_doc.Taxes()) {
        if (tax.TaxID == taxID) {
            SetTax(tax.TaxName, tax.TaxRate);
            return;
        }
    }
}

void CTransItemForm::SetTax(const QString& name, double rate)
{
    m_line.TaxName = name;
    m_line.TaxRate = rate;
}

// A price or quantity from the pad: within the bounds, not negative, and with the other factor
// an amount within the bounds too.
bool CTransItemForm::TakeNumber(double value, double otherFactor)
{
    CPrompter& prompter = m_doc.Prompter();
    if (!IsWithinBounds(value)) {
        prompter.ShowMessage(OutOfRangeText(FormatLocaleNumber("%.2lf", value)));
        return false;
    }
    if (value < 0) {
        prompter.ShowMessage(QStringLiteral("You can not input a negative value!"));
        return false;
    }
    const double amount = value * otherFactor;
    if (!IsWithinBounds(amount)) {
        prompter.ShowMessage(
            AmountOutOfRangeText(QStringLiteral("The line's amount"), FormatLocaleNumber("%.2lf", amount)));
        return false;
    }
    return true;
}

bool CTransItemForm::EnterPrice()
{
    const std::optional<double> price =
        m_doc.Prompter().RunNumberPad(QStringLiteral("Item Price"), QStringLiteral("Change Price "), m_line.Price);
    return price && TakePrice(*price);
}

bool CTransItemForm::TakePrice(double price)
{
    if (!TakeNumber(price, m_line.Quantity)) {
        return false;
    }
    m_line.Price = price;
    return true;
}

bool CTransItemForm::EnterQuantity()
{
    const std::optional<double> quantity =
        m_doc.Prompter().RunNumberPad(QStringLiteral("Item Qty"), QStringLiteral("Change Quantity "), m_line.Quantity);
    return quantity && TakeQuantity(*quantity);
}

bool CTransItemForm::TakeQuantity(double quantity)
{
    if (!TakeNumber(quantity, m_line.Price)) {
        return false;
    }
    const double change = quantity - m_line.Quantity;
    if (IsSale()) {
        const bool beyondStock = change > m_line.OnHand && !IsNoise(change - m_line.OnHand);
        if (beyondStock &&
            !m_doc.Prompter().AskYesNo(QStringLiteral("There is not enough QTY on hand, force it through?"),
                                       CPrompter::Icon::Question)) {
            return false;
        }
        m_line.OnHand -= change;
    } else {
        m_line.OnHand += change;
    }
    SetQuantity(quantity);
    return true;
}

void CTransItemForm::SetQuantity(double quantity)
{
    m_line.Quantity = quantity;
    m_quantityText = FormatQuantity(quantity);
}

bool CTransItemForm::Confirm() const
{
    if (m_line.ProductID.isEmpty() || m_doc.FindProduct(m_line.ProductID, Qt::CaseInsensitive) < 0) {
        m_doc.Prompter().ShowMessage(QStringLiteral("You Must Select a Product Item!"));
        return false;
    }
    return true;
}

TransactionLine CTransItemForm::Line() const
{
    TransactionLine line = m_line;
    if (!IsSale()) {
        line.UnitCost = line.Price;
    }
    line.ItemTotal = line.Price * line.Quantity;
    line.TaxTotal = line.ItemTotal * line.TaxRate * 0.01;
    return line;
}
