#pragma once

#include "ItemRecord.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

class CInventoryDoc;

// Stock that changes without a sale or purchase: a one-line adjustment (type 2) or opening
// balance (type 3) transaction whose memo names the signed quantity, and later changes of an
// adjustment's quantity.
class CStockAdjustment
{
public:
    explicit CStockAdjustment(CInventoryDoc& doc) : m_doc(doc) {}

    // item.UnitsOnHand holds the quantity of the posting; AvgCost and SalePrice the product's
    // current values (a caller takes them inside its own operation, so they are the file's).
    // Failures to write a row are shown and the rest goes on; false only when the operation
    // could not run or commit.
    bool Post(const ItemRecord& item, int kind);
    // Rewrites memo, quantity and totals of adjustment transactionID; false when it is not there
    // or the operation could not run or commit.
    bool ChangeQuantity(int32_t transactionID, double quantity);

    enum class Edit
    {
        Changed,
        Unchanged, // the same quantity: nothing to do
        Refused,   // zero ("Zero is not a valid adjustment value!") or out of bounds, and said so
        Failed     // the change could not be written; the book is as it was
    };
    // The register's change of an adjustment row (its product and date) from oldQuantity to
    // newQuantity: the rewrite and the re-derivation of the product and the running value.
    Edit EditQuantity(int32_t transactionID, const QString& productID, const QDateTime& date, double oldQuantity,
                      double newQuantity);

    // "Adjust on hand (+5)", "Adjust on hand (-2.50)".
    static QString AdjustmentMemo(double quantity);
    // "Open Balance (+12)", "Open Balance (+2.50)", with the locale's number form where it applies.
    static QString OpeningBalanceMemo(double quantity);

private:
    CInventoryDoc& m_doc;
};
