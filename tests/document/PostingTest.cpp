#include "CBookScenario.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CStoredTransaction.h"
#include "FullWalk.h"

#include <gtest/gtest.h>

namespace {

using Day = CBookScenario;

TEST(Posting, PurchasesAverageAndSalesTakeTheAverageCost)
{
    CBookScenario book;
    book.AddProduct("Widget");
    book.Purchase(Day::Day(1), {{"Widget", 10, 4}});
    // The first row of a history seeds it; only later purchases set the last purchase price.
    EXPECT_EQ(book.ItemRow("Widget"), "10|0|4|7");
    book.Purchase(Day::Day(2), {{"Widget", 10, 6}});
    EXPECT_EQ(book.ItemRow("Widget"), "20|6|5|7");
    book.Sale(Day::Day(3), {{"Widget", 5, 9}});
    EXPECT_EQ(book.Snapshots("Widget"), (QStringList{"4|4|10|40", "6|5|20|100", "5|5|15|75"}));
    EXPECT_EQ(book.ItemRow("Widget"), "15|6|5|7");
    EXPECT_DOUBLE_EQ(book.Product("Widget").AvgCost, 5);
    EXPECT_DOUBLE_EQ(book.Product("Widget").UnitsOnHand, 15);
    EXPECT_TRUE(book.Book().Prompter().Shown().isEmpty());
}

TEST(Posting, EveryColumnOfASaleIsWritten)
{
    CBookScenario book;
    book.AddProduct("Bolt");
    book.AddProduct("Nut");
    book.Purchase(Day::Day(1), {{"Bolt", 10, 2}, {"Nut", 4, 0.5}});
    SalePurchasePosting sale;
    sale.TransType = 1;
    sale.PreviousDate = sale.NewDate = QDateTime(QDate(2026, 1, 10), QTime(9, 5, 3));
    TransactionLine bolt{0, "Bolt", "About Bolt", 3, 0, 2, 7, 4.5, 0, "GST", 10, 13.5, 1.35, "Hardware"};
    TransactionLine nut{0, "Nut", "About Nut", 2, 0, 0.5, 2, 1, 0, "None", 0, 2, 0, "Hardware"};
    sale.Lines = {bolt, nut};
    sale.InvoiceNum = "A-17";
    sale.CompanyName = "O'Brien & Co";
    const PostingResult result = book.Doc().PostSalePurchase(sale);
    EXPECT_TRUE(result.Saved);
    EXPECT_EQ(result.TransactionID, 1);
    EXPECT_EQ(book.Book().Rows("SELECT * FROM TransItem where TransactionID=1 order by ItemOrder"),
              (QStringList{"1|1/10/26 9:05 AM|1|A-17|Bolt|About Bolt|O'Brien & Co|3|0|2|4.5|0|GST|10|13.5|1.35|16|2|2|"
                           "7|Hardware|0",
                           "1|1/10/26 9:05 AM|1|A-17|Nut|About Nut|O'Brien & Co|2|0|0.5|1|0|None|0|2|0|15|2|0.5|2|"
                           "Hardware|1"}));
    EXPECT_EQ(book.Book().Rows("SELECT * FROM Transaction where TransactionID=1"),
              QStringList{"1|1/10/26 9:05 AM|1|A-17|0|O'Brien & Co|1.35|15.5|7|0|0|"});
    EXPECT_EQ(book.Book().Rows("SELECT * FROM AutoNumber"), QStringList{"110|2|0|0|0|0"});
}

TEST(Posting, PurchaseIntoNegativeStockDropsTheOldAverage)
{
    CBookScenario book;
    book.AddProduct("Cable");
    book.Purchase(Day::Day(1), {{"Cable", 1, 8}});
    book.Sale(Day::Day(2), {{"Cable", 4, 10}});
    EXPECT_EQ(book.ItemRow("Cable"), "-3|0|8|7");
    book.Purchase(Day::Day(3), {{"Cable", 5, 2}});
    EXPECT_EQ(book.ItemRow("Cable"), "2|2|2|7");
}

TEST(Posting, ReturnsToTheVendorTakeTheirOwnCostAtOrBelowZero)
{
    CBookScenario book;
    book.AddProduct("Lamp");
    book.Purchase(Day::Day(1), {{"Lamp", 3, 4}});
    book.Purchase(Day::Day(2), {{"Lamp", -5, 7}});
    EXPECT_EQ(book.ItemRow("Lamp"), "-2|7|7|7");
    book.Purchase(Day::Day(3), {{"Lamp", -1, 9}});
    EXPECT_EQ(book.ItemRow("Lamp"), "-3|9|9|7");
    book.Purchase(Day::Day(4), {{"Lamp", 5, 3}});
    EXPECT_EQ(book.ItemRow("Lamp"), "2|3|3|7");
    // A partial return from positive stock averages as any purchase does: (6 x -1 + 6 x 5) / 5.
    book.Purchase(Day::Day(5), {{"Lamp", 4, 6}});
    book.Purchase(Day::Day(6), {{"Lamp", -1, 6}});
    EXPECT_EQ(book.Snapshots("Lamp").last(), "6|4.8|5|1");
}

TEST(Posting, RunningValueSubtractsSalesAndAddsEverythingElseRounded)
{
    CBookScenario book;
    book.AddProduct("Tea");
    book.Purchase(Day::Day(1), {{"Tea", 3, 0.335}});
    book.Sale(Day::Day(2), {{"Tea", 1, 1}});
    ItemRecord tea = book.Product("Tea");
    tea.UnitsOnHand = -1;
    book.Doc().PostStockAdjustment(tea, CInventoryDoc::kAdjustment);
    // 3 x 0.335 -> 1.01; the sale takes 0.34; the adjustment's -0.335 rounds up to -0.33.
    const QStringList totals = book.Book().Rows("SELECT LineTotal FROM TransItem order by TransDate");
    ASSERT_EQ(totals.size(), 3);
    EXPECT_DOUBLE_EQ(totals[0].toDouble(), 1.01);
    EXPECT_DOUBLE_EQ(totals[1].toDouble(), 0.67);
    EXPECT_DOUBLE_EQ(totals[2].toDouble(), 0.34);
}

TEST(Posting, VendorOfAPurchaseIsRecordedOnlyWhenSelected)
{
    CBookScenario book;
    book.AddProduct("Pen");
    book.Purchase(Day::Day(1), {{"Pen", 10, 1}});
    EXPECT_EQ(book.ItemRow("Pen"), "10|0|1|7");
    book.Purchase(Day::Day(2), {{"Pen", 10, 1}}, 12);
    EXPECT_EQ(book.ItemRow("Pen"), "20|1|1|12");
    EXPECT_EQ(book.Product("Pen").PayeeID, 12);
}

TEST(Posting, MovingASaleEarlierRecomputesTheRowsBetween)
{
    CBookScenario book;
    book.AddProduct("Gear");
    book.Purchase(Day::Day(1), {{"Gear", 10, 4}});
    book.Purchase(Day::Day(3), {{"Gear", 10, 6}});
    const int32_t sale = book.Sale(Day::Day(4), {{"Gear", 5, 9}});
    EXPECT_EQ(book.Snapshots("Gear"), (QStringList{"4|4|10|40", "6|5|20|100", "5|5|15|75"}));
    book.Edit(sale, Day::Day(2), {{"Gear", 5, 9}});
    const QStringList rows = book.Snapshots("Gear");
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], "4|4|10|40");
    EXPECT_EQ(rows[1], "4|4|5|20");
    const QStringList moved = rows[2].split('|');
    EXPECT_EQ(moved[0], "6");
    EXPECT_DOUBLE_EQ(moved[1].toDouble(), (6 * 10 + 5 * 4) / 15.0);
    EXPECT_EQ(moved[2], "15");
    EXPECT_EQ(moved[3], "80");
    // Moving it later again replays from the earlier, stored date.
    book.Edit(sale, Day::Day(4), {{"Gear", 5, 9}});
    EXPECT_EQ(book.Snapshots("Gear")[1], "6|5|20|100");
}

