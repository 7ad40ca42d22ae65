#include "CProductHistoryReplay.h"

#include "CDbRowUpdates.h"
#include "CDbStatement.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DateText.h"
#include "TransactionTypes.h"

#include <vector>

namespace {
const QString kColumns = QStringLiteral("SELECT rowid, TransType, Quantity, UnitCost, Price, AvgCost, UnitsOnHand "
                                        "FROM TransItem ");
} // namespace

void CProductHistoryReplay::ReportFailure()
{
    m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Adjust Onhand"));
}

// The last row dated before fromTime; a row without a date counts as the earliest. Rows of one
// second go in the register's order (line position, then the order their transactions were
// made), so the on-hand shown beside each register row follows from the one above it, and
// re-saving a transaction (which writes its rows anew) does not move it behind a later one.
CProductHistoryReplay::Base CProductHistoryReplay::ReadBase(const QString& productID, const QString& from, State& state)
{
    CDbStatement dated(
        m_doc.Connection(),
        QStringLiteral("SELECT UnitsOnHand, AvgCost FROM TransItem "
                       "WHERE ProductID = ?1 AND TransDate < ?2 "
                       "ORDER BY TransDate DESC, ItemOrder DESC, TransactionID DESC, rowid DESC LIMIT 1"));
    if (!dated.IsValid()) {
        return Base::Unreadable;
    }
    if (dated.Bind(1, productID).Bind(2, from).Next()) {
        state.onHand = dated.Double(0);
        state.avg = dated.Double(1);
        return Base::Found;
    }
    CDbStatement undated(m_doc.Connection(),
                         QStringLiteral("SELECT UnitsOnHand, AvgCost FROM TransItem "
                                        "WHERE ProductID = ?1 AND TransDate IS NULL "
                                        "ORDER BY ItemOrder DESC, TransactionID DESC, rowid DESC LIMIT 1"));
    if (undated.Bind(1, productID).Next()) {
        state.onHand = undated.Double(0);
        state.avg = undated.Double(1);
        return Base::Found;
    }
    return Base::None;
}

bool CProductHistoryReplay::ReadRows(const QString& productID, const QString& from, bool afterBase,
                                     std::vector<Row>& rows)
{
    CDbStatement query(m_doc.Connection(), kColumns +
                                               (afterBase ? QStringLiteral("WHERE ProductID = ?1 AND TransDate >= ?2 ")
                                                          : QStringLiteral("WHERE ProductID = ?1 ")) +
                                               QStringLiteral("ORDER BY TransDate, ItemOrder, TransactionID, rowid"));
    if (!query.IsValid()) {
        return false;
    }
    query.Bind(1, productID);
    if (afterBase) {
        query.Bind(2, from);
    }
    while (query.Next()) {
        rows.push_back({query.Int64(0), query.Int(1), query.Double(2), query.Double(3), query.Double(4),
                        !query.IsNull(3) && !query.IsNull(5) && !query.IsNull(6), query.Double(5), query.Double(6)});
    }
    return true;
}

// The first row of a history starts the state; returns the unit cost the row keeps.
double CProductHistoryReplay::Seed(const Row& row, State& state)
{
    state.onHand = row.type == kTransSale ? -row.quantity : row.quantity;
    state.avg = row.type == kTransPurchase ? row.price : row.unitCost;
    return row.unitCost;
}

// One later row moves the state; returns the unit cost the row gets.
double CProductHistoryReplay::Apply(const Row& row, State& state)
{
    if (row.type == kTransSale) {
        state.onHand -= row.quantity;
        return state.avg;
    }
    if (row.type == kTransPurchase) {
        const double newOnHand = row.quantity + state.onHand;
        state.lastPurchasePrice = row.price;
        if (state.onHand <= 0) {
            state.avg = row.price;
        } else if (newOnHand > 0) {
            state.avg = (row.price * row.quantity + state.onHand * state.avg) / newOnHand;
        } else {
            state.avg = row.unitCost;
        }
        state.onHand = newOnHand;
        return row.unitCost;
    }
    state.onHand += row.quantity;
    const bool keepsOwnCost = row.type == kTransOpeningBalance && row.quantity > 0;
    return keepsOwnCost ? row.unitCost : state.avg;
}

void CProductHistoryReplay::WriteRow(CDbRowUpdates& updates, const Row& row, double unitCost, const State& state)
{
    if (row.hasSnapshot && row.unitCost == unitCost && row.avgCost == state.avg && row.onHand == state.onHand) {
        return;
    }
    updates.Add(row.rowid, {unitCost, state.avg, state.onHand});
}

bool CProductHistoryReplay::WriteItem(const QString& productID, int32_t vendorID, const State& state)
{
    CDbStatement update(m_doc.Connection(),
                        QStringLiteral("UPDATE Item SET PayeeID = CASE WHEN ?1 >= 0 THEN ?1 ELSE PayeeID END, "
                                       "UnitsOnHand = ?2, UnitCost = CASE WHEN ?3 > 0 THEN ?3 ELSE UnitCost END, "
                                       "AvgCost = ?4 WHERE ProductID = ?5"));
    if (!update.IsValid()) {
        return false;
    }
    update.Bind(1, vendorID).Bind(2, state.onHand).Bind(3, state.lastPurchasePrice).Bind(4, state.avg);
    return update.Bind(5, productID).Run();
}

bool CProductHistoryReplay::Run(const QString& productID, int32_t vendorID, const QDateTime& fromTime)
{
    const QString from = StoreDateText(fromTime);
    State state;
    const Base base = ReadBase(productID, from, state);
    std::vector<Row> rows;
    if (base == Base::Unreadable || !ReadRows(productID, from, base == Base::Found, rows)) {
        ReportFailure();
        return false;
    }
    CDbRowUpdates updates(m_doc.Connection(), QStringLiteral("TransItem"),
                          {QStringLiteral("UnitCost"), QStringLiteral("AvgCost"), QStringLiteral("UnitsOnHand")});
    for (size_t i = 0; i < rows.size(); ++i) {
        const double unitCost = base == Base::None && i == 0 ? Seed(rows[i], state) : Apply(rows[i], state);
        WriteRow(updates, rows[i], unitCost, state);
    }
    updates.Write();
    if (!WriteItem(productID, vendorID, state)) {
        ReportFailure();
    }
    m_doc.ProductChanged(productID);
    return true;
}
