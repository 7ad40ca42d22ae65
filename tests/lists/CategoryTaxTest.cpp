#include "CCategorySetup.h"
#include "CSaleTaxSetup.h"
#include "CTestBook.h"
#include "NumericFilter.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

QStringList CategoryNames(CInventoryDoc& doc)
{
    QStringList names;
    for (const CategoryRecord& category : doc.Categories()) {
        names << QStringLiteral("%1:%2").arg(category.CategoryID).arg(category.CategoryName);
    }
    return names;
}

QStringList TaxNames(CInventoryDoc& doc)
{
    QStringList names;
    for (const TaxRecord& tax : doc.Taxes()) {
        names << QStringLiteral("%1:%2:%3").arg(tax.TaxID).arg(tax.TaxName).arg(tax.TaxRate);
    }
    return names;
}

TEST(Categories, AddRefusesEmptyAndDuplicateNamesIgnoringCase)
{
    CTestBook book;
    CCategorySetup setup(book.Doc());
    setup.SetName("  ");
    EXPECT_FALSE(setup.Add());
    setup.SetName("hardware");
    EXPECT_FALSE(setup.Add());
    setup.SetName("  Tools ");
    EXPECT_TRUE(setup.Add());
    EXPECT_EQ(book.Prompter().Shown(), (QStringList{"Category Name Can not be Empty!",
                                                    "The New Category Name Exists! Please Change to Other Name."}));
    EXPECT_EQ(CategoryNames(book.Doc()), (QStringList{"0:Hardware", "1:Software", "2:Tools"}));
    EXPECT_EQ(setup.Selected(), -1);
    EXPECT_EQ(setup.Name(), "");
}

TEST(Categories, UpdateNeedsASelectionAndAFreeName)
{
    CTestBook book;
    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, CategoryID) values ('Bolt', 0)"));
    ASSERT_TRUE(book.Doc().LoadProducts());
    CCategorySetup setup(book.Doc());
    setup.SetName("Parts");
    EXPECT_FALSE(setup.Update());
    setup.Select(0);
    EXPECT_EQ(setup.Name(), "Hardware");
    setup.SetName("SOFTWARE");
    EXPECT_FALSE(setup.Update());
    setup.SetName("HARDWARE");
    EXPECT_TRUE(setup.Update());
    setup.Select(0);
    setup.SetName("Parts");
    EXPECT_TRUE(setup.Update());
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"Please Select Item First", "The New Category Code Exists! Please Change to Other Name."}));
    EXPECT_EQ(CategoryNames(book.Doc()), (QStringList{"0:Parts", "1:Software"}));
    EXPECT_EQ(book.Doc().Products()[0].CategoryName, "Parts");
}

// A category in use is refused before the question; the question names the category and warns.
TEST(Categories, DeleteAsksAndRefusesACategoryInUse)
{
    CTestBook book;
    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, CategoryID) values ('Bolt', 0)"));
    ASSERT_TRUE(book.Doc().LoadProducts());
    CCategorySetup setup(book.Doc());
    EXPECT_FALSE(setup.Delete());
    setup.Select(0);
    EXPECT_FALSE(setup.Delete());
    setup.Select(1);
    book.Prompter().AnswerNo();
    EXPECT_FALSE(setup.Delete());
    book.Prompter().AnswerYes();
    EXPECT_TRUE(setup.Delete());
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"Please Select Item First", "The Category Has been Used by Product, Can not be Deleted!",
                           "? Delete the category 'Software'?", "? Delete the category 'Software'?"}));
    EXPECT_EQ(book.Prompter().QuestionIcons(), QList<CPrompter::Icon>(2, CPrompter::Icon::Warning));
    EXPECT_EQ(CategoryNames(book.Doc()), QStringList{"0:Hardware"});
    // The highest id is free again.
    setup.SetName("Games");
    EXPECT_TRUE(setup.Add());
    EXPECT_EQ(CategoryNames(book.Doc()), (QStringList{"1:Games", "0:Hardware"}));
}

TEST(Categories, NamesWithQuotesAreStoredAsTyped)
{
    CTestBook book;
    CCategorySetup setup(book.Doc());
    setup.SetName("O'Brien's \"Best\", 12\"");
    ASSERT_TRUE(setup.Add());
    EXPECT_EQ(book.Rows("SELECT CategoryName FROM Categories where CategoryID = 2"),
              QStringList{"O'Brien's \"Best\", 12\""});
}

