#pragma once

#include "CReport.h"
#include "ItemRecord.h"

#include <QList>

// "Inventory Current Valuation Summary Report": the stock of every product now, at average cost
// and at sale price, grouped by category, with category totals and a grand total. It reads the
// catalogue, not the movements, so it has no range.
class CValuationSummaryBuilder
{
public:
    // Products in the catalogue's order (category name, then product).
    static CReport Build(const QList<ItemRecord>& products);

private:
    struct Sums
    {
        double onHand = 0.0;
        double value = 0.0;
        double retail = 0.0;
    };

    CValuationSummaryBuilder();

    void Add(const ItemRecord& product);
    void StartGroup(const QString& category);
    void CloseGroup();
    void Finish();

    CReport m_report;
    bool m_inGroup = false;
    QString m_category;
    Sums m_group;
    Sums m_grand;
};
