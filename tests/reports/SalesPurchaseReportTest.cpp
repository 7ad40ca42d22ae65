#include "ReportFixture.h"

#include "CDbConnection.h"
#include "CGeneratedBook.h"
#include "CTestBook.h"

using Day = CBookScenario;

TEST_F(ReportFixture, SalesByItemOfTwoSalesOfOneProduct)
{
    m_scenario.AddProduct("Widget");
    m_scenario.Purchase(Day::Day(2), {{"Widget", 10, 1}});
    m_scenario.Sale(Day::Day(3), {{"Widget", 3, 2.5}});
    m_scenario.Sale(Day::Day(4), {{"Widget", 2, 2.5}});
    const CReport report = Build(ReportKind::SalesByItem);
    EXPECT_EQ(report.Captions(), (QStringList{"Product", "Date", "Name", "INV#", "QTY", "Price", "Amount"}));
    EXPECT_EQ(ReportLines(report), (QStringList{
                                       "Widget||||||",
                                       " Sale|1/3/26|Customer|INV|3|2.50|7.50",
                                       " Sale|1/4/26|Customer|INV|2|2.50|5.00",
                                       "Total Widget||||5||12.50",
                                       "||||||",
                                       "Total||||||12.50",
                                   }));
}

// The final total adds each product's total once, the last one included.
TEST_F(ReportFixture, ByItemTotalsAndTheLinesTheyTake)
{
    Insert({"Gadget", Day::Day(3), kTransSale, "Bob", 1, 12, 12, 0, 25});
    Insert({"Gadget", Day::Day(3), kTransAdjustment, "Adjust on hand (+1)", 1, 12, 12, 1, 25});
    Insert({"Gadget", Day::Day(4), kTransPurchase, "Acme", 2.5, 12, 12, 3.5, 12});
    Insert({"Widget", Day::Day(5), kTransSale, "Ann", 4, 2, 2, 6, 2.5});
    Insert({"Widget", Day::Day(6), kTransPurchase, "Acme", 10, 2, 2, 16, 2});
    EXPECT_EQ(Lines(ReportKind::SalesByItem), (QStringList{
                                                  "Gadget||||||",
                                                  " Sale|1/3/26|Bob|I1001|1|25.00|25.00",
                                                  "Total Gadget||||1||25.00",
                                                  "||||||",
                                                  "Widget||||||",
                                                  " Sale|1/5/26|Ann|I1004|4|2.50|10.00",
                                                  "Total Widget||||4||10.00",
                                                  "||||||",
                                                  "Total||||||35.00",
                                              }));
    const CReport purchases = Build(ReportKind::PurchasesByItem);
    EXPECT_EQ(ReportLines(purchases), (QStringList{
                                          "Gadget||||||",
                                          " Purchase|1/4/26|Acme|I1003|2.50|12.00|30.00",
                                          "Total Gadget||||2.50||30.00",
                                          "||||||",
                                          "Widget||||||",
                                          " Purchase|1/6/26|Acme|I1005|10|2.00|20.00",
                                          "Total Widget||||10||20.00",
                                          "||||||",
                                          "Total||||||50.00",
                                      }));
    QList<int> widths;
    for (const ReportColumn& column : purchases.Columns()) {
        widths << column.width;
    }
    EXPECT_EQ(widths, (QList<int>{90, 43, 60, 40, 40, 40, 50}));
}

TEST_F(ReportFixture, SalesReportsOfARangeWithOnlyPurchasesAreEmpty)
{
    m_scenario.AddProduct("Widget");
    m_scenario.Purchase(Day::Day(2), {{"Widget", 10, 1}});
    m_scenario.Sale(Day::Day(20), {{"Widget", 3, 2.5}});
    EXPECT_TRUE(Build(ReportKind::SalesByItem, 1, 19).IsEmpty());
    EXPECT_TRUE(Build(ReportKind::SalesSummary, 1, 19).IsEmpty());
    EXPECT_FALSE(Build(ReportKind::PurchasesByItem, 1, 19).IsEmpty());
}

TEST_F(ReportFixture, SalesSummaryWithCostOfGoodsAndMargins)
{
    m_scenario.AddProduct("Drill", 0, 0);
    m_scenario.AddProduct("Sample", 0, 1);
    m_scenario.Purchase(Day::Day(5), {{"Drill", 10, 6}, {"Sample", 2, 3}});
    m_scenario.Sale(Day::Day(6), {{"Drill", 4, 10}});
    m_scenario.Sale(Day::Day(7), {{"Sample", 1, 0}});
    const CReport report = Build(ReportKind::SalesSummary);
    EXPECT_EQ(report.Captions(), (QStringList{"Product", "QTY", "Amount", "Avg Price", "COGS", "AVG COGS",
                                              "Gross Margin", "Gross Margin %"}));
    EXPECT_EQ(ReportLines(report), (QStringList{
                                       "Hardware|||||||",
                                       " Drill|4|40.00|10.00|24.00|6.00|16.00|40.00%",
                                       "Total Hardware||40.00||24.00||16.00|40.00%",
                                       "|||||||",
                                       "Software|||||||",
                                       " Sample|1|0.00|0.00|3.00|3.00|-3.00|0.00%",
                                       "Total Software||0.00||3.00||-3.00|0.00%",
                                       "|||||||",
                                       "Total||40.00||27.00||13.00|32.50%",
                                   }));
}