TEST(SaleTaxes, TheBuiltInTaxCannotBeChangedDeletedOrAddedAgain)
{
    CTestBook book;
    CSaleTaxSetup setup(book.Doc());
    setup.SetName("none");
    EXPECT_FALSE(setup.Add());
    setup.Select(0);
    setup.SetName("VAT");
    EXPECT_FALSE(setup.Update());
    EXPECT_FALSE(setup.Delete());
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"The New Sale Tax Exists! Please Change to Other Name.",
                           "The Build-in Sale Tax Can not be Modified!", "The Build-in Sale Tax Can not be Deleted!"}));
    EXPECT_EQ(TaxNames(book.Doc()), QStringList{"1:None:0"});
}

// The built-in tax is known by its identifier: a name typed for a refused Add does not open it, and
// a typed "None" does not close another tax.
TEST(SaleTaxes, TheBuiltInTaxStaysWhateverAnAddThatWasRefusedTook)
{
    CTestBook book;
    CSaleTaxSetup setup(book.Doc());
    setup.SetName("PST");
    setup.SetRate(7);
    ASSERT_TRUE(setup.Add());
    // Refused as no number, then as a name the list has.
    for (const auto& [addedName, addedRate] : {std::pair("VAT", "abc"), std::pair("pst", "7")}) {
        setup.Select(0);
        ASSERT_EQ(book.Doc().Taxes()[0].TaxID, CSaleTaxSetup::kBuiltInTaxID);
        setup.SetName(addedName);
        setup.SetRateText(addedRate);
        EXPECT_FALSE(setup.Add());
        setup.SetName("VAT");
        setup.SetRateText("5");
        EXPECT_FALSE(setup.Update());
        EXPECT_FALSE(setup.Delete());
    }
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"'abc' is not a number.", "The Build-in Sale Tax Can not be Modified!",
                           "The Build-in Sale Tax Can not be Deleted!",
                           "The New Sale Tax Exists! Please Change to Other Name.",
                           "The Build-in Sale Tax Can not be Modified!", "The Build-in Sale Tax Can not be Deleted!"}));
    EXPECT_EQ(TaxNames(book.Doc()), (QStringList{"1:None:0", "2:PST:7"}));

    book.Prompter().Clear();
    setup.Select(1);
    setup.SetName("none");
    EXPECT_FALSE(setup.Add());
    setup.SetName("GST");
    EXPECT_TRUE(setup.Update());
    EXPECT_EQ(book.Prompter().Shown(), QStringList{"The New Sale Tax Exists! Please Change to Other Name."});
    EXPECT_EQ(TaxNames(book.Doc()), (QStringList{"2:GST:7", "1:None:0"}));
}

TEST(SaleTaxes, AddUpdateAndDeleteFollowTheRules)
{
    CTestBook book;
    CSaleTaxSetup setup(book.Doc());
    setup.SetName("PST");
    setup.SetRate(7.5);
    ASSERT_TRUE(setup.Add());
    EXPECT_EQ(TaxNames(book.Doc()), (QStringList{"1:None:0", "2:PST:7.5"}));
    EXPECT_FALSE(setup.Update());
    setup.Select(1);
    setup.SetName(" none ");
    EXPECT_FALSE(setup.Update());
    setup.SetName("GST");
    setup.SetRate(5);
    ASSERT_TRUE(setup.Update());
    EXPECT_EQ(TaxNames(book.Doc()), (QStringList{"2:GST:5", "1:None:0"}));
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"Tax Name Can not be Empty!", "The New Sale Tax Exists! Please Change to Other Name."}));

    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, CategoryID, TaxID) values ('Bolt', 0, 2)"));
    ASSERT_TRUE(book.Doc().LoadProducts());
    book.Prompter().Clear();
    setup.Select(0);
    EXPECT_FALSE(setup.Delete());
    ASSERT_TRUE(book.Exec("delete from Item"));
    ASSERT_TRUE(book.Doc().LoadProducts());
    book.Prompter().AnswerYes();
    EXPECT_TRUE(setup.Delete());
    EXPECT_EQ(book.Prompter().Shown(), (QStringList{"The Sale Tax Has been Used by Product, Can not be Deleted!",
                                                    "? Delete the sale tax 'GST'?"}));
    EXPECT_EQ(TaxNames(book.Doc()), QStringList{"1:None:0"});
}

