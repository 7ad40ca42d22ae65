#include "CBookScenario.h"
#include "CStockAdjustment.h"
#include "CTransactionDeletion.h"
#include "LocaleNumber.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Day = CBookScenario;

ItemRecord Change(CBookScenario& book, const QString& product, double quantity)
{
    ItemRecord item = book.Product(product);
    item.UnitsOnHand = quantity;
    return item;
}

TEST(Adjustments, MemosNameTheSignedQuantity)
{
    EXPECT_EQ(CStockAdjustment::AdjustmentMemo(-3), "Adjust on hand (-3)");
    EXPECT_EQ(CStockAdjustment::AdjustmentMemo(0.25), "Adjust on hand (+0.25)");
    EXPECT_EQ(CStockAdjustment::AdjustmentMemo(1234.5), "Adjust on hand (+1234.50)");
    EXPECT_EQ(CStockAdjustment::OpeningBalanceMemo(12), "Open Balance (+12)");
    EXPECT_EQ(CStockAdjustment::OpeningBalanceMemo(2.5), "Open Balance (+2.50)");
    EXPECT_EQ(CStockAdjustment::OpeningBalanceMemo(-1234.5), "Open Balance (-1,234.50)");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(CStockAdjustment::OpeningBalanceMemo(-2.5), "Open Balance (-2,50)");
    EXPECT_EQ(CStockAdjustment::OpeningBalanceMemo(2.5), "Open Balance (+2.50)");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(Adjustments, AdjustingOnHandPostsOneTransactionAtTheAverageCost)
{
    CBookScenario book;
    book.AddProduct("Widget");
    book.Purchase(Day::Day(1), {{"Widget", 10, 4}});
    book.Doc().PostStockAdjustment(Change(book, "Widget", -3), CInventoryDoc::kAdjustment);
    EXPECT_EQ(book.Book().Rows("SELECT TransactionID, TransDate, TransType, InvoiceNum, ProductID, ProductName, "
                               "CompanyName, Quantity, Discount, UnitCost, Price, TaxID, TaxName, TaxRate, ItemTotal, "
                               "TaxTotal, LineTotal, Split, AvgCost, UnitsOnHand, CategoryName, ItemOrder "
                               "FROM TransItem where TransType = 2"),
              QStringList{"1|2/1/26 12:00 PM|2||Widget|About Widget|Adjust on hand (-3)|-3|0|4|10|0||0|-12|0|28|1|4|"
                          "7|[#Empty#]|[#Empty#]"});
    EXPECT_EQ(book.Book().Rows("SELECT * FROM Transaction where TransType = 2"),
              QStringList{"1|2/1/26 12:00 PM|2||0|Adjust on hand (-3)|0|-12|-12|0|0|"});
    EXPECT_EQ(book.ItemRow("Widget"), "7|0|4|7");
}

TEST(Adjustments, OpeningBalanceOfANewProductSetsStockAndCost)
{
    CBookScenario book;
    book.AddProduct("Screw");
    ItemRecord screw = Change(book, "Screw", 12);
    screw.AvgCost = 2.5;
    screw.UnitCost = 2.5;
    book.Doc().PostStockAdjustment(screw, CInventoryDoc::kOpeningBalance);
    EXPECT_EQ(book.Book().Rows("SELECT TransType, CompanyName, Quantity, UnitCost, AvgCost, UnitsOnHand, LineTotal "
                               "FROM TransItem"),
              QStringList{"3|Open Balance (+12)|12|2.5|2.5|12|30"});
    EXPECT_EQ(book.ItemRow("Screw"), "12|0|2.5|7");
}

TEST(Adjustments, ChangingAnAdjustmentRewritesItAndTheCallerReDerives)
{
    CBookScenario book;
    book.AddProduct("Bolt");
    book.Purchase(Day::Day(1), {{"Bolt", 10, 2}});
    book.Doc().PostStockAdjustment(Change(book, "Bolt", 5), CInventoryDoc::kAdjustment);
    EXPECT_EQ(book.ItemRow("Bolt"), "15|0|2|7");
    const QDateTime date(QDate(2026, 2, 1), QTime(12, 0));
    CStockAdjustment adjustments(book.Doc());
    EXPECT_EQ(adjustments.EditQuantity(1, "Bolt", date, 5, 5), CStockAdjustment::Edit::Unchanged);
    EXPECT_EQ(adjustments.EditQuantity(1, "Bolt", date, 5, 0), CStockAdjustment::Edit::Refused);
    EXPECT_EQ(book.Book().Prompter().Shown(), QStringList{"Zero is not a valid adjustment value!"});
    EXPECT_EQ(adjustments.EditQuantity(1, "Bolt", date, 5, 8), CStockAdjustment::Edit::Changed);
    EXPECT_EQ(book.Book().Rows("SELECT CompanyName, Quantity, ItemTotal, LineTotal FROM TransItem where "
                               "TransactionID=1"),
              QStringList{"Adjust on hand (+8)|8|16|36"});
    EXPECT_EQ(book.Book().Rows("SELECT CompanyName, SubTotal, CostTotal FROM Transaction where TransactionID=1"),
              QStringList{"Adjust on hand (+8)|16|16"});
    EXPECT_EQ(book.ItemRow("Bolt"), "18|0|2|7");
    EXPECT_FALSE(book.Doc().ChangeAdjustmentQuantity(99, 1));
}

TEST(Adjustments, FloatNoiseIsNoChangeAndTheRunningValueStaysInCents)
{
    CBookScenario book;
    book.AddProduct("Rope");
    book.Purchase(CBookScenario::Day(1), {{"Rope", 1, 1}});
    for (const double quantity : {0.1, 0.2}) {
        ItemRecord rope = book.Product("Rope");
        rope.UnitsOnHand = quantity;
        ASSERT_TRUE(book.Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment));
    }
    // 1 + 0.1 + 0.2 on hand is 1.3000000000000003 in doubles: the same quantity again changes nothing.
    EXPECT_EQ(CStockAdjustment(book.Doc()).EditQuantity(2, "Rope", CBookScenario::Day(1), 0.2, 0.2 + 1e-12),
              CStockAdjustment::Edit::Unchanged);
    EXPECT_EQ(CStockAdjustment(book.Doc()).EditQuantity(2, "Rope", CBookScenario::Day(1), 0.2, 1e-12),
              CStockAdjustment::Edit::Refused);
    EXPECT_EQ(book.Book().Rows("SELECT count(*) FROM TransItem"), QStringList{"3"});
    const double running = book.Book().Scalar("SELECT LineTotal FROM TransItem order by rowid desc").ToDouble();
    EXPECT_EQ(running, 1.3);
    EXPECT_EQ(RoundToCents(0.57), 0.57);
    EXPECT_EQ(RoundToCents(0.1 + 0.2), 0.3);
}

