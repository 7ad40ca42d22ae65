#pragma once

#include "CReportRowSink.h"
#include "ItemRecord.h"
#include "ReportColumn.h"

#include <QList>

// "Inventory Current Valuation Summary Report": the stock of every product now, at average cost
// and at sale price, grouped by category, with category totals and a grand total. It reads the
// catalogue, not the movements, so it has no range.
class CValuationSummaryBuilder
{
public:
    // Products in the catalogue's order (category name, then product).
    static QList<ReportColumn> Columns();
    static void Build(const QList<ItemRecord>& products, CReportRowSink& rows);

private:
    struct Sums
    {
        double onHand = 0.0;
        double value = 0.0;
        double retail = 0.0;
    };

    explicit CValuationSummaryBuilder(CReportRowSink& rows) : m_rows(rows) {}

    void Add(const ItemRecord& product);
    void StartGroup(const QString& category);
    void CloseGroup();
    void Finish();

    CReportRowSink& m_rows;
    bool m_inGroup = false;
    QString m_category;
    Sums m_group;
    Sums m_grand;
};
