#include "CProductRowLayout.h"
#include "ProductRowTexts.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(texts.onHand, "1234");
    EXPECT_EQ(texts.salePrice, "3.00");
    EXPECT_EQ(texts.value, "3,085.00");
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

TEST(ProductRow, GeometryScalesWithTheInterface)
{
    const CProductRowLayout row(CProductRowLayout::Scaled(2), QRect(0, 0, 486, 48), 8, 480);
    EXPECT_EQ(row.PriceColumnX(), 260);
    EXPECT_EQ(row.CostColumnX(), 366);
    EXPECT_EQ(row.Icon(), QRect(338, 24, 24, 24));
    EXPECT_EQ(row.IconSpanRight(), 366);
}

} // namespace
