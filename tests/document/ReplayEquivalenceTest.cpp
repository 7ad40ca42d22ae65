// Re-deriving from the changed date must end exactly where re-deriving every history from its
// first row ends. Random books of purchases, sales, returns, back-dated edits, deletions and
// adjustments are checked against a full walk after every operation.

#include "CBookScenario.h"
#include "CStockAdjustment.h"
#include "CStoredTransaction.h"
#include "FullWalk.h"
#include "TransactionTypes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

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