TEST(Posting, AHistoryReplayedFromItsFirstRowKeepsTheItemUnitCost)
{
    CBookScenario book;
    book.AddProduct("Fan", 99);
    book.Purchase(Day::Day(5), {{"Fan", 10, 4}});
    EXPECT_EQ(book.ItemRow("Fan"), "10|99|4|7");
    book.Purchase(Day::Day(6), {{"Fan", 10, 8}});
    EXPECT_EQ(book.ItemRow("Fan"), "20|8|6|7");
}

TEST(Posting, ASaleKeepsTheCostTotalItWasSavedWith)
{
    CBookScenario book;
    book.AddProduct("Cup");
    book.Purchase(Day::Day(1), {{"Cup", 10, 4}});
    const int32_t sale = book.Sale(Day::Day(3), {{"Cup", 5, 9}});
    book.Purchase(Day::Day(2), {{"Cup", 10, 6}});
    EXPECT_EQ(book.Snapshots("Cup")[2], "5|5|15|75");
    EXPECT_EQ(book.Book().Rows(
                  QStringLiteral("SELECT CostTotal, SubTotal FROM Transaction where TransactionID=%1").arg(sale)),
              QStringList{"20|45"});
}

TEST(Posting, ReplacingATransactionReplaysProductsItNoLongerNames)
{
    CBookScenario book;
    book.AddProduct("A");
    book.AddProduct("B");
    book.Purchase(Day::Day(1), {{"A", 10, 1}, {"B", 10, 1}});
    const int32_t sale = book.Sale(Day::Day(2), {{"A", 3, 2}, {"B", 4, 2}});
    EXPECT_EQ(book.ItemRow("A"), "7|0|1|7");
    book.Edit(sale, Day::Day(2), {{"B", 1, 2}});
    EXPECT_EQ(book.ItemRow("A"), "10|0|1|7");
    EXPECT_EQ(book.ItemRow("B"), "9|0|1|7");
    EXPECT_EQ(
        book.Book().Rows(QStringLiteral("SELECT Split, ItemOrder FROM TransItem where TransactionID=%1").arg(sale)),
        QStringList{"1|0"});
}