// A product sold under two categories (it was moved between them) is listed, and counted, in
// each; the last product and category count in the totals like the others.
TEST_F(ReportFixture, SalesSummaryGroupsByCategoryThenProduct)
{
    Insert({"Drill", Day::Day(3), kTransSale, "Bob", 1, 6, 6, 9, 10, "Hardware"});
    Insert({"Hammer", Day::Day(4), kTransSale, "Bob", 2, 3, 3, 8, 5, "Hardware"});
    Insert({"hammer", Day::Day(5), kTransSale, "Bob", 0.5, 3, 3, 7.5, 5, "HARDWARE"});
    Insert({"Hammer", Day::Day(6), kTransSale, "Bob", 2, 3, 3, 5.5, 5, "Software"});
    EXPECT_EQ(Lines(ReportKind::SalesSummary), (QStringList{
                                                   "Hardware|||||||",
                                                   " Drill|1|10.00|10.00|6.00|6.00|4.00|40.00%",
                                                   " Hammer|2.50|12.50|5.00|7.50|3.00|5.00|40.00%",
                                                   "Total Hardware||22.50||13.50||9.00|40.00%",
                                                   "|||||||",
                                                   "Software|||||||",
                                                   " Hammer|2|10.00|5.00|6.00|3.00|4.00|40.00%",
                                                   "Total Software||10.00||6.00||4.00|40.00%",
                                                   "|||||||",
                                                   "Total||32.50||19.50||13.00|40.00%",
                                               }));
}

// Each line is rounded to cents before it counts: three lines of 0.125 are 0.39, not the 0.38 of
// their rounded sum; quantities likewise, and the cost of goods stays unrounded.
TEST_F(ReportFixture, SummariesRoundEachLineBeforeSumming)
{
    for (int day = 3; day <= 5; ++day) {
        Insert({"Pin", Day::Day(day), kTransSale, "Bob", 0.125, 1, 0.3333, 9, 1, "Hardware"});
        Insert({"Pin", Day::Day(day), kTransPurchase, "Acme", 0.125, 1, 1, 9, 1, "Hardware"});
    }
    EXPECT_EQ(Lines(ReportKind::SalesSummary), (QStringList{
                                                   "Hardware|||||||",
                                                   " Pin|0.39|0.39|1.00|0.12|0.32|0.27|67.95%",
                                                   "Total Hardware||0.39||0.12||0.27|67.95%",
                                                   "|||||||",
                                                   "Total||0.39||0.12||0.27|67.95%",
                                               }));
    EXPECT_EQ(Lines(ReportKind::PurchasesSummary), (QStringList{
                                                       "Hardware||",
                                                       " Pin|0.39|0.39",
                                                       "Total Hardware||0.39",
                                                       "||",
                                                       "Total||0.39",
                                                   }));
}

TEST_F(ReportFixture, PurchasesSummarySumsPerProductAndCategory)
{
    Insert({"Bolt", Day::Day(3), kTransPurchase, "Acme", 10, 0.35, 0.35, 10, 0.35, "Hardware"});
    Insert({"Nut", Day::Day(3), kTransPurchase, "Acme", 4, 2.5, 2.5, 4, 2.5, "Hardware"});
    Insert({"Bolt", Day::Day(4), kTransPurchase, "Acme", 5, 0.4, 0.37, 15, 0.4, "Hardware"});
    Insert({"Bolt", Day::Day(5), kTransSale, "Bob", 1, 0.37, 0.37, 14, 1, "Hardware"});
    Insert({"Editor", Day::Day(6), kTransPurchase, "Soft", 1, 99.99, 99.99, 1, 99.99, "Software"});
    const CReport report = Build(ReportKind::PurchasesSummary);
    EXPECT_EQ(report.Captions(), (QStringList{"Product", "Quantity", "Amount"}));
    EXPECT_EQ(ReportLines(report), (QStringList{
                                       "Hardware||",
                                       " Bolt|15|5.50",
                                       " Nut|4|10.00",
                                       "Total Hardware||15.50",
                                       "||",
                                       "Software||",
                                       " Editor|1|99.99",
                                       "Total Software||99.99",
                                       "||",
                                       "Total||115.49",
                                   }));
}

// A read stopped midway is a cancelled or failed report, never a shorter one that looks whole.
TEST(ReportRead, AReadCutShortIsCancelledOrFailedNotShorter)
{
    CTestBook book;
    if (book.Connection().Handle() == nullptr) {
        GTEST_SKIP() << "a server's statement runs to its end";
    }
    CGeneratedBook::Write(book.Doc(), 20000, QDate(2026, 1, 1), QDate(2026, 12, 31), 50, CGeneratedBook::Derive::No);
    const ReportRange year = ReportRange::Days(QDate(2026, 1, 1), QDate(2026, 12, 31));
    const auto read = [&](ReportKind kind, const CReportBuilder::Progress& progress) {
        CReport report(kind, CReportBuilder::Columns(kind));
        const CReportBuilder::Outcome outcome =
            CReportBuilder::BuildRange(book.Connection(), kind, year, report, progress);
        return std::make_pair(outcome, report.Rows().size());
    };
    for (const ReportKind kind : {ReportKind::ValuationDetail, ReportKind::SalesSummary}) {
        const auto whole = read(kind, {});
        EXPECT_EQ(whole.first, CReportBuilder::Outcome::Built);
        EXPECT_GT(whole.second, 50);

        int calls = 0;
        EXPECT_EQ(read(kind, [&calls](qint64) { return ++calls < 2; }).first, CReportBuilder::Outcome::Cancelled);

        // The store gives up mid-statement.
        book.Connection().SetInterruption([] { return true; });
        EXPECT_EQ(read(kind, {}).first, CReportBuilder::Outcome::Failed);
        book.Connection().SetInterruption({});
    }
    EXPECT_TRUE(book.Prompter().Messages().isEmpty());
}
