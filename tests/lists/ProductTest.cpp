#include "CDbRecordset.h"
#include "CItemSetupForm.h"
#include "CProductOperations.h"
#include "CTestBook.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class Products : public testing::Test
{
protected:
    Products()
    {
        m_book.Doc().SetClock([] { return QDateTime(QDate(2026, 3, 1), QTime(10, 0)); });
    }

    CItemSetupForm::SaveResult Create(const QString& name, double quantity = 0, double cost = 0)
    {
        CItemSetupForm form(Doc(), QString());
        form.name = name;
        form.categoryID = 0;
        form.taxID = 1;
        form.SetQuantity(quantity);
        form.SetUnitCost(cost);
        return form.Save();
    }
    int Index(const QString& name) { return Doc().FindProduct(name, Qt::CaseSensitive); }
    CInventoryDoc& Doc() { return m_book.Doc(); }
    QStringList Movements()
    {
        return m_book.Rows("SELECT TransType, ProductID, CompanyName, Quantity FROM TransItem order by rowid");
    }

    CTestBook m_book;
};

TEST_F(Products, ANewProductWithAQuantityGetsAnOpeningBalance)
{
    EXPECT_EQ(Create("Screw", 12, 2.5), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(m_book.Rows("SELECT ProductID, CategoryID, TaxID, UnitsOnHand, UnitCost, AvgCost, PayeeID, "
                          "UnitsOnOrder FROM Item"),
              QStringList{"Screw|0|1|12|2.5|2.5|-1|[#Empty#]"});
    EXPECT_EQ(Movements(), QStringList{"3|Screw|Open Balance (+12)|12"});
    EXPECT_EQ(Create("Nail"), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Movements().size(), 1);
    EXPECT_EQ(Doc().Products().size(), 2);
}

TEST_F(Products, NamesAreCheckedBeforeAnythingIsWritten)
{
    ASSERT_EQ(Create("Widget"), CItemSetupForm::SaveResult::Saved);
    ASSERT_EQ(Create("Gadget"), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Create("widget"), CItemSetupForm::SaveResult::StayOpen);
    EXPECT_EQ(Create("   "), CItemSetupForm::SaveResult::StayOpen);
    CItemSetupForm rename(Doc(), "Gadget");
    rename.name = "WIDGET";
    EXPECT_EQ(rename.Save(), CItemSetupForm::SaveResult::StayOpen);
    CItemSetupForm uncategorised(Doc(), QString());
    uncategorised.name = "Loose";
    EXPECT_EQ(uncategorised.Save(), CItemSetupForm::SaveResult::StayOpen);
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"The New Product Name Exists! Please Change to Other Name.", "Name Can not Be Empty!",
                           "The New Product Name Exists! Please Change to Other Name.", "Please select a category"}));
    EXPECT_EQ(m_book.Rows("SELECT ProductID FROM Item order by ProductID"), (QStringList{"Gadget", "Widget"}));
}

TEST_F(Products, ControlCharactersAreRefusedButTheNoteMayHoldTabsAndBreaks)
{
    EXPECT_EQ(Create("Bell\a"), CItemSetupForm::SaveResult::StayOpen);
    CItemSetupForm form(Doc(), QString());
    form.name = "Rope";
    form.categoryID = 0;
    form.description = "hemp\x1b[2J";
    EXPECT_EQ(form.Save(), CItemSetupForm::SaveResult::StayOpen);
    form.description = "hemp";
    form.note = "10 m\tcoil\r\nkeep dry";
    ASSERT_EQ(form.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"The product name may not hold tabs, line breaks or other control characters.",
                           "The description may not hold tabs, line breaks or other control characters."}));
    EXPECT_EQ(m_book.Rows("SELECT ProductID, ProductDesc, ProductNote FROM Item"),
              QStringList{"Rope|hemp|10 m\tcoil\r\nkeep dry"});
}

