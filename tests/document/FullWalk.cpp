#include "FullWalk.h"

#include "AsciiFold.h"
#include "CBookScenario.h"
#include "CDbRecordset.h"
#include "LocaleNumber.h"
#include "TransactionTypes.h"

#include <QHash>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct StoredRow
{
    QString product;
    int type = 0;
    double quantity = 0, unitCost = 0, price = 0, avgCost = 0, onHand = 0, lineTotal = 0;
};

std::vector<StoredRow> ReadRows(CTestBook& book, const QString& order)
{
    std::vector<StoredRow> rows;
    CDbRecordset recordset(book.Connection());
    recordset.Open("SELECT ProductID, TransType, Quantity, UnitCost, Price, AvgCost, UnitsOnHand, LineTotal FROM "
                   "TransItem order by " +
                       order,
                   CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly);
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        StoredRow row;
        row.product = recordset.GetFieldValue(0).ToText();
        row.type = recordset.GetFieldValue(1).ToInt32();
        row.quantity = recordset.GetFieldValue(2).ToDouble();
        row.unitCost = recordset.GetFieldValue(3).ToDouble();
        row.price = recordset.GetFieldValue(4).ToDouble();
        row.avgCost = recordset.GetFieldValue(5).ToDouble();
        row.onHand = recordset.GetFieldValue(6).ToDouble();
        row.lineTotal = recordset.GetFieldValue(7).ToDouble();
        rows.push_back(row);
    }
    return rows;
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

} // namespace

void ExpectHistoriesMatchAFullWalk(CBookScenario& book, const std::string& step)
{
    struct State
    {
        bool seeded = false;
        double onHand = 0, avg = 0;
    };
    // Every history and the running value go in the register's order.
    const std::vector<StoredRow> rows = ReadRows(book.Book(), "TransDate, ItemOrder, TransactionID, rowid");
    QHash<QString, State> states;
    for (const StoredRow& row : rows) {
        State& state = states[AsciiFolded(row.product)];
        double unitCost = row.unitCost;
        if (!state.seeded) {
            state.seeded = true;
            state.onHand = row.type == kTransSale ? -row.quantity : row.quantity;
            state.avg = row.type == kTransPurchase ? row.price : row.unitCost;
        } else if (row.type == kTransSale) {
            state.onHand -= row.quantity;
            unitCost = state.avg;
        } else if (row.type == kTransPurchase) {
            const double newOnHand = row.quantity + state.onHand;
            state.avg = state.onHand <= 0 ? row.price
                        : newOnHand > 0   ? (row.price * row.quantity + state.onHand * state.avg) / newOnHand
                                          : row.unitCost;
            state.onHand = newOnHand;
        } else {
            state.onHand += row.quantity;
            unitCost = row.type == kTransOpeningBalance && row.quantity > 0 ? row.unitCost : state.avg;
        }
        ASSERT_TRUE(Near(row.unitCost, unitCost)) << step << " unit cost of " << row.product.toStdString();
        ASSERT_TRUE(Near(row.avgCost, state.avg)) << step << " average of " << row.product.toStdString();
        ASSERT_TRUE(Near(row.onHand, state.onHand)) << step << " on hand of " << row.product.toStdString();
    }
    for (const ItemRecord& item : book.Doc().Products()) {
        const State state = states.value(AsciiFolded(item.ProductID));
        ASSERT_TRUE(Near(item.UnitsOnHand, state.onHand)) << step << " item " << item.ProductID.toStdString();
        ASSERT_TRUE(Near(item.AvgCost, state.avg)) << step << " item " << item.ProductID.toStdString();
    }
    double running = 0;
    bool first = true;
    for (const StoredRow& row : rows) {
        const double value = row.quantity * row.unitCost;
        if (first) {
            running = RoundToCents(row.type == kTransSale ? -value : value);
            first = false;
        } else {
            running = RoundToCents(running + (row.type == kTransSale ? -RoundToCents(value) : RoundToCents(value)));
        }
        ASSERT_TRUE(std::fabs(row.lineTotal - running) < 1e-6) << step << " running value";
    }
}
