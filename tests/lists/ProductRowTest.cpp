#include "CProductRowLayout.h"
#include "ProductRowTexts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ProductRow, TextsFollowTheLocale)
{
    ItemRecord item;
    item.ProductID = "Bolt";
    item.CategoryName = "Hardware";
    item.ProductDesc = "M6";
    item.SalePrice = 1234.5;
    item.UnitsOnHand = 4;
    item.AvgCost = 2.5;
    ProductRowTexts texts = ProductRowTexts::Of(item);
    EXPECT_EQ(texts.salePrice, "1,234.50");
    EXPECT_EQ(texts.onHand, "4");
    EXPECT_EQ(texts.avgCost, "2.50");
    EXPECT_EQ(texts.value, "10.00");
    item.UnitsOnHand = 2.5;
    EXPECT_EQ(ProductRowTexts::Of(item).onHand, "2.50");
    item.UnitsOnHand = 1234;
    item.SalePrice = 3;
    texts = ProductRowTexts::Of(item);
    EXPECT_EQ(texts.onHand, "1,234");
    EXPECT_EQ(texts.salePrice, "3.00");
    EXPECT_EQ(texts.value, "3,085.00");
}

// The number columns are fitted to these texts: a minus sign, a fraction or more digits make
// a text wider, so each kind's extremes are there.
TEST(ProductRow, ExtremesAreTheWidestNumberTextsOfTheItems)
{
    EXPECT_TRUE(ProductRowTexts::ExtremesOf({}).amounts.isEmpty());
    ItemRecord big;
    big.SalePrice = 15000000;
    big.UnitsOnHand = 3e9;
    big.AvgCost = 0.005;
    ItemRecord owed;
    owed.SalePrice = 1;
    owed.UnitsOnHand = -12.5;
    owed.AvgCost = 2;
    ItemRecord small;
    small.UnitsOnHand = 7;
    const ProductRowTexts::NumberExtremes extremes = ProductRowTexts::ExtremesOf({small, big, owed});
    EXPECT_EQ(extremes.amounts, (QStringList{"0.00", "15,000,000.00", "0.00", "2.00", "-25.00", "15,000,000.00"}));
    EXPECT_EQ(extremes.quantities, (QStringList{"7", "3,000,000,000", "-12.50", "-12.50"}));
}

TEST(ProductRow, GeometryAtHandheldSize)
{
    // A row 24 high at the top of the list, blanks 4 wide, the client area 240 wide.
    const CProductRowLayout row(CProductRowLayout::Metrics(), QRect(0, 24, 243, 24), 4, 240);
    EXPECT_EQ(row.Middle(), 36);
    EXPECT_EQ(row.UpperHalf(), QRect(0, 24, 240, 12));
    EXPECT_EQ(row.LowerHalf(), QRect(0, 36, 240, 12));
    EXPECT_EQ(row.NameText(), QRect(2, 24, 76, 12));
    EXPECT_EQ(row.NameRuleX(), 78);
    EXPECT_EQ(row.CategoryText(), QRect(82, 24, 44, 12));
    EXPECT_EQ(row.DescriptionText(), QRect(2, 36, 124, 12));
    EXPECT_EQ(row.PriceColumnX(), 130);
    EXPECT_EQ(row.PriceText(), QRect(134, 24, 45, 12));
    EXPECT_EQ(row.OnHandText(), QRect(134, 36, 33, 12));
    EXPECT_EQ(row.Icon(), QRect(169, 36, 12, 12));
    EXPECT_EQ(row.IconSpanLeft(), 169);
    EXPECT_EQ(row.IconSpanRight(), 183);
    EXPECT_EQ(row.CostColumnX(), 183);
    EXPECT_EQ(row.AvgCostText(), QRect(187, 24, 52, 12));
    EXPECT_EQ(row.ValueText(), QRect(187, 36, 52, 12));
}

TEST(ProductRow, GeometryScalesAndTheNumberColumnsWidenForTheWidestAmount)
{
    using Widths = std::array<int, 4>;
    const auto widths = [](const CProductRowLayout::Metrics& m) {
        return Widths{m.nameWidth, m.categoryWidth, m.priceWidth, m.costWidth};
    };
    // An amount that fits the handheld's columns leaves them as they are, times the scale.
    const CProductRowLayout::Metrics narrow = CProductRowLayout::Fitted(2, 80, 8);
    EXPECT_EQ(widths(narrow), (Widths{160, 100, 106, 120}));
    const CProductRowLayout row(narrow, QRect(0, 0, 486, 48), 8, 480);
    EXPECT_EQ(row.PriceColumnX(), 260);
    EXPECT_EQ(row.CostColumnX(), 366);
    EXPECT_EQ(row.Icon(), QRect(338, 24, 24, 24));
    EXPECT_EQ(row.IconSpanRight(), 366);

    // A wider one widens both number columns; column 0 gives way and the row keeps its width.
    const CProductRowLayout::Metrics wide = CProductRowLayout::Fitted(1, 62, 3);
    EXPECT_EQ(widths(wide), (Widths{65, 42, 68, 68}));
    const CProductRowLayout fitted(wide, QRect(0, 0, 243, 24), 3, 240);
    EXPECT_EQ(fitted.PriceText(), QRect(110, 0, 62, 12));
    EXPECT_EQ(fitted.AvgCostText(), QRect(178, 0, 62, 12));
    EXPECT_EQ(fitted.ValueText(), QRect(178, 12, 62, 12));
    EXPECT_EQ(fitted.CategoryText(), QRect(66, 0, 38, 12));
}

} // namespace