TEST_F(Products, ChangingTheQuantityPostsTheDifferenceAndNothingElse)
{
    ASSERT_EQ(Create("Bolt", 10, 4), CItemSetupForm::SaveResult::Saved);
    CItemSetupForm unchanged(Doc(), "Bolt");
    unchanged.description = "M6";
    EXPECT_EQ(unchanged.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_TRUE(unchanged.SavedName().isEmpty());
    EXPECT_EQ(Movements().size(), 1);

    CItemSetupForm fewer(Doc(), "Bolt");
    ASSERT_TRUE(fewer.SetQuantity(7));
    EXPECT_EQ(fewer.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Movements(), (QStringList{"3|Bolt|Open Balance (+10)|10", "2|Bolt|Adjust on hand (-3)|-3"}));
    EXPECT_EQ(m_book.Rows("SELECT UnitsOnHand, AvgCost, ProductDesc FROM Item"), QStringList{"7|4|M6"});
    EXPECT_FALSE(fewer.SetQuantity(-1));
    EXPECT_EQ(m_book.Prompter().Shown(), QStringList{"You can not input a negative value!"});
}

TEST_F(Products, RenamingRewritesTheMovementsUnlessOnlyTheLetterCaseChanges)
{
    ASSERT_EQ(Create("Bolt", 5, 1), CItemSetupForm::SaveResult::Saved);
    CItemSetupForm upper(Doc(), "Bolt");
    upper.name = "BOLT";
    ASSERT_EQ(upper.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(upper.SavedName(), "BOLT");
    EXPECT_EQ(Movements(), QStringList{"3|Bolt|Open Balance (+5)|5"});

    CItemSetupForm screw(Doc(), "BOLT");
    screw.name = "Screw";
    ASSERT_TRUE(screw.SetQuantity(8));
    ASSERT_EQ(screw.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(screw.SavedName(), "Screw");
    EXPECT_EQ(Movements(), (QStringList{"3|Screw|Open Balance (+5)|5", "2|Screw|Adjust on hand (+3)|3"}));
    // The adjustment was replayed on the whole, renamed history.
    EXPECT_EQ(m_book.Rows("SELECT UnitsOnHand, AvgCost FROM TransItem order by rowid"), (QStringList{"5|1", "8|1"}));
    EXPECT_EQ(m_book.Rows("SELECT ProductID, UnitsOnHand, AvgCost FROM Item"), QStringList{"Screw|8|1"});
}

TEST_F(Products, ACaseChangeTheStoreWouldNotMatchRenamesTheMovements)
{
    ASSERT_EQ(Create("Ärger", 3, 2), CItemSetupForm::SaveResult::Saved);
    CItemSetupForm lower(Doc(), "Ärger");
    lower.name = "ärger";
    ASSERT_TRUE(lower.SetQuantity(5));
    ASSERT_EQ(lower.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Movements(), (QStringList{"3|ärger|Open Balance (+3)|3", "2|ärger|Adjust on hand (+2)|2"}));
    EXPECT_EQ(m_book.Rows("SELECT ProductID, UnitsOnHand, AvgCost FROM Item"), QStringList{"ärger|5|2"});
}

TEST_F(Products, ANameWithQuotesIsCreatedFoundEditedAndDeleted)
{
    const QString name = "O'Brien's \"Best\", 12\"";
    ASSERT_EQ(Create(name, 0, 3), CItemSetupForm::SaveResult::Saved);
    ASSERT_GE(Index(name), 0);
    CItemSetupForm edit(Doc(), name);
    edit.note = "it's fine";
    ASSERT_TRUE(edit.SetSalePrice(9.99));
    ASSERT_EQ(edit.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_DOUBLE_EQ(Doc().Products()[Index(name)].SalePrice, 9.99);
    EXPECT_EQ(Doc().Products()[Index(name)].ProductNote, "it's fine");
    m_book.Prompter().AnswerYes();
    EXPECT_TRUE(CProductOperations(Doc()).Delete(name));
    EXPECT_TRUE(Doc().Products().isEmpty());
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM Item"), QStringList{"0"});
}

TEST_F(Products, AProductWithMovementsCannotBeDeleted)
{
    ASSERT_EQ(Create("Stocked", 1, 1), CItemSetupForm::SaveResult::Saved);
    ASSERT_EQ(Create("Empty"), CItemSetupForm::SaveResult::Saved);
    CProductOperations operations(Doc());
    EXPECT_FALSE(operations.Delete(QString()));
    m_book.Prompter().AnswerNo();
    EXPECT_FALSE(operations.Delete("Empty"));
    // Refused before the question, so no Yes is asked for in vain.
    EXPECT_FALSE(operations.Delete("Stocked"));
    m_book.Prompter().AnswerYes();
    EXPECT_TRUE(operations.Delete("Empty"));
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"Please Select Item First", "? Delete the product 'Empty'?",
                           "You can not delete the item because it has been used in transaction!",
                           "? Delete the product 'Empty'?"}));
    EXPECT_EQ(m_book.Prompter().QuestionIcons(), QList<CPrompter::Icon>(2, CPrompter::Icon::Warning));
}

TEST_F(Products, ChangeOnHandTakesAnyValueAndRecordsTheDifference)
{
    ASSERT_EQ(Create("Cable", 4, 2), CItemSetupForm::SaveResult::Saved);
    CProductOperations operations(Doc());
    m_book.Prompter().AnswerNumber(std::nullopt);
    EXPECT_FALSE(operations.ChangeOnHand("Cable"));
    m_book.Prompter().AnswerNumber(-3);
    EXPECT_TRUE(operations.ChangeOnHand("Cable"));
    m_book.Prompter().AnswerNumber(-3);
    EXPECT_FALSE(operations.ChangeOnHand("Cable"));
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"# On Hand | Cable | 4", "# On Hand | Cable | 4", "# On Hand | Cable | -3"}));
    EXPECT_EQ(Movements(), (QStringList{"3|Cable|Open Balance (+4)|4", "2|Cable|Adjust on hand (-7)|-7"}));
    EXPECT_DOUBLE_EQ(Doc().Products()[Index("Cable")].UnitsOnHand, -3);
}

