#include "ReportFixture.h"

using Day = CBookScenario;

TEST_F(ReportFixture, ValuationDetailOfAPurchaseAndASale)
{
    m_scenario.AddProduct("Widget");
    m_scenario.Purchase(Day::Day(9), {{"Widget", 10, 2}});
    m_scenario.Sale(Day::Day(10), {{"Widget", 4, 10}});
    const CReport report = Build(ReportKind::ValuationDetail);
    EXPECT_EQ(report.Captions(),
              (QStringList{"Product", "Date", "Name", "INV#", "QTY", "Cost", "On Hand", "Avg Cost", "Value"}));
    EXPECT_EQ(ReportLines(report), (QStringList{
                                       "Widget||||||||",
                                       " Buy|1/9/26|Vendor|INV|10|2.00|10|2.00|20.00",
                                       " Sale|1/10/26|Customer|INV|-4||6|2.00|12.00",
                                       "Total Widget||||||6||12.00",
                                       "||||||||",
                                       "Total||||||||12.00",
                                   }));
}

// Movements of one second list as the register lists them (line position, then transaction), so
// each on-hand follows from the row above it.
TEST_F(ReportFixture, MovementsOfOneSecondListInTheRegistersOrder)
{
    m_scenario.AddProduct("A");
    m_scenario.AddProduct("X");
    m_scenario.Purchase(Day::Day(9), {{"A", 10, 1}, {"X", 10, 1}});
    m_scenario.Sale(Day::Day(10), {{"A", 1, 2}, {"X", 2, 2}});
    m_scenario.Sale(Day::Day(10), {{"X", 3, 2}});
    m_scenario.Purchase(Day::Day(10), {{"X", 5, 4}});
    EXPECT_EQ(LineCells(ReportKind::ValuationDetail, 4), (QStringList{"10", "-1", "10", "-3", "5", "-2"}));
    EXPECT_EQ(LineCells(ReportKind::ValuationDetail, 6), (QStringList{"10", "9", "10", "7", "12", "10"}));
    EXPECT_EQ(LineCells(ReportKind::SalesByItem, 4), (QStringList{"1", "3", "2"}));
}

TEST_F(ReportFixture, AnEmptyRangeGivesTheHeadingsOnly)
{
    m_scenario.AddProduct("Widget");
    m_scenario.Purchase(Day::Day(9), {{"Widget", 10, 2}});
    for (ReportKind kind : {ReportKind::ValuationDetail, ReportKind::SalesByItem, ReportKind::SalesSummary,
                            ReportKind::PurchasesByItem, ReportKind::PurchasesSummary}) {
        const CReport report = Build(kind, 10, 31);
        EXPECT_FALSE(report.Columns().isEmpty());
        EXPECT_TRUE(report.IsEmpty()) << ReportKindText(kind).toStdString();
    }
    EXPECT_TRUE(m_scenario.Book().Prompter().Shown().isEmpty());
}

// From and To on one day take that day from its first second to its last.
TEST_F(ReportFixture, OneDayAsFromAndToCoversTheDay)
{
    m_scenario.AddProduct("Widget");
    m_scenario.Purchase(QDateTime(QDate(2026, 1, 8), QTime(23, 59, 59)), {{"Widget", 1, 2}});
    m_scenario.Purchase(QDateTime(QDate(2026, 1, 9), QTime(0, 0, 0)), {{"Widget", 2, 2}});
    m_scenario.Purchase(QDateTime(QDate(2026, 1, 9), QTime(23, 59, 59)), {{"Widget", 3, 2}});
    m_scenario.Purchase(QDateTime(QDate(2026, 1, 10), QTime(0, 0, 0)), {{"Widget", 4, 2}});
    EXPECT_EQ(LineCells(ReportKind::PurchasesByItem, 4, 9, 9), (QStringList{"2", "3"}));
}

TEST_F(ReportFixture, ProductsDifferingInLetterCaseAreOneGroup)
{
    Insert({"Widget", Day::Day(3), kTransPurchase, "Acme", 10, 2, 2, 10});
    Insert({"Wad", Day::Day(4), kTransPurchase, "Acme", 1, 5, 5, 1});
    Insert({"WIDGET", Day::Day(5), kTransPurchase, "Acme", 10, 4, 3, 20});
    Insert({"widget", Day::Day(6), kTransSale, "Bob", 5, 3, 3, 15});
    EXPECT_EQ(Lines(ReportKind::ValuationDetail), (QStringList{
                                                      "Wad||||||||",
                                                      " Buy|1/4/26|Acme|I1002|1|5.00|1|5.00|5.00",
                                                      "Total Wad||||||1||5.00",
                                                      "||||||||",
                                                      "Widget||||||||",
                                                      " Buy|1/3/26|Acme|I1001|10|2.00|10|2.00|20.00",
                                                      " Buy|1/5/26|Acme|I1003|10|4.00|20|3.00|60.00",
                                                      " Sale|1/6/26|Bob|I1004|-5||15|3.00|45.00",
                                                      "Total Widget||||||15||45.00",
                                                      "||||||||",
                                                      "Total||||||||50.00",
                                                  }));
}

