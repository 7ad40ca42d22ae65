#pragma once

#include "CCategorySummaryBuilder.h"

// "Purchases Summary Report": per product the quantity bought and the amount paid, grouped by
// category, with category and grand totals.
class CPurchasesSummaryBuilder final : public CCategorySummaryBuilder
{
public:
    static QString Statement();
    static QList<ReportColumn> Columns();
    static void Build(const QList<ProductSums>& sums, CReportRowSink& rows);

private:
    explicit CPurchasesSummaryBuilder(CReportRowSink& rows) : CCategorySummaryBuilder(rows) {}

    void AddToProduct(const ProductSums& sums) override;
    void CloseProduct(const QString& product) override;
    void CloseCategory(const QString& category) override;
    void AddGrandTotal() override;

    double m_productQuantity = 0.0;
    double m_productAmount = 0.0;
    double m_categoryAmount = 0.0;
    double m_grandAmount = 0.0;
};
