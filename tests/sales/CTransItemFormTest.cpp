#include "CTransItemForm.h"
#include "CSalesBook.h"
#include "TransactionTypes.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

class TransItemForm : public testing::Test
{
protected:
    void SetUp() override
    {
        m_book.AddTax(2, "GST", 7.5);
        m_book.AddProduct({"Bolt", "Hex bolt", 10, 9.5, 3, 4, 2, 7});
        m_book.AddProduct({"Rope", "Hemp rope", 0.5, 2, 1, 1.25});
        m_book.AddProduct({"Nut", "Hex nut", 4, 0.5, 0.2, 0.25, 99});
        m_book.Reload();
    }

    CTransItemForm NewLine(int32_t type, const QList<TransactionLine>& current = {},
                           const QList<TransactionLine>& loaded = {})
    {
        return CTransItemForm(m_book.Doc(), type, current, loaded);
    }

    static TransactionLine StoredLine(const QString& product, double quantity, double onHand)
    {
        TransactionLine line;
        line.TransactionID = 7;
        line.ProductID = product;
        line.ProductName = "As stored";
        line.Quantity = quantity;
        line.UnitCost = 3.5;
        line.Price = 8;
        line.OnHand = onHand;
        line.TaxName = "GST";
        line.TaxRate = 7.5;
        line.CategoryName = "Hardware";
        return line;
    }

    CSalesBook m_book;
};

TEST_F(TransItemForm, AProductBringsItsCatalogueDefaultsAndTheStockAfterTheLine)
{
    CTransItemForm sale = NewLine(kTransSale);
    EXPECT_EQ(sale.PriceLabel(), "Sale Price:");
    EXPECT_EQ(sale.TaxName(), "None");
    ASSERT_TRUE(sale.SelectProduct("bolt"));
    EXPECT_EQ(sale.ProductID(), "Bolt");
    EXPECT_EQ(sale.Description(), "Hex bolt");
    EXPECT_EQ(sale.CategoryName(), "Hardware");
    EXPECT_EQ(sale.ProductVendor(), 7);
    EXPECT_EQ(sale.QuantityText(), "1");
    EXPECT_EQ(sale.OnHandText(), "9");
    EXPECT_EQ(sale.PriceText(), "9.50");
    EXPECT_DOUBLE_EQ(sale.UnitCost(), 4);
    EXPECT_EQ(sale.TaxName(), "GST");
    EXPECT_EQ(sale.TaxRateText(), "7.50");
    const TransactionLine line = sale.Line();
    EXPECT_DOUBLE_EQ(line.ItemTotal, 9.5);
    EXPECT_DOUBLE_EQ(line.TaxTotal, 0.7125);

    // A purchase costs the last purchase price and carries no tax.
    CTransItemForm purchase = NewLine(kTransPurchase);
    EXPECT_EQ(purchase.PriceLabel(), "Buy Price:");
    ASSERT_TRUE(purchase.SelectProduct("Bolt"));
    EXPECT_EQ(purchase.OnHandText(), "11");
    EXPECT_EQ(purchase.PriceText(), "3.00");
    EXPECT_EQ(purchase.TaxName(), "None");
    EXPECT_EQ(purchase.TaxRateText(), "0.00");

    // A product whose tax is not in the list takes none, not the tax of the product chosen before.
    ASSERT_TRUE(sale.SelectProduct("Nut"));
    EXPECT_EQ(sale.TaxName(), "None");
    EXPECT_DOUBLE_EQ(sale.TaxRate(), 0);
    EXPECT_TRUE(m_book.Prompter().Shown().isEmpty());
}

TEST_F(TransItemForm, ASaleOfLessThanOneOnHandAsksForTheFirstUnit)
{
    CTransItemForm no = NewLine(kTransSale);
    ASSERT_TRUE(no.SelectProduct("Rope"));
    EXPECT_EQ(m_book.Prompter().Questions(),
              QStringList{"There is not enough QTY on hand, still want to set initial Quantity = 1 ?"});
    EXPECT_EQ(no.QuantityText(), "0");
    EXPECT_EQ(no.OnHandText(), "0.50");

    m_book.Prompter().AnswerYes();
    CTransItemForm yes = NewLine(kTransSale);
    ASSERT_TRUE(yes.SelectProduct("Rope"));
    EXPECT_EQ(yes.QuantityText(), "1");
    EXPECT_EQ(yes.OnHandText(), "-0.50");
}

TEST_F(TransItemForm, AProductAlreadyOnTheTransactionIsRefusedAndCleared)
{
    CTransItemForm form = NewLine(kTransSale, {StoredLine("Bolt", 2, 8)});
    EXPECT_FALSE(form.SelectProduct("BOLT"));
    EXPECT_EQ(m_book.Prompter().Messages(),
              QStringList{"The item name exists in your current transaction, please select a different one!"});
    EXPECT_TRUE(form.ProductID().isEmpty());
    EXPECT_FALSE(form.Confirm());
    EXPECT_EQ(m_book.Prompter().Messages().last(), "You Must Select a Product Item!");
}

