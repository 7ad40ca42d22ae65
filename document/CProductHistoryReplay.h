#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

class CDbRowUpdates;
class CInventoryDoc;

// Replays one product's history (its TransItem rows in the register's order: by date, then line
// position, then transaction) from a point in time: the last row before it is the settled base,
// every later row gets its on-hand and average cost snapshots rewritten, then the product's Item
// row. Reads only the base row and the rows from fromTime on, through the (ProductID, TransDate)
// index, and writes the rows whose values changed in one go.
class CProductHistoryReplay
{
public:
    explicit CProductHistoryReplay(CInventoryDoc& doc) : m_doc(doc) {}

    // False (after the message) when the history cannot be read; nothing is written then.
    bool Run(const QString& productID, int32_t vendorID, const QDateTime& fromTime);

private:
    struct Row
    {
        qint64 rowid = 0;
        int32_t type = 0;
        double quantity = 0.0;
        double unitCost = 0.0;
        double price = 0.0;
        bool hasSnapshot = false;
        double avgCost = 0.0;
        double onHand = 0.0;
    };
    struct State
    {
        double onHand = 0.0;
        double avg = 0.0;
        double lastPurchasePrice = 0.0;
    };

    enum class Base
    {
        Found,
        None,
        Unreadable
    };
    Base ReadBase(const QString& productID, const QString& from, State& state);
    bool ReadRows(const QString& productID, const QString& from, bool afterBase, std::vector<Row>& rows);
    static double Seed(const Row& row, State& state);
    static double Apply(const Row& row, State& state);
    static void WriteRow(CDbRowUpdates& updates, const Row& row, double unitCost, const State& state);
    bool WriteItem(const QString& productID, int32_t vendorID, const State& state);
    void ReportFailure();

    CInventoryDoc& m_doc;
};