TEST(Names, AreStoredInOneUnicodeFormSoLookAlikesAreOneName)
{
    CTestBook book;
    const QString composed = QString::fromUtf8("Caf\u00e9");
    const QString decomposed = QString::fromUtf8("Cafe\u0301");
    CCategorySetup categories(book.Doc());
    categories.SetName(decomposed);
    ASSERT_TRUE(categories.Add());
    categories.SetName(composed.toUpper());
    EXPECT_FALSE(categories.Add());
    CSaleTaxSetup taxes(book.Doc());
    taxes.SetName(decomposed);
    ASSERT_TRUE(taxes.Add());
    taxes.SetName(composed);
    EXPECT_FALSE(taxes.Add());
    EXPECT_EQ(book.Rows(QStringLiteral("SELECT count(*) FROM Categories WHERE CategoryName = '%1'").arg(composed)),
              QStringList{"1"});
    EXPECT_EQ(book.Rows(QStringLiteral("SELECT count(*) FROM Tax WHERE TaxName = '%1'").arg(composed)),
              QStringList{"1"});
}

TEST(SaleTaxes, RatesAreNumbersFromZeroToOneHundredReadInTheLocale)
{
    CTestBook book;
    CSaleTaxSetup setup(book.Doc());
    setup.SetName("GST");
    for (const char* typed : {"abc", "", "7,5", "-5", "100.5", "1e1"}) {
        setup.SetRateText(typed);
        EXPECT_FALSE(setup.Add()) << typed;
    }
    setup.SetRate(-5);
    EXPECT_FALSE(setup.Add());
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"'abc' is not a number.", "'' is not a number.", "'7,5' is not a number.",
                           "The tax rate must be from 0 to 100 percent.", "The tax rate must be from 0 to 100 percent.",
                           "'1e1' is not a number.", "The tax rate must be from 0 to 100 percent."}));
    setup.SetRateText(" 8.875 ");
    ASSERT_TRUE(setup.Add());
    EXPECT_EQ(TaxNames(book.Doc()), (QStringList{"2:GST:8.875", "1:None:0"}));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    setup.Select(0);
    setup.SetRateText("7.5");
    EXPECT_FALSE(setup.Update());
    setup.SetRateText("7,5");
    EXPECT_TRUE(setup.Update());
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TaxNames(book.Doc()), (QStringList{"2:GST:7.5", "1:None:0"}));
}

TEST(NumericFilter, OneDecimalPointAndTwoDecimalsAtMost)
{
    EXPECT_TRUE(AcceptsNumericCharacter('.', "", 2));
    EXPECT_TRUE(AcceptsNumericCharacter('.', "12", 2));
    EXPECT_FALSE(AcceptsNumericCharacter('.', "1.2", 2));
    EXPECT_TRUE(AcceptsNumericCharacter('5', "1.2", 2));
    EXPECT_FALSE(AcceptsNumericCharacter('5', "1.25", 2));
    EXPECT_FALSE(AcceptsNumericCharacter(',', "1.25", 2));
    EXPECT_TRUE(AcceptsNumericCharacter('\b', "1.25", 2));
    EXPECT_TRUE(AcceptsNumericCharacter(',', "1", 2));
    EXPECT_FALSE(AcceptsNumericCharacter('a', "", 2));
    EXPECT_FALSE(AcceptsNumericCharacter('-', "", 2));
    EXPECT_TRUE(AcceptsNumericCharacter('7', "123456", 2));
}

TEST(CategoriesAndTaxes, NamesWithControlCharactersAreRefused)
{
    CTestBook book;
    CCategorySetup categories(book.Doc());
    categories.SetName("Tools\x1b[31m");
    EXPECT_FALSE(categories.Add());
    categories.Select(0);
    categories.SetName("Hard\tware");
    EXPECT_FALSE(categories.Update());
    CSaleTaxSetup taxes(book.Doc());
    taxes.SetName(QString::fromUtf8("G\u0085ST"));
    taxes.SetRate(10);
    EXPECT_FALSE(taxes.Add());
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"The category name may not hold tabs, line breaks or other control characters.",
                           "The category name may not hold tabs, line breaks or other control characters.",
                           "The tax name may not hold tabs, line breaks or other control characters."}));
    EXPECT_EQ(CategoryNames(book.Doc()), (QStringList{"0:Hardware", "1:Software"}));
    EXPECT_EQ(TaxNames(book.Doc()), QStringList{"1:None:0"});
}

} // namespace
