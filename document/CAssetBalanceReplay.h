#pragma once

#include <QDateTime>

class CInventoryDoc;

// Rewrites the running inventory value, TransItem.LineTotal, over all rows in register order
// (TransDate, ItemOrder, TransactionID, rowid) from a point in time: the last row before it is the
// settled base, each later row adds its value rounded to cents (a sale subtracts it). The store
// sums the whole cents in one pass and writes only the rows whose value changes, so a
// back-dated save costs about one UPDATE of the later rows, with no row passing through here.
class CAssetBalanceReplay
{
public:
    explicit CAssetBalanceReplay(CInventoryDoc& doc) : m_doc(doc) {}

    // Shows "Unable to execute command" when the rows cannot be read or written.
    void Run(const QDateTime& fromTime);

private:
    enum class Base
    {
        Found,
        None,
        Empty,
        Unreadable
    };
    // The cents the running value starts from, before the first row the statement sums.
    Base ReadBase(const QString& from, double& cents);

    CInventoryDoc& m_doc;
};
