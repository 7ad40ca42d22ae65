#include "CProductFilter.h"

#include <gtest/gtest.h>

namespace {

ItemRecord Product(const QString& code, const QString& description, const QString& category = QStringLiteral("Tools"))
{
    ItemRecord item;
    item.ProductID = code;
    item.ProductDesc = description;
    item.CategoryName = category;
    item.ProductNote = QStringLiteral("shelf 4");
    return item;
}

const QList<ItemRecord> kCatalogue = {
    Product("9958494609453", "Tape measure 5 m"),
    Product("HAMMER-16", "Steel claw hammer"),
    Product("Élan drill", "Cordless, 18 V", "Power"),
    Product("Nail 40", "Box of 500"),
};

TEST(ProductFilter, FindsTheTextAnywhereInCodeOrDescriptionLetterCaseAside)
{
    EXPECT_EQ(CProductFilter("claw").MatchingRows(kCatalogue), QList<int>{1});
    EXPECT_EQ(CProductFilter("609").MatchingRows(kCatalogue), QList<int>{0});
    EXPECT_EQ(CProductFilter("MEAS").MatchingRows(kCatalogue), QList<int>{0});
    EXPECT_EQ(CProductFilter("ÉLAN").MatchingRows(kCatalogue), QList<int>{2});
    EXPECT_EQ(CProductFilter("élan").MatchingRows(kCatalogue), QList<int>{2});
    // In code of one, description of another: both, in the catalogue's order.
    EXPECT_EQ(CProductFilter("0").MatchingRows(kCatalogue), (QList<int>{0, 3}));
    EXPECT_EQ(CProductFilter("hammer").MatchingRows(kCatalogue), QList<int>{1});
}

TEST(ProductFilter, BlanksAroundTheTextAreIgnoredAndBlankTextFindsAll)
{
    EXPECT_EQ(CProductFilter("  nail 4 ").MatchingRows(kCatalogue), QList<int>{3});
    EXPECT_EQ(CProductFilter("  nail 4 ").Text(), QStringLiteral("nail 4"));
    EXPECT_TRUE(CProductFilter(" \t").IsBlank());
    EXPECT_EQ(CProductFilter(" \t").MatchingRows(kCatalogue), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(CProductFilter().MatchingRows({}), QList<int>{});
}

// Only what a row shows as the product's own is searched: not its category or note.
TEST(ProductFilter, CategoryNoteAndUnknownTextFindNothing)
{
    EXPECT_TRUE(CProductFilter("Power").MatchingRows(kCatalogue).isEmpty());
    EXPECT_TRUE(CProductFilter("shelf").MatchingRows(kCatalogue).isEmpty());
    EXPECT_TRUE(CProductFilter("9999999999999").MatchingRows(kCatalogue).isEmpty());
    // Whole-text match, not any of its words.
    EXPECT_TRUE(CProductFilter("claw drill").MatchingRows(kCatalogue).isEmpty());
}

} // namespace