TEST(Posting, ReSavingATransactionKeepsItsPlaceAmongThoseOfTheSameSecond)
{
    CBookScenario book;
    book.AddProduct("D");
    book.AddProduct("E");
    const int32_t purchase = book.Purchase(Day::Day(1), {{"D", 10, 1}, {"E", 4, 2.5}});
    book.Sale(Day::Day(1), {{"E", 1, 5}, {"D", 2, 3}});
    EXPECT_EQ(book.Snapshots("D"), (QStringList{"1|1|10|10", "1|1|8|15.5"}));
    // The sale's first line goes before the purchase's second, as the register lists them.
    EXPECT_EQ(book.Snapshots("E"), (QStringList{"2.5|2.5|-1|7.5", "2.5|2.5|3|17.5"}));
    // Its rows are written anew; the rows that followed them must still follow them.
    book.Edit(purchase, Day::Day(1), {{"D", 10, 1.3}, {"E", 4, 2.5}});
    EXPECT_EQ(book.Snapshots("D"), (QStringList{"1.3|1.3|10|13", "1.3|1.3|8|17.9"}));
    EXPECT_EQ(book.Snapshots("E"), (QStringList{"2.5|2.5|-1|10.5", "2.5|2.5|3|20.5"}));
    EXPECT_EQ(book.ItemRow("D"), "8|0|1.3|7");
}

// Within one second the register lists rows by line position, then transaction; the on-hand
// and average beside each row follow from the row above it.
TEST(Posting, MovementsOfOneSecondAreDerivedInTheRegistersOrder)
{
    CBookScenario book;
    book.AddProduct("A");
    book.AddProduct("X");
    book.Purchase(Day::Day(1), {{"A", 10, 1}, {"X", 10, 1}});
    const int32_t sale = book.Sale(Day::Day(2), {{"A", 1, 2}, {"X", 1, 2}});
    const int32_t purchase = book.Purchase(Day::Day(2), {{"X", 5, 4}});
    const QString register_ =
        "SELECT TransactionID, TransType, Quantity, UnitCost, UnitsOnHand, AvgCost, LineTotal "
        "FROM TransItem where ProductID = 'X' order by TransDate, ItemOrder, TransactionID, rowid";
    const QStringList expected = {"0|0|10|1|10|1|20", QStringLiteral("%1|0|5|4|15|2|39").arg(purchase),
                                  QStringLiteral("%1|1|1|2|14|2|37").arg(sale)};
    EXPECT_EQ(book.Book().Rows(register_), expected);
    EXPECT_EQ(book.ItemRow("X"), "14|4|2|7");
    ExpectHistoriesMatchAFullWalk(book, "after posting");

    // Re-saving either keeps the rows where they were.
    book.Edit(sale, Day::Day(2), {{"A", 1, 2}, {"X", 1, 2}});
    book.Edit(purchase, Day::Day(2), {{"X", 5, 4}});
    EXPECT_EQ(book.Book().Rows(register_), expected);
    ExpectHistoriesMatchAFullWalk(book, "after re-saving");
}

TEST(Posting, TheProductListFollowsEveryPosting)
{
    CBookScenario book;
    book.AddProduct("Known");
    // Written by another program after the list was loaded.
    {
        CDbConnection other(book.Book().Path());
        ASSERT_TRUE(Execute(other, "INSERT INTO Item (ProductID, CategoryID, AvgCost) values ('Newcomer', 1, 0)"));
    }
    ASSERT_EQ(book.Doc().Products().size(), 1);
    book.Purchase(Day::Day(1), {{"Known", 2, 3}, {"Newcomer", 4, 5}});
    ASSERT_EQ(book.Doc().Products().size(), 2);
    EXPECT_DOUBLE_EQ(book.Product("Known").UnitsOnHand, 2);
    EXPECT_DOUBLE_EQ(book.Product("Newcomer").AvgCost, 5);
    book.Doc().RecomputeProductHistory("known", -1, Day::Day(1));
    EXPECT_DOUBLE_EQ(book.Product("Known").AvgCost, 3);
}

TEST(Posting, AFailedDeleteStopsTheSave)
{
    CBookScenario book;
    book.AddProduct("A");
    ASSERT_TRUE(book.Book().Exec("DROP TABLE [TransItem]"));
    SalePurchasePosting sale;
    sale.TransType = 1;
    sale.PreviousDate = sale.NewDate = Day::Day(1);
    TransactionLine line;
    line.ProductID = "A";
    sale.Lines = {line};
    const PostingResult result = book.Doc().PostSalePurchase(sale);
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(book.Book().Prompter().Shown(), QStringList{"Unable to execute command(Delete TransItem)"});
    // Nothing of the failed save stays, not even the identifier it took.
    EXPECT_EQ(book.Doc().Counters().TransID, 0);
    EXPECT_EQ(book.Book().Rows("SELECT TransID FROM AutoNumber"), QStringList{"0"});
    EXPECT_EQ(book.Book().Rows("SELECT count(*) FROM Transaction"), QStringList{"0"});
}

} // namespace
