#include "CTransactionPoster.h"

#include "AsciiFold.h"
#include "CDbRecordset.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CStoredTransaction.h"
#include "CTransactionDeletion.h"
#include "TransItemRow.h"
#include "TransactionRow.h"
#include "TransactionTypes.h"

#include <QHash>

#include <vector>

namespace {

// The products to re-derive, each once, in the order first named, with the vendor to record.
class ProductsToReplay
{
public:
    void Add(const QString& productID, int32_t vendorID)
    {
        const QString key = AsciiFolded(productID);
        if (m_index.contains(key)) {
            return;
        }
        m_index.insert(key, static_cast<int>(m_products.size()));
        m_products.push_back({productID, vendorID});
    }
    const std::vector<std::pair<QString, int32_t>>& Products() const { return m_products; }

private:
    QHash<QString, int> m_index;
    std::vector<std::pair<QString, int32_t>> m_products;
};

TransItemRow LineRow(const SalePurchasePosting& posting, const PostingResult& result, const QString& dateText,
                     int order)
{
    const TransactionLine& line = posting.Lines[order];
    TransItemRow row;
    row.TransactionID = result.TransactionID;
    row.TransDate = dateText;
    row.TransType = posting.TransType;
    row.InvoiceNum = result.InvoiceNum;
    row.ProductID = line.ProductID;
    row.ProductName = line.ProductName;
    row.CompanyName = posting.CompanyName;
    row.Quantity = line.Quantity;
    row.UnitCost = line.UnitCost;
    row.Price = line.Price;
    row.TaxName = line.TaxName;
    row.TaxRate = line.TaxRate;
    row.ItemTotal = line.ItemTotal;
    row.TaxTotal = line.TaxTotal;
    row.Split = static_cast<int32_t>(posting.Lines.size());
    row.AvgCost = 0.0;
    row.UnitsOnHand = 0.0;
    row.CategoryName = line.CategoryName;
    row.ItemOrder = order;
    return row;
}

} // namespace

// Every line must name a product of the book as it is now: another program may have deleted one
// since the form was filled, and movements of a product that does not exist would be lost.
bool CTransactionPoster::LinesNameProducts(const SalePurchasePosting& posting)
{
    for (const TransactionLine& line : posting.Lines) {
        if (m_doc.FindProduct(line.ProductID, Qt::CaseInsensitive) < 0) {
            m_doc.Prompter().ShowMessage(
                QStringLiteral("The product \"%1\" is no longer in the list; the transaction was not saved.")
                    .arg(line.ProductID));
            return false;
        }
    }
    return true;
}

PostingResult CTransactionPoster::Post(const SalePurchasePosting& posting)
{
    PostingResult result;
    CDocOperation operation(m_doc);
    if (!operation.Started() || !LinesNameProducts(posting)) {
        return result;
    }
    const bool isNew = posting.TransactionID < 0;
    result.TransactionID = isNew ? m_doc.TakeNextTransactionId() : posting.TransactionID;
    result.InvoiceNum = posting.InvoiceNumFromID ? QString::number(result.TransactionID) : posting.InvoiceNum;

    // The rows being replaced are read here, inside the operation: the form's copy may be older
    // than what another program stored since.
    ProductsToReplay previous;
    QDateTime fromTime = std::min(posting.PreviousDate, posting.NewDate);
    if (!isNew) {
        CStoredTransaction stored(m_doc);
        if (!stored.Load(result.TransactionID)) {
            return result;
        }
        for (const TransactionLine& line : stored.Lines()) {
            previous.Add(line.ProductID, -1);
        }
        if (!stored.Lines().isEmpty() && stored.TransDate().isValid()) {
            fromTime = std::min(fromTime, stored.TransDate());
        }
    }
    for (const TransactionLine& line : posting.PreviousLines) {
        previous.Add(line.ProductID, -1);
    }
    if (!CTransactionDeletion::DeleteRows(m_doc, result.TransactionID)) {
        return result;
    }
    const QString dateText = TransDateText(posting.NewDate);

    // Every recomputation starts at the same fromTime, so re-deriving a product once, after all
    // rows are written, ends exactly where one re-derivation per line would.
    ProductsToReplay replay;
    TransactionRow total;
    for (int i = 0; i < posting.Lines.size(); ++i) {
        const TransactionLine& line = posting.Lines[i];
        if (LineRow(posting, result, dateText, i).Append(m_doc.Connection())) {
            replay.Add(line.ProductID, posting.TransType == kTransPurchase ? posting.VendorID : -1);
        } else {
            m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
        }
        total.TaxTotal += line.TaxTotal;
        total.SubTotal += line.ItemTotal;
        total.CostTotal += line.UnitCost * line.Quantity;
    }
    for (const auto& [productID, vendorID] : previous.Products()) {
        replay.Add(productID, vendorID);
    }
    for (const auto& [productID, vendorID] : replay.Products()) {
        m_doc.RecomputeProductHistory(productID, vendorID, fromTime);
    }

    total.TransactionID = result.TransactionID;
    total.TransDate = dateText;
    total.PayeeID = posting.PayeeID;
    total.TransType = posting.TransType;
    total.InvoiceNum = result.InvoiceNum;
    total.CompanyName = posting.CompanyName;
    if (total.Append(m_doc.Connection())) {
        m_doc.RecomputeAssetBalance(isNew ? posting.NewDate : fromTime);
    } else {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
    }
    result.Saved = operation.Commit();
    return result;
}
