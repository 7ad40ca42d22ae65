#pragma once

#include "CReport.h"
#include "ReportItem.h"

#include <QDateTime>
#include <QList>

// What the two summary reports share: sales (or purchases) of a range summed per product and
// grouped by category. Items arrive ordered by category, then product; a product row closes
// when the product or the category changes, a category total when the category does. The
// reports fill in the sums and the rows.
class CCategorySummaryBuilder
{
public:
    virtual ~CCategorySummaryBuilder() = default;

protected:
    // transType: kTransSale or kTransPurchase, the only lines taken.
    CCategorySummaryBuilder(ReportKind kind, QList<ReportColumn> columns, int32_t transType);

    // The lines of one type in a range (its bounds bound to ?1 and ?2), by category and product.
    static QString Statement(int32_t transType);
    CReport BuildFrom(const QList<ReportItem>& items, const QDateTime& toBound);

    // A line of the current product; its sums start at zero after each CloseProduct.
    virtual void AddToProduct(const ReportItem& item) = 0;
    // Writes the product's row, adds its sums into the category's, clears them.
    virtual void CloseProduct(const QString& product) = 0;
    // Writes the category's total row, adds its sums into the grand sums, clears them.
    virtual void CloseCategory(const QString& category) = 0;
    virtual void AddGrandTotal() = 0;

    CReport m_report;

private:
    void Add(const ReportItem& item);
    void Finish();

    int32_t m_transType;
    bool m_started = false;
    QString m_category;
    QString m_product;
};
