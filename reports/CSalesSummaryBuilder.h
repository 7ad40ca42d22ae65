#pragma once

#include "CCategorySummaryBuilder.h"

// "Sales Summary Report": per product the quantity sold, the amount, the cost of the goods sold
// at their average cost and the gross margin, grouped by category, with category and grand
// totals.
class CSalesSummaryBuilder final : public CCategorySummaryBuilder
{
public:
    static QString Statement();
    // Only sales dated before toBound are taken.
    static CReport Build(const QList<ReportItem>& items, const QDateTime& toBound);

private:
    struct Sums
    {
        double quantity = 0.0;
        double amount = 0.0;
        double cost = 0.0; // not rounded
    };

    CSalesSummaryBuilder();

    void AddToProduct(const ReportItem& item) override;
    void CloseProduct(const QString& product) override;
    void CloseCategory(const QString& category) override;
    void AddGrandTotal() override;
    void AddTotalRow(ReportRow::Kind kind, const QString& first, const Sums& sums);

    Sums m_product;
    Sums m_category;
    Sums m_grand;
};