TEST_F(TransItemForm, TheLinesOwnOrStoredProductComesBackAsIfItsQuantityWereNotTaken)
{
    const TransactionLine sold = StoredLine("Bolt", 3, 7);
    CTransItemForm sale(m_book.Doc(), kTransSale, {sold}, {sold}, sold);
    ASSERT_TRUE(sale.SelectProduct("Nut"));
    ASSERT_TRUE(sale.SelectProduct("bolt"));
    EXPECT_EQ(sale.QuantityText(), "1");
    EXPECT_EQ(sale.OnHandText(), "9");
    EXPECT_DOUBLE_EQ(sale.UnitCost(), 3.5);
    EXPECT_EQ(sale.Description(), "As stored");
    // Price and tax stay as they are.
    EXPECT_DOUBLE_EQ(sale.Price(), 0.5);

    const TransactionLine bought = StoredLine("Bolt", 3, 13);
    CTransItemForm purchase(m_book.Doc(), kTransPurchase, {bought}, {bought}, bought);
    ASSERT_TRUE(purchase.SelectProduct("Bolt"));
    EXPECT_EQ(purchase.OnHandText(), "11");

    // A new line for a product the stored transaction held, after its line was deleted.
    CTransItemForm again = NewLine(kTransSale, {}, {sold});
    ASSERT_TRUE(again.SelectProduct("Bolt"));
    EXPECT_EQ(again.OnHandText(), "9");
    EXPECT_EQ(again.Description(), "As stored");
    EXPECT_TRUE(m_book.Prompter().Shown().isEmpty());
}

TEST_F(TransItemForm, ThePadTakesPricesAndQuantitiesAndRefusesNegativesAndTooMuch)
{
    CScriptedPrompter& prompter = m_book.Prompter();
    CTransItemForm form = NewLine(kTransSale);
    ASSERT_TRUE(form.SelectProduct("Bolt")); // on hand 9 after one
    prompter.AnswerNumber(12.25);
    ASSERT_TRUE(form.EnterPrice());
    EXPECT_EQ(form.PriceText(), "12.25");
    prompter.AnswerNumber(-1);
    EXPECT_FALSE(form.EnterPrice());
    prompter.AnswerNumber(-1);
    EXPECT_FALSE(form.EnterQuantity());
    EXPECT_EQ(prompter.Messages(),
              (QStringList{"You can not input a negative value!", "You can not input a negative value!"}));
    EXPECT_EQ(prompter.Shown().first(), "# Item Price | Change Price  | 9.5");
    EXPECT_EQ(prompter.Shown()[3], "# Item Qty | Change Quantity  | 1");

    // Raising the quantity past the stock asks; No changes nothing, Yes lets the stock go negative.
    prompter.Clear();
    prompter.AnswerNumber(11.5);
    EXPECT_FALSE(form.EnterQuantity());
    EXPECT_EQ(prompter.Questions(), QStringList{"There is not enough QTY on hand, force it through?"});
    EXPECT_EQ(form.QuantityText(), "1");
    prompter.AnswerNumber(10);
    ASSERT_TRUE(form.EnterQuantity());
    EXPECT_EQ(form.OnHandText(), "0");
    prompter.AnswerNumber(11.5);
    prompter.AnswerYes();
    ASSERT_TRUE(form.EnterQuantity());
    EXPECT_EQ(form.QuantityText(), "11.50");
    EXPECT_EQ(form.OnHandText(), "-1.50");

    // An amount beyond the book's bounds is refused whichever factor makes it.
    prompter.Clear();
    prompter.AnswerNumber(1e12);
    EXPECT_FALSE(form.EnterPrice());
    EXPECT_TRUE(prompter.Messages().value(0).startsWith("The line's amount, 11,500,000,000,000.00, is out of range"));
    EXPECT_EQ(form.PriceText(), "12.25");

    // A purchase adds the change to the stock without asking.
    CTransItemForm purchase = NewLine(kTransPurchase);
    ASSERT_TRUE(purchase.SelectProduct("Rope"));
    prompter.Clear();
    prompter.AnswerNumber(5);
    ASSERT_TRUE(purchase.EnterQuantity());
    EXPECT_EQ(purchase.OnHandText(), "5.50");
    EXPECT_TRUE(prompter.Questions().isEmpty());
    EXPECT_DOUBLE_EQ(purchase.Line().UnitCost, 1);
}

TEST_F(TransItemForm, AnEditedLineKeepsItsOwnTaxAndRateAsANumber)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TransactionLine line = StoredLine("Bolt", 2, 8);
    line.TaxName = "City";
    line.TaxRate = 8.875;
    line.OnHand = 8.5;
    CTransItemForm form(m_book.Doc(), kTransSale, {line}, {}, line);
    EXPECT_EQ(form.TaxName(), "City");
    EXPECT_EQ(form.TaxRateText(), "8,875");
    // The quantity shows two decimals while the stock has them.
    EXPECT_EQ(form.QuantityText(), "2,00");
    const TransactionLine confirmed = form.Line();
    EXPECT_DOUBLE_EQ(confirmed.TaxRate, 8.875);
    EXPECT_DOUBLE_EQ(confirmed.TaxTotal, 16 * 8.875 * 0.01);
    EXPECT_EQ(confirmed.TransactionID, 7);

    form.SelectTax(2);
    EXPECT_EQ(form.TaxName(), "GST");
    EXPECT_DOUBLE_EQ(form.Line().TaxRate, 7.5);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST_F(TransItemForm, OnlyAProductOfTheCatalogueConfirmsALine)
{
    EXPECT_FALSE(NewLine(kTransSale).Confirm());
    const TransactionLine gone = StoredLine("Washer", 1, 0);
    CTransItemForm edited(m_book.Doc(), kTransSale, {gone}, {gone}, gone);
    EXPECT_FALSE(edited.Confirm());
    EXPECT_EQ(m_book.Prompter().Messages(),
              (QStringList{"You Must Select a Product Item!", "You Must Select a Product Item!"}));
    const TransactionLine kept = StoredLine("Bolt", 1, 0);
    EXPECT_TRUE(CTransItemForm(m_book.Doc(), kTransSale, {kept}, {kept}, kept).Confirm());
}

} // namespace
