#pragma once

#include "CReportRowSink.h"
#include "ReportColumn.h"
#include "ReportKind.h"

#include <QList>

// What the two summary reports share: sales (or purchases) of a range summed per product and
// grouped by category. The store sums the lines of each product (a book of a decade has a
// million); the sums arrive ordered by category, then product, and a product row closes when the
// product or the category changes (without regard to case), a category total when the category
// does. The reports fill in the sums and the rows.
class CCategorySummaryBuilder
{
public:
    virtual ~CCategorySummaryBuilder() = default;

    // The lines of one product and category in the range, each rounded to cents as a line is
    // before it is added; the cost (average cost times quantity) is not rounded.
    struct ProductSums
    {
        QString product;
        QString category;
        double quantity = 0.0;
        double amount = 0.0;
        double cost = 0.0;
    };

protected:
    explicit CCategorySummaryBuilder(CReportRowSink& rows) : m_rows(rows) {}

    // The sums of the lines of one type (kTransSale or kTransPurchase) in a range (its bounds
    // bound to ?1 and ?2), by category and product, in the fields of ProductSums.
    static QString Statement(int32_t transType);
    void BuildFrom(const QList<ProductSums>& sums);

    // Sums of the current product; they start at zero after each CloseProduct.
    virtual void AddToProduct(const ProductSums& sums) = 0;
    // Writes the product's row, adds its sums into the category's, clears them.
    virtual void CloseProduct(const QString& product) = 0;
    // Writes the category's total row, adds its sums into the grand sums, clears them.
    virtual void CloseCategory(const QString& category) = 0;
    virtual void AddGrandTotal() = 0;

    CReportRowSink& m_rows;

private:
    void Add(const ProductSums& sums);
    void Finish();

    bool m_started = false;
    QString m_category;
    QString m_product;
};
