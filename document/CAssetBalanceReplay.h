#pragma once

#include <QDateTime>

class CInventoryDoc;

// Rewrites the running inventory value, TransItem.LineTotal, over all rows in (TransDate,
// ItemOrder) order from a point in time: the last row before it is the settled base, each later
// row adds its rounded value (a sale subtracts it). Reads only the base row and the rows from
// fromTime on, through the (TransDate, ItemOrder) index, and writes the changed ones in one go.
class CAssetBalanceReplay
{
public:
    explicit CAssetBalanceReplay(CInventoryDoc& doc) : m_doc(doc) {}

    // Shows "Unable to execute command" and writes nothing when the rows cannot be read.
    void Run(const QDateTime& fromTime);

private:
    enum class Base
    {
        Found,
        None,
        Unreadable
    };
    Base ReadBase(const QString& from, double& running);

    CInventoryDoc& m_doc;
};
