#include "CAssetBalanceReplay.h"

#include "CDbRowUpdates.h"
#include "CDbStatement.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DateText.h"
#include "LocaleNumber.h"
#include "TransactionTypes.h"

#include <vector>

namespace {
struct Row
{
    qint64 rowid = 0;
    int32_t type = 0;
    double quantity = 0.0;
    double unitCost = 0.0;
    bool stored = false;
    double lineTotal = 0.0;
};
} // namespace

// The last row before fromTime in register order; rows without a date count as the earliest.
// Transactions of one second keep the order they were made in, also after one is re-saved.
CAssetBalanceReplay::Base CAssetBalanceReplay::ReadBase(const QString& from, double& running)
{
    CDbStatement dated(m_doc.Connection(),
                       QStringLiteral("SELECT LineTotal FROM TransItem WHERE TransDate < ?1 "
                                      "ORDER BY TransDate DESC, ItemOrder DESC, TransactionID DESC, rowid DESC "
                                      "LIMIT 1"));
    if (!dated.IsValid()) {
        return Base::Unreadable;
    }
    if (dated.Bind(1, from).Next()) {
        running = RoundToCents(dated.Double(0));
        return Base::Found;
    }
    CDbStatement undated(m_doc.Connection(),
                         QStringLiteral("SELECT LineTotal FROM TransItem WHERE TransDate IS NULL "
                                        "ORDER BY ItemOrder DESC, TransactionID DESC, rowid DESC LIMIT 1"));
    if (undated.Next()) {
        running = RoundToCents(undated.Double(0));
        return Base::Found;
    }
    return Base::None;
}

void CAssetBalanceReplay::Run(const QDateTime& fromTime)
{
    const QString from = StoreDateText(fromTime);
    double running = 0.0;
    const Base base = ReadBase(from, running);
    std::vector<Row> rows;
    {
        CDbStatement query(m_doc.Connection(),
                           QStringLiteral("SELECT rowid, TransType, Quantity, UnitCost, LineTotal FROM TransItem ") +
                               (base == Base::Found ? QStringLiteral("WHERE TransDate >= ?1 ") : QString()) +
                               QStringLiteral("ORDER BY TransDate, ItemOrder, TransactionID, rowid"));
        if (base == Base::Unreadable || !query.IsValid()) {
            m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command"));
            return;
        }
        if (base == Base::Found) {
            query.Bind(1, from);
        }
        while (query.Next()) {
            rows.push_back(
                {query.Int64(0), query.Int(1), query.Double(2), query.Double(3), !query.IsNull(4), query.Double(4)});
        }
    }
    CDbRowUpdates updates(m_doc.Connection(), QStringLiteral("TransItem"), {QStringLiteral("LineTotal")});
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        if (base == Base::None && i == 0) {
            const double value = row.quantity * row.unitCost;
            running = RoundToCents(row.type == kTransSale ? -value : value);
        } else {
            const double value = RoundToCents(row.quantity * row.unitCost);
            // Kept in whole cents: a sum of cent amounts must not drift into float noise.
            running = RoundToCents(row.type == kTransSale ? running - value : running + value);
        }
        if (!row.stored || row.lineTotal != running) {
            updates.Add(row.rowid, {running});
        }
    }
    updates.Write();
}