// Every movement but a purchase moves the value at the average cost after it; opening rows read
// " Open" only when their name says so.
TEST_F(ReportFixture, MovementKindsAndTheirValues)
{
    Insert({"Nut", Day::Day(2), kTransOpeningBalance, "Open Balance (+5)", 5, 1.5, 1.5, 5});
    Insert({"Nut", Day::Day(3), kTransAdjustment, "Adjust on hand (-2)", -2, 1.5, 1.5, 3});
    Insert({"Nut", Day::Day(4), kTransOpeningBalance, "Stock count", 1, 1.5, 1.5, 4});
    Insert({"Nut", Day::Day(5), kTransOpeningBalance, "opening", 1, 1.5, 1.5, 5});
    Insert({"Nut", Day::Day(6), 7, "Unknown", 1, 1.5, 1.5, 6});
    Insert({"Nut", Day::Day(7), kTransPurchase, "Acme", 2, 1.125, 1.4375, 8});
    EXPECT_EQ(Lines(ReportKind::ValuationDetail), (QStringList{
                                                      "Nut||||||||",
                                                      " Open|1/2/26|Open Balance (+5)|I1001|5||5|1.50|7.50",
                                                      " Adjust|1/3/26|Adjust on hand (-2)|I1002|-2||3|1.50|4.50",
                                                      " Close|1/4/26|Stock count|I1003|1||4|1.50|6.00",
                                                      " Close|1/5/26|opening|I1004|1||5|1.50|7.50",
                                                      " Other|1/6/26|Unknown|I1005|1||6|1.50|9.00",
                                                      " Buy|1/7/26|Acme|I1006|2|1.12|8|1.44|11.25",
                                                      "Total Nut||||||8||11.25",
                                                      "||||||||",
                                                      "Total||||||||11.25",
                                                  }));
}

// Rows of one product and one date come in the order the stock history replays them.
TEST_F(ReportFixture, MovementsOfOneDateKeepTheirReplayOrder)
{
    for (int i = 1; i <= 6; ++i) {
        Insert({"Bolt", Day::Day(9), kTransPurchase, QStringLiteral("V%1").arg(i), double(i), 1, 1, double(i)});
    }
    EXPECT_EQ(LineCells(ReportKind::ValuationDetail, 2), (QStringList{"V1", "V2", "V3", "V4", "V5", "V6"}));
}

TEST_F(ReportFixture, TheValuationTotalCountsEveryProductOnce)
{
    Insert({"A", Day::Day(2), kTransPurchase, "Acme", 3, 0.3333, 0.3333, 3});
    Insert({"B", Day::Day(2), kTransPurchase, "Acme", 7, 0.333, 0.333, 7});
    Insert({"C", Day::Day(2), kTransPurchase, "Acme", 2, 10, 10, 2});
    const QStringList lines = Lines(ReportKind::ValuationDetail);
    EXPECT_EQ(lines.filter("Total ").join(" / "),
              "Total A||||||3||1.00 / Total B||||||7||2.33 / Total C||||||2||20.00");
    EXPECT_EQ(lines.last(), "Total||||||||23.33");
}

TEST_F(ReportFixture, AStatementThatFailsGivesTheHeadingsAndSaysSo)
{
    ASSERT_TRUE(m_scenario.Book().Exec("DROP TABLE TransItem"));
    const CReport report = Build(ReportKind::SalesSummary);
    EXPECT_EQ(report.Columns().size(), 8);
    EXPECT_TRUE(report.IsEmpty());
    EXPECT_EQ(m_scenario.Book().Prompter().Messages(), QStringList{"Unable to execute command(Report)"});
}

class ValuationSummary : public ReportFixture
{
protected:
    void Product(const QString& name, int category, double onHand, double avgCost, double price)
    {
        ASSERT_TRUE(m_scenario.Book().Exec(
            QStringLiteral("INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, AvgCost, SalePrice, UnitCost) "
                           "values ('%1', %2, %3, %4, %5, 0)")
                .arg(name)
                .arg(category)
                .arg(onHand)
                .arg(avgCost)
                .arg(price)));
        m_scenario.Doc().LoadProducts();
    }
};

TEST_F(ValuationSummary, OneCategoryWhateverTheDates)
{
    Product("Nut", 0, 4, 2.5, 0.2);
    Product("Bolt", 0, 1234, 0.1, 0.35);
    const QStringList expected{
        "Hardware|||||",
        " Bolt|1234|0.10|123.40|0.35|431.90",
        " Nut|4|2.50|10.00|0.20|0.80",
        "Hardware|1238||133.40||432.70",
        "|||||",
        "Total|1238||133.40||432.70",
    };
    EXPECT_EQ(Lines(ReportKind::ValuationSummary), expected);
    EXPECT_EQ(Lines(ReportKind::ValuationSummary, 20, 2), expected);
    EXPECT_EQ(Build(ReportKind::ValuationSummary).Captions(),
              (QStringList{"Product", "On Hand", "Avg Cost", "Value", "Price", "Retail Value"}));
}

TEST_F(ValuationSummary, TheTotalIsTheSumOfTheCategoryTotals)
{
    Product("Washer", 0, 2.5, 0.02, 0.05);
    Product("Drill", 0, 3, 640, 1234.5);
    Product("Editor", 1, 1, 99.999, 150);
    EXPECT_EQ(Lines(ReportKind::ValuationSummary), (QStringList{
                                                       "Hardware|||||",
                                                       " Drill|3|640.00|1920.00|1234.50|3703.50",
                                                       " Washer|2.50|0.02|0.05|0.05|0.12",
                                                       "Hardware|5.50||1920.05||3703.63",
                                                       "|||||",
                                                       "Software|||||",
                                                       " Editor|1|100.00|100.00|150.00|150.00",
                                                       "Software|1||100.00||150.00",
                                                       "|||||",
                                                       "Total|6.50||2020.05||3853.63",
                                                   }));
}

TEST_F(ValuationSummary, AnEmptyCatalogueGivesTheHeadingsOnly)
{
    EXPECT_TRUE(Build(ReportKind::ValuationSummary).IsEmpty());
}