TEST(Deletion, QuestionsFollowTypeAndItems)
{
    EXPECT_EQ(CTransactionDeletion::Question(0, 1), "Delete the purchase transaction?");
    EXPECT_EQ(CTransactionDeletion::Question(1, 0), "Delete the sale transaction?");
    EXPECT_EQ(CTransactionDeletion::Question(0, 3), "Delete the whole purchase transaction with 3 Sub Items?");
    EXPECT_EQ(CTransactionDeletion::Question(1, 2), "Delete the whole sale transaction with 2 Sub Items?");
    EXPECT_EQ(CTransactionDeletion::Question(2, 5), "Delete the adjustment transaction?");
    EXPECT_EQ(CTransactionDeletion::Question(3, 1), "Delete the adjustment transaction?");
}

TEST(Deletion, DeletingTheOnlyTransactionLeavesNothingOnHand)
{
    CBookScenario book;
    book.AddProduct("Solo", 3);
    const int32_t id = book.Purchase(Day::Day(2), {{"Solo", 10, 4}});
    EXPECT_EQ(book.ItemRow("Solo"), "10|3|4|7");
    EXPECT_TRUE(book.Doc().DeleteTransaction(id, Day::Day(2)));
    EXPECT_EQ(book.ItemRow("Solo"), "0|3|0|7");
    EXPECT_EQ(book.Book().Rows("SELECT count(*) FROM Transaction"), QStringList{"0"});
}

TEST(Deletion, DeletingAPurchaseRestoresTheAverageAndTheRunningValueAddsUp)
{
    CBookScenario book;
    book.AddProduct("Gear");
    book.AddProduct("Belt");
    book.Purchase(Day::Day(1), {{"Gear", 10, 4}, {"Belt", 2, 10}});
    const int32_t dear = book.Purchase(Day::Day(2), {{"Gear", 10, 8}});
    book.Sale(Day::Day(3), {{"Gear", 5, 20}, {"Belt", 1, 30}});
    EXPECT_EQ(book.ItemRow("Gear"), "15|8|6|7");
    EXPECT_TRUE(book.Doc().DeleteTransaction(dear, Day::Day(2)));
    EXPECT_EQ(book.ItemRow("Gear"), "5|8|4|7");
    // The sale's rows now cost the restored average, and the running value follows them.
    EXPECT_EQ(book.Book().Rows("SELECT ProductID, UnitCost, LineTotal FROM TransItem order by TransDate, ItemOrder"),
              (QStringList{"Gear|4|40", "Belt|10|60", "Gear|4|40", "Belt|10|30"}));
}

} // namespace