TEST_F(Products, AQuantityEqualButForFloatNoisePostsNothing)
{
    ASSERT_EQ(Create("Rope", 0, 1), CItemSetupForm::SaveResult::Saved);
    ItemRecord rope = Doc().Products()[Index("Rope")];
    for (const double quantity : {0.1, 0.2}) {
        rope.UnitsOnHand = quantity;
        ASSERT_TRUE(Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment));
    }
    m_book.Prompter().AnswerNumber(0.3);
    EXPECT_FALSE(CProductOperations(Doc()).ChangeOnHand("Rope"));
    CItemSetupForm form(Doc(), "Rope");
    ASSERT_TRUE(form.SetQuantity(0.3));
    EXPECT_EQ(form.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Movements(), (QStringList{"2|Rope|Adjust on hand (+0.10)|0.1", "2|Rope|Adjust on hand (+0.20)|0.2"}));
    EXPECT_EQ(m_book.Scalar("SELECT LineTotal FROM TransItem order by rowid desc").ToDouble(), 0.3);
}

TEST_F(Products, NumbersOutOfRangeAreRefused)
{
    CItemSetupForm form(Doc(), QString());
    EXPECT_FALSE(form.SetQuantity(1e308));
    EXPECT_FALSE(form.SetUnitCost(std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(form.SetSalePrice(1e12));
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"'1e+308' is out of range: numbers may be at most 1,000,000,000,000 in size.",
                           "'inf' is out of range: numbers may be at most 1,000,000,000,000 in size."}));
    EXPECT_DOUBLE_EQ(form.Quantity(), 0);
}

TEST_F(Products, ANewProductsOpeningStockMustBeWorthAnAmountTheBookHolds)
{
    CItemSetupForm form(Doc(), QString());
    form.name = "Gold";
    form.categoryID = Doc().Categories()[0].CategoryID;
    ASSERT_TRUE(form.SetQuantity(1e6));
    ASSERT_TRUE(form.SetUnitCost(1e12));
    EXPECT_EQ(form.Save(), CItemSetupForm::SaveResult::StayOpen);
    EXPECT_EQ(m_book.Prompter().Shown().last(),
              "The opening stock's value, 1,000,000,000,000,000,000.00, is out of range: amounts may be at most "
              "1,000,000,000,000.");
    EXPECT_TRUE(Movements().isEmpty());
    ASSERT_TRUE(form.SetUnitCost(1e6));
    EXPECT_EQ(form.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Movements(), QStringList{"3|Gold|Open Balance (+1000000)|1000000"});
}

TEST_F(Products, NumberEntryGoesThroughThePadAndRefusesNegatives)
{
    CItemSetupForm form(Doc(), QString());
    m_book.Prompter().AnswerNumber(12.5);
    EXPECT_TRUE(form.EnterSalePrice());
    m_book.Prompter().AnswerNumber(-2);
    EXPECT_FALSE(form.EnterUnitCost());
    m_book.Prompter().AnswerNumber(std::nullopt);
    EXPECT_FALSE(form.EnterQuantity());
    EXPECT_DOUBLE_EQ(form.SalePrice(), 12.5);
    EXPECT_DOUBLE_EQ(form.UnitCost(), 0);
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"# Price | Change Price | 0", "# Unit Cost | Change Unit Cost  | 0",
                           "You can not input a negative value!", "# On Hand | Change On Hand | 0"}));
}

} // namespace
