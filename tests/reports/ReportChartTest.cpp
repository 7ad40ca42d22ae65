#include "CReportChartBuilder.h"
#include "ReportFixture.h"

using Day = CBookScenario;

TEST_F(ReportFixture, TheSalesSummaryChartsEachCategorysTotals)
{
    Insert({"Drill", Day::Day(3), kTransSale, "Bob", 4, 6, 6, 6, 10, "Hardware"});
    Insert({"Sample", Day::Day(4), kTransSale, "Bob", 1, 3, 3, 1, 0, "Software"});
    const std::optional<ReportChart> chart = CReportChartBuilder::Build(Build(ReportKind::SalesSummary));
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->title, "Sales by Category");
    EXPECT_EQ(chart->categories, (QStringList{"Hardware", "Software"}));
    ASSERT_EQ(chart->series.size(), 3);
    EXPECT_EQ(chart->series[0].name, "Amount");
    EXPECT_EQ(chart->series[0].values, (QList<double>{40, 0}));
    EXPECT_EQ(chart->series[1].name, "COGS");
    EXPECT_EQ(chart->series[1].values, (QList<double>{24, 3}));
    EXPECT_EQ(chart->series[2].name, "Gross Margin");
    EXPECT_EQ(chart->series[2].values, (QList<double>{16, -3}));
}

TEST_F(ReportFixture, TheValuationSummaryChartsTheValuePerCategory)
{
    m_scenario.AddProduct("Drill", 0, 0);
    m_scenario.AddProduct("Editor", 0, 1);
    m_scenario.Purchase(Day::Day(2), {{"Drill", 3, 640}, {"Editor", 2, 99.5}});
    const std::optional<ReportChart> chart = CReportChartBuilder::Build(Build(ReportKind::ValuationSummary));
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->categories, (QStringList{"Hardware", "Software"}));
    ASSERT_EQ(chart->series.size(), 1);
    EXPECT_EQ(chart->series[0].values, (QList<double>{1920, 199}));
}

TEST_F(ReportFixture, OnlyTheTwoSummariesWithCategoriesHaveCharts)
{
    m_scenario.AddProduct("Drill");
    m_scenario.Purchase(Day::Day(2), {{"Drill", 3, 640}});
    EXPECT_FALSE(CReportChartBuilder::Build(Build(ReportKind::PurchasesSummary)).has_value());
    EXPECT_FALSE(CReportChartBuilder::Build(Build(ReportKind::ValuationDetail)).has_value());
    EXPECT_FALSE(CReportChartBuilder::Build(Build(ReportKind::SalesSummary)).has_value()); // no sales
}
