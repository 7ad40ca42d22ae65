#pragma once

#include "CCategorySummaryBuilder.h"

// "Sales Summary Report": per product the quantity sold, the amount, the cost of the goods sold
// at their average cost and the gross margin, grouped by category, with category and grand
// totals.
class CSalesSummaryBuilder final : public CCategorySummaryBuilder
{
public:
    static QString Statement();
    static QList<ReportColumn> Columns();
    static void Build(const QList<ProductSums>& sums, CReportRowSink& rows);

private:
    struct Sums
    {
        double quantity = 0.0;
        double amount = 0.0;
        double cost = 0.0; // not rounded
    };

    explicit CSalesSummaryBuilder(CReportRowSink& rows) : CCategorySummaryBuilder(rows) {}

    void AddToProduct(const ProductSums& sums) override;
    void CloseProduct(const QString& product) override;
    void CloseCategory(const QString& category) override;
    void AddGrandTotal() override;
    void AddTotalRow(ReportRow::Kind kind, const QString& first, const Sums& sums);

    Sums m_product;
    Sums m_category;
    Sums m_grand;
};
