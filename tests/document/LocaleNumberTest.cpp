#include "LocaleNumber.h"
#include "CDbRecordset.h"
#include "CStockAdjustment.h"
#include "CTestBook.h"
#include "NumberBounds.h"
#include "SqlText.h"
#include "TestBooks.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>

namespace {

class GermanLocale : public testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST(LocaleNumber, ParsesLikeStrtodAfterRemovingGrouping)
{
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("1,234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("  -2.25xyz"), -2.25);
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("[#Empty#]"), 0);
    EXPECT_DOUBLE_EQ(ParseLocaleNumber(""), 0);
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("1e-07"), 1e-07);
}

TEST(LocaleNumber, FormatsThroughPrintfThenTheLocale)
{
    EXPECT_EQ(FormatLocaleNumber("%.2lf", 1234.5), "1,234.50");
    EXPECT_EQ(FormatLocaleNumber("%.2lf", 2.5), "2.50");
    EXPECT_EQ(FormatLocaleNumber("%.0lf", 1234), "1234");
    EXPECT_EQ(FormatLocaleNumber("%lf", 12.5), "12.50");
    EXPECT_EQ(FormatLocaleNumber("%lf", 1234567.891), "1,234,567.89");
    EXPECT_EQ(FormatLocaleNumber("%.4f", 0.125), "0.13");
    EXPECT_EQ(FormatLocaleNumber("%.3f", 9.995), "10.00");
    EXPECT_EQ(FormatLocaleNumber("%.2lf", -1234.5), "-1,234.50");
    EXPECT_EQ(FormatLocaleNumber("%.2lf", -0.001), "0.00");
    // A leading plus sign is refused by the locale formatting; printf's text stays.
    EXPECT_EQ(FormatLocaleNumber("%+.0lf", 12), "+12");
    EXPECT_EQ(FormatLocaleNumber("%+.2lf", 2.5), "+2.50");
    EXPECT_EQ(FormatLocaleNumber("%+.2lf", -2.5), "-2.50");
    EXPECT_EQ(FormatLocaleNumber("%.2f%%", 7.5), "7.50%");
}

TEST(LocaleNumber, QuantitiesAndCents)
{
    EXPECT_EQ(FormatQuantity(3), "3");
    EXPECT_EQ(FormatQuantity(2.5), "2.50");
    EXPECT_EQ(FormatQuantity(1234), "1234");
    EXPECT_EQ(FormatQuantity(1234.5), "1,234.50");
    EXPECT_EQ(FormatQuantity(-3), "-3");
    EXPECT_TRUE(IsWholeNumber(-2147483648.0));
    EXPECT_DOUBLE_EQ(RoundToCents(2.344), 2.34);
    EXPECT_DOUBLE_EQ(RoundToCents(2.346), 2.35);
    EXPECT_DOUBLE_EQ(RoundToCents(0.125), 0.13);
    EXPECT_DOUBLE_EQ(RoundToCents(-0.125), -0.12);
    EXPECT_DOUBLE_EQ(RoundToCents(-2.344), -2.34);
    EXPECT_EQ(TextToLong(" -42abc"), -42);
    EXPECT_EQ(TextToLong("abc"), 0);
    EXPECT_EQ(TextToLong("99999999999"), 2147483647);
    EXPECT_EQ(QuoteSqlText("O'Brien's"), "O''Brien''s");
}

