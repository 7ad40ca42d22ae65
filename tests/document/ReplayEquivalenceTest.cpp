// Re-deriving from the changed date must end exactly where re-deriving every history from its
// first row ends. Random books of purchases, sales, returns, back-dated edits, deletions and
// adjustments are checked against a full walk after every operation.

#include "AsciiFold.h"
#include "CBookScenario.h"
#include "CDbRecordset.h"
#include "CStockAdjustment.h"
#include "CStoredTransaction.h"
#include "LocaleNumber.h"
#include "TransactionTypes.h"

#include <QHash>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

// Every product's history walked from its first row, as the rules read.
void ExpectHistoriesMatchAFullWalk(CBookScenario& book, const std::string& step)
{
    struct State
    {
        bool seeded = false;
        double onHand = 0, avg = 0;
    };
    QHash<QString, State> states;
    for (const StoredRow& row : ReadRows(book.Book(), "TransDate, rowid")) {
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
    for (const StoredRow& row : ReadRows(book.Book(), "TransDate, ItemOrder, rowid")) {
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

class ReplayEquivalence : public testing::TestWithParam<unsigned>
{};

TEST_P(ReplayEquivalence, IncrementalReplayEqualsAFullWalk)
{
    CBookScenario book;
    const QStringList products = {"Alpha", "beta", "O'Hara", "Ärger"};
    for (const QString& product : products) {
        book.AddProduct(product);
    }
    std::mt19937 random(GetParam());
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const auto someDate = [&] { return QDateTime(QDate(2026, 1, pick(1, 12)), QTime(pick(8, 9), 0)); };
    const auto someLines = [&](bool sale) {
        QList<CBookScenario::Line> lines;
        QStringList chosen = products;
        std::shuffle(chosen.begin(), chosen.end(), random);
        for (int i = 0, n = pick(1, 3); i < n; ++i) {
            const double quantity = sale ? pick(1, 8) : (pick(0, 5) == 0 ? -pick(1, 4) : pick(1, 12));
            lines.append({chosen[i], pick(0, 3) == 0 ? quantity + 0.5 : quantity, pick(100, 999) / 100.0});
        }
        return lines;
    };
    QList<int32_t> transactions;
    QList<int32_t> adjustments;
    for (int step = 0; step < 60; ++step) {
        const int operation = pick(0, 9);
        if (operation <= 2) {
            transactions << book.Purchase(someDate(), someLines(false), pick(0, 1) ? 3 : -1);
        } else if (operation <= 4) {
            transactions << book.Sale(someDate(), someLines(true));
        } else if (operation == 5 && !transactions.isEmpty()) {
            const int32_t id = transactions[pick(0, static_cast<int>(transactions.size()) - 1)];
            CStoredTransaction stored(book.Doc());
            stored.Load(id);
            book.Edit(id, someDate(), someLines(stored.TransType() == kTransSale));
        } else if (operation == 6 && !transactions.isEmpty()) {
            const int32_t id = transactions.takeAt(pick(0, static_cast<int>(transactions.size()) - 1));
            CStoredTransaction stored(book.Doc());
            stored.Load(id);
            book.Doc().DeleteTransaction(id, stored.TransDate());
        } else if (operation <= 8) {
            const QDateTime now = someDate();
            book.Doc().SetClock([now] { return now; });
            ItemRecord item = book.Product(products[pick(0, 3)]);
            item.UnitsOnHand = pick(-4, 6) + (pick(0, 1) ? 0.25 : 1.0);
            adjustments << book.Doc().Counters().TransID;
            book.Doc().PostStockAdjustment(item, operation == 7 ? CInventoryDoc::kAdjustment
                                                                : CInventoryDoc::kOpeningBalance);
        } else if (!adjustments.isEmpty()) {
            const int32_t id = adjustments[pick(0, static_cast<int>(adjustments.size()) - 1)];
            CStoredTransaction stored(book.Doc());
            if (stored.Load(id) && stored.TransType() == kTransAdjustment) {
                const TransactionLine& line = stored.Lines().first();
                CStockAdjustment(book.Doc())
                    .EditQuantity(id, line.ProductID, stored.TransDate(), line.Quantity, pick(1, 9));
            }
        }
        ExpectHistoriesMatchAFullWalk(book, "step " + std::to_string(step));
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_TRUE(book.Book().Prompter().Shown().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, ReplayEquivalence, testing::Values(1u, 2u, 3u, 4u, 5u));

} // namespace
