// Two programs with one book open: every setup save checks names, categories and products
// against the book as the other program left it, and keeps what it edits by identity.

#include "CCategorySetup.h"
#include "CItemSetupForm.h"
#include "CProductOperations.h"
#include "CSaleTaxSetup.h"
#include "CSecondProgram.h"
#include "CTestBook.h"

#include <gtest/gtest.h>

namespace {

class SharedBook : public testing::Test
{
protected:
    SharedBook() : m_other(m_book.Path())
    {
        m_book.Doc().SetClock([] { return QDateTime(QDate(2026, 3, 1), QTime(10, 0)); });
    }

    static CItemSetupForm::SaveResult Create(CInventoryDoc& doc, const QString& name, int32_t category = 0,
                                             double quantity = 0)
    {
        CItemSetupForm form(doc, QString());
        form.name = name;
        form.categoryID = category;
        form.taxID = 1;
        form.SetQuantity(quantity);
        return form.Save();
    }

    CTestBook m_book;
    CSecondProgram m_other;
};

TEST_F(SharedBook, NamesTakenByTheOtherProgramAreRefused)
{
    CCategorySetup theirs(m_other.Doc());
    theirs.SetName("Tools");
    ASSERT_TRUE(theirs.Add());
    CCategorySetup ours(m_book.Doc());
    ours.SetName("TOOLS");
    EXPECT_FALSE(ours.Add());

    ASSERT_EQ(Create(m_other.Doc(), "DUP1"), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(Create(m_book.Doc(), "Dup1"), CItemSetupForm::SaveResult::StayOpen);
    EXPECT_EQ(m_book.Prompter().Shown(), (QStringList{"The New Category Name Exists! Please Change to Other Name.",
                                                      "The New Product Name Exists! Please Change to Other Name."}));
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM Categories WHERE CategoryName = 'tools'"), QStringList{"1"});
    EXPECT_EQ(m_book.Rows("SELECT ProductID FROM Item"), QStringList{"DUP1"});
    // The next identifiers follow the other program's.
    ours.SetName("Garden");
    ASSERT_TRUE(ours.Add());
    EXPECT_EQ(m_book.Rows("SELECT CategoryID FROM Categories WHERE CategoryName = 'Garden'"), QStringList{"3"});
}

TEST_F(SharedBook, AProductIsNotSavedIntoACategoryTheOtherProgramDeleted)
{
    CCategorySetup tools(m_book.Doc());
    tools.SetName("Tools");
    ASSERT_TRUE(tools.Add());
    m_other.Doc().ReloadCatalogue();
    CItemSetupForm form(m_book.Doc(), QString());
    form.name = "Hammer";
    form.categoryID = 2;

    CCategorySetup theirs(m_other.Doc());
    theirs.Select(2);
    m_other.Prompter().AnswerYes();
    ASSERT_TRUE(theirs.Delete());

    EXPECT_EQ(form.Save(), CItemSetupForm::SaveResult::StayOpen);
    EXPECT_EQ(m_book.Prompter().Shown(), QStringList{"Please select a category"});
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM Item"), QStringList{"0"});
}

TEST_F(SharedBook, ACategoryUsedByAProductOfTheOtherProgramIsNotDeleted)
{
    CCategorySetup ours(m_book.Doc());
    ours.Select(1);
    ASSERT_EQ(Create(m_other.Doc(), "Editor", 1), CItemSetupForm::SaveResult::Saved);
    m_book.Prompter().AnswerYes();
    EXPECT_FALSE(ours.Delete());
    EXPECT_EQ(m_book.Prompter().Messages(), QStringList{"The Category Has been Used by Product, Can not be Deleted!"});
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM Categories"), QStringList{"2"});
}

TEST_F(SharedBook, ASelectionFollowsItsCategoryWhenAReloadReordersTheList)
{
    CCategorySetup ours(m_book.Doc());
    ours.Select(1); // Software
    CCategorySetup theirs(m_other.Doc());
    theirs.SetName("Audio");
    ASSERT_TRUE(theirs.Add());
    ours.SetName("Programs");
    ASSERT_TRUE(ours.Update());
    EXPECT_EQ(m_book.Rows("SELECT CategoryID, CategoryName FROM Categories order by CategoryID"),
              (QStringList{"0|Hardware", "1|Programs", "2|Audio"}));
}

TEST_F(SharedBook, TheItemSetupKeepsItsProductWhenTheListIsReordered)
{
    ASSERT_EQ(Create(m_book.Doc(), "Mallet", 0, 5), CItemSetupForm::SaveResult::Saved);
    CItemSetupForm mallet(m_book.Doc(), "Mallet");
    ASSERT_TRUE(mallet.SetQuantity(8));
    // Products that sort before it appear, and the other program sells some mallets.
    ASSERT_EQ(Create(m_other.Doc(), "Anvil", 0, 40), CItemSetupForm::SaveResult::Saved);
    ASSERT_EQ(Create(m_other.Doc(), "Chisel", 0, 7), CItemSetupForm::SaveResult::Saved);
    m_other.Doc().ReloadCatalogue();
    ItemRecord sold = m_other.Doc().Products()[m_other.Doc().FindProduct("Mallet", Qt::CaseSensitive)];
    sold.UnitsOnHand = -2;
    ASSERT_TRUE(m_other.Doc().PostStockAdjustment(sold, CInventoryDoc::kAdjustment));
    m_book.Doc().ReloadCatalogue();

    mallet.description = "Rubber";
    EXPECT_EQ(mallet.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_TRUE(m_book.Prompter().Shown().isEmpty()) << m_book.Prompter().Shown().join('\n').toStdString();
    // The typed 8 is the new stock: +5 against the 3 the book holds now; the others are untouched.
    EXPECT_EQ(m_book.Rows("SELECT ProductID, UnitsOnHand, ProductDesc FROM Item order by ProductID"),
              (QStringList{"Anvil|40|", "Chisel|7|", "Mallet|8|Rubber"}));
    EXPECT_EQ(m_book.Rows("SELECT CompanyName FROM TransItem WHERE ProductID = 'Mallet' order by rowid"),
              (QStringList{"Open Balance (+5)", "Adjust on hand (-2)", "Adjust on hand (+5)"}));
}

TEST_F(SharedBook, AQuantityLeftAloneKeepsWhatTheOtherProgramPosted)
{
    ASSERT_EQ(Create(m_book.Doc(), "Mallet", 0, 5), CItemSetupForm::SaveResult::Saved);
    CItemSetupForm mallet(m_book.Doc(), "Mallet");
    m_other.Doc().ReloadCatalogue();
    ItemRecord sold = m_other.Doc().Products()[0];
    sold.UnitsOnHand = -2;
    ASSERT_TRUE(m_other.Doc().PostStockAdjustment(sold, CInventoryDoc::kAdjustment));

    ASSERT_TRUE(mallet.SetSalePrice(12));
    EXPECT_EQ(mallet.Save(), CItemSetupForm::SaveResult::Saved);
    EXPECT_EQ(m_book.Rows("SELECT UnitsOnHand, SalePrice FROM Item"), QStringList{"3|12"});
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM TransItem"), QStringList{"2"});
}

TEST_F(SharedBook, AProductDeletedByTheOtherProgramIsNeitherSavedNorAdjusted)
{
    ASSERT_EQ(Create(m_book.Doc(), "Mallet"), CItemSetupForm::SaveResult::Saved);
    CItemSetupForm mallet(m_book.Doc(), "Mallet");
    m_other.Doc().ReloadCatalogue();
    m_other.Prompter().AnswerYes();
    ASSERT_TRUE(CProductOperations(m_other.Doc()).Delete("Mallet"));

    m_book.Prompter().AnswerNumber(4);
    EXPECT_FALSE(CProductOperations(m_book.Doc()).ChangeOnHand("Mallet"));
    mallet.description = "Rubber";
    EXPECT_EQ(mallet.Save(), CItemSetupForm::SaveResult::StayOpen);
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"# On Hand | Mallet | 0", "The product \"Mallet\" is no longer in the list.",
                           "The product \"Mallet\" is no longer in the list; it was not saved."}));
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM Item"), QStringList{"0"});
    EXPECT_EQ(m_book.Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
}

TEST_F(SharedBook, TheProductNamedFromTheListIsTheOneChangedWhenAReloadReordersIt)
{
    // Callers name the product by the list's own text, which the operation's reload replaces.
    ASSERT_EQ(Create(m_book.Doc(), "Mallet"), CItemSetupForm::SaveResult::Saved);
    ASSERT_EQ(Create(m_book.Doc(), "Pliers"), CItemSetupForm::SaveResult::Saved);
    ASSERT_EQ(Create(m_other.Doc(), "Anvil"), CItemSetupForm::SaveResult::Saved);
    const QList<ItemRecord>& products = m_book.Doc().Products();
    ASSERT_EQ(products.size(), 2);

    m_book.Prompter().AnswerNumber(4);
    EXPECT_TRUE(CProductOperations(m_book.Doc()).ChangeOnHand(products[1].ProductID));
    ASSERT_EQ(Create(m_other.Doc(), "Bench"), CItemSetupForm::SaveResult::Saved);
    m_book.Prompter().AnswerYes();
    EXPECT_TRUE(CProductOperations(m_book.Doc()).Delete(products[1].ProductID));

    EXPECT_EQ(m_book.Rows("SELECT ProductID, UnitsOnHand FROM Item order by ProductID"),
              (QStringList{"Anvil|0", "Bench|0", "Pliers|4"}));
    EXPECT_EQ(m_book.Rows("SELECT ProductID, Quantity FROM TransItem"), QStringList{"Pliers|4"});
}

} // namespace