TEST(LocaleNumber, WholeNumbersReachTheBooksBound)
{
    for (const double whole : {3e9, -5e9, 1e12, -1e12, 999999999999.0}) {
        EXPECT_TRUE(IsWholeNumber(whole)) << whole;
    }
    for (const double other : {3e9 + 0.5, 1e12 + 1, 1e15, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(IsWholeNumber(other)) << other;
    }
    EXPECT_EQ(FormatQuantity(3e9), "3000000000");
    EXPECT_EQ(FormatQuantity(3e9 + 0.5), "3,000,000,000.50");
    EXPECT_EQ(CStockAdjustment::AdjustmentMemo(3e9), "Adjust on hand (+3000000000)");
    EXPECT_EQ(CStockAdjustment::OpeningBalanceMemo(-3e9), "Open Balance (-3000000000)");
}

TEST(LocaleNumber, PlainNumberTextsTakeTheLocalesGroupingAndOtherTextsStay)
{
    EXPECT_EQ(LocaleFormOfPlainNumber("3000000000"), "3,000,000,000");
    EXPECT_EQ(LocaleFormOfPlainNumber("-15000000.00"), "-15,000,000.00");
    EXPECT_EQ(LocaleFormOfPlainNumber("1234.5678"), "1,234.5678");
    EXPECT_EQ(LocaleFormOfPlainNumber("999"), "999");
    EXPECT_EQ(LocaleFormOfPlainNumber("1234.50%"), "1,234.50%");
    for (const char* other : {"", "#1234", "1/9/26", "Total Drill", "1e5", "12.", ".5", "--1", "1 234"}) {
        EXPECT_EQ(LocaleFormOfPlainNumber(other), other);
    }
}

TEST_F(GermanLocale, PlainNumberTextsTakeTheLocalesSeparators)
{
    EXPECT_EQ(LocaleFormOfPlainNumber("-3000000000.25"), "-3.000.000.000,25");
}

TEST(LocaleNumber, RatesShowTwoDecimalsOrThreeWhenTheyHaveThem)
{
    EXPECT_EQ(FormatRate(8.875), "8.875");
    EXPECT_EQ(FormatRate(8.88), "8.88");
    EXPECT_EQ(FormatRate(7.5), "7.50");
    EXPECT_EQ(FormatRate(0), "0.00");
    EXPECT_EQ(FormatRate(100), "100.00");
    EXPECT_EQ(FormatRate(0.005), "0.005");
    EXPECT_EQ(FormatRate(8.87549), "8.875");
    EXPECT_EQ(FormatRate(8.8796), "8.88");
}

TEST_F(GermanLocale, CommaDecimalAndDotGrouping)
{
    EXPECT_DOUBLE_EQ(ParseLocaleNumber("1.234,5"), 1234.5);
    EXPECT_EQ(FormatLocaleNumber("%.2lf", 1234.5), "1.234,50");
    EXPECT_EQ(FormatLocaleNumber("%+.2lf", 2.5), "+2.50");
    EXPECT_EQ(FormatLocaleNumber("%.2lf", -2.5), "-2,50");
    EXPECT_EQ(FormatRate(8.875), "8,875");
    EXPECT_EQ(FormatRate(19), "19,00");
}

TEST_F(GermanLocale, FloatColumnsLoadThroughTheLocaleText)
{
    if (BooksOnServer()) {
        GTEST_SKIP() << "a FLOAT column on the server cannot hold a text";
    }
    CTestBook book;
    // A number stored as the locale's text (grouping and decimal comma) loads through that text;
    // one stored as a number loads as it is.
    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, SalePrice, AvgCost) "
                          "values ('Bolt', 0, '1.234,5', 0.1, '2,75')"));
    ASSERT_TRUE(book.Exec("INSERT INTO Tax (TaxID, TaxName, TaxRate) values (2, 'MwSt', '19,5')"));
    CDbRecordset recordset(book.Connection());
    ASSERT_TRUE(recordset.Open("SELECT UnitsOnHand, SalePrice FROM Item", CDbRecordset::kOpenForwardOnly,
                               CDbRecordset::kLockReadOnly));
    EXPECT_EQ(recordset.GetFieldText(0), "1.234,5");
    EXPECT_EQ(recordset.GetFieldText(1), "0,1");
    recordset.Close();
    ASSERT_TRUE(book.Doc().LoadProducts());
    ASSERT_TRUE(book.Doc().LoadTaxes());
    EXPECT_DOUBLE_EQ(book.Doc().Products()[0].UnitsOnHand, 1234.5);
    EXPECT_DOUBLE_EQ(book.Doc().Products()[0].SalePrice, 0.1);
    EXPECT_DOUBLE_EQ(book.Doc().Products()[0].AvgCost, 2.75);
    EXPECT_DOUBLE_EQ(book.Doc().Taxes()[0].TaxRate, 19.5);
}

TEST(UserNumber, TypedNumbersAreReadExactlyInTheLocaleAndBounded)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto value = [](const char* text) { return ParseUserNumber(text).value; };
    EXPECT_EQ(value("1,234.5"), 1234.5);
    EXPECT_EQ(value(" -12 "), -12);
    EXPECT_EQ(value(".5"), 0.5);
    EXPECT_EQ(value("12."), 12);
    EXPECT_EQ(value("1,000,000,000,000"), 1e12);
    for (const char* refused : {"abc", "", "-", "7,5", "1,23,456", "1e5", "12abc", "1.2.3", "inf", "nan", "0x10"}) {
        const ParsedNumber parsed = ParseUserNumber(refused);
        EXPECT_FALSE(parsed.value) << refused;
        EXPECT_EQ(parsed.refusal, QStringLiteral("'%1' is not a number.").arg(refused));
    }
    EXPECT_EQ(ParseUserNumber("1,000,000,000,001").refusal,
              "'1,000,000,000,001' is out of range: numbers may be at most 1,000,000,000,000 in size.");
    EXPECT_FALSE(ParseUserNumber(QString(400, '9')).value);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(value("1.234,5"), 1234.5);
    EXPECT_EQ(value("7,5"), 7.5);
    EXPECT_FALSE(value("7.5"));
    // The locale every other test of this program expects.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    // Scripts write plain numbers whatever the locale.
    EXPECT_EQ(ParsePlainNumberText("-12.5").value, -12.5);
    EXPECT_FALSE(ParsePlainNumberText("1,234.5").value);
    EXPECT_FALSE(ParsePlainNumberText("1e308").value);
    EXPECT_EQ(ParsePlainNumberText("2000000000000").refusal,
              "'2000000000000' is out of range: numbers may be at most 1,000,000,000,000 in size.");
}

} // namespace
