#include "CTransLineLayout.h"
#include "TransLineTexts.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(TransLineRow, TextsArePrintfFormsAndTheTaxShowsOnSalesUnlessNone)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TransactionLine line;
    line.ProductID = "Bolt";
    line.ProductName = "Hex bolt";
    line.Quantity = 1234;
    line.Price = 1.005;
    line.ItemTotal = 1240.17;
    line.TaxName = "GST";
    TransLineTexts texts = TransLineTexts::Of(line, true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(texts.quantity, "1234");
    EXPECT_EQ(texts.price, "1.00");
    EXPECT_EQ(texts.amount, "1240.17");
    EXPECT_EQ(texts.taxName, "GST");
    EXPECT_EQ(TransLineTexts::Of(line, false).taxName, "");
    line.Quantity = 2.5;
    line.TaxName = "none";
    texts = TransLineTexts::Of(line, true);
    EXPECT_EQ(texts.quantity, "2.50");
    EXPECT_EQ(texts.taxName, "");
}

TEST(TransLineRow, CellsSplitAtHalfHeightWithTextsOneBlankInside)
{
    const CTransLineLayout layout(QRect(10, 100, 280, 48), 6, 160);
    EXPECT_EQ(layout.Middle(), 124);
    EXPECT_EQ(layout.Upper(), QRect(QPoint(16, 100), QPoint(283, 123)));
    EXPECT_EQ(layout.Lower(), QRect(QPoint(16, 124), QPoint(283, 147)));
    EXPECT_EQ(layout.RuleX(), 170);
    EXPECT_EQ(layout.Name(), QRect(QPoint(16, 100), QPoint(164, 123)));
    EXPECT_EQ(layout.Quantity(), QRect(QPoint(176, 100), QPoint(283, 123)));
}

} // namespace
