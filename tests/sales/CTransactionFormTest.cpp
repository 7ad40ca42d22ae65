#include "CTransactionForm.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CPrintJobReader.h"
#include "CSalesBook.h"
#include "CSecondProgram.h"
#include "PrintJobWire.h"
#include "TransactionTypes.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

QDateTime Day(int day, int hour = 10, int minute = 30)
{
    return QDateTime(QDate(2026, 1, day), QTime(hour, minute));
}

QString Fixture(const QString& name)
{
    QFile file(QStringLiteral(SALES_FIXTURES "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

class TransactionForm : public testing::Test
{
protected:
    void SetUp() override
    {
        m_book.AddTax(2, "GST", 10);
        m_book.AddProduct({"Bolt", "Hex bolt", 100, 9.5, 3, 3, 2, 5});
        m_book.AddProduct({"Anvil", "Blacksmith's anvil", 10, 1234.5, 800, 800});
        m_book.AddProduct({"Rope", "Hemp rope", 50, 2, 1.2, 1.2});
        m_book.AddProduct({"Gear", "Spur gear"});
        m_book.AddPayee("Customer", 1, QString::fromUtf8("Bright Caf\xC3\xA9"), "4 Harbour Road", "Shelbyville", "IL",
                        "62565");
        m_book.AddPayee("Vendor", 5, "Acme Supply", "1 Dock St", "Portsmouth", "NH", "03801");
        m_book.AddPayee("Vendor", -100, "Orvane Hardware", "12 Mill Lane", "Springfield", "IL", "62704",
                        "Thank you for your business.");
        m_book.Reload();
    }

    // A line as the line item dialog makes it: the product chosen, then price and quantity on the pad.
    void AddLine(CTransactionForm& form, const QString& product, double quantity, std::optional<double> price = {})
    {
        CTransItemForm item = form.NewLineForm();
        ASSERT_TRUE(item.SelectProduct(product));
        if (price) {
            Prompter().AnswerNumber(*price);
            ASSERT_TRUE(item.EnterPrice());
        }
        Prompter().AnswerNumber(quantity);
        ASSERT_TRUE(item.EnterQuantity());
        ASSERT_TRUE(item.Confirm());
        form.AddLine(item.Line(), item.ProductVendor());
    }

    int32_t Post(int32_t type, const QDateTime& date, const QList<std::tuple<QString, double, double>>& lines)
    {
        CTransactionForm form(m_book.Doc(), type);
        form.SetDate(date);
        form.SetParty(type == kTransSale ? "Counter" : "Acme Supply", -1);
        for (const auto& [product, quantity, price] : lines) {
            AddLine(form, product, quantity, price);
        }
        EXPECT_EQ(form.Save(), CTransactionForm::SaveResult::Saved);
        return form.TransactionID();
    }

    QStringList Rows(const QString& sql) { return m_book.Book().Rows(sql); }
    CScriptedPrompter& Prompter() { return m_book.Prompter(); }

    CSalesBook m_book;
};

TEST_F(TransactionForm, ANewFormIsNumberedDatedAndTitledByItsType)
{
    Post(kTransPurchase, Day(2), {{"Gear", 1, 1}});
    const CTransactionForm sale(m_book.Doc(), kTransSale);
    EXPECT_EQ(sale.Title(), "Sell Product");
    EXPECT_EQ(sale.PartyLabel(), "Customer");
    EXPECT_EQ(sale.InvoiceNum(), "1");
    EXPECT_EQ(sale.Date(), CSalesBook::Now());
    EXPECT_EQ(sale.DateText(), "1/20/26");
    EXPECT_EQ(sale.TaxText(), "Tax: 0.00");
    EXPECT_EQ(sale.TotalText(), "Total: 0.00");
    ASSERT_EQ(sale.PartyEntries().size(), 1);
    EXPECT_EQ(sale.PartyEntries()[0].payeeID, 1);
    EXPECT_FALSE(sale.IsModified());
    const CTransactionForm purchase(m_book.Doc(), kTransPurchase);
    EXPECT_EQ(purchase.Title(), "Purchase Product");
    EXPECT_EQ(purchase.PartyLabel(), "Vendor:");
    ASSERT_EQ(purchase.PartyEntries().size(), 1);
    EXPECT_EQ(purchase.PartyEntries()[0].name, "Acme Supply");
}

TEST_F(TransactionForm, LinesMakeTheTaxAndTotalAndAreEditedAndDeletedBySelection)
{
    CTransactionForm form(m_book.Doc(), kTransSale);
    EXPECT_FALSE(form.CheckSelection());
    EXPECT_EQ(Prompter().Messages(), QStringList{"Please Select Item First"});
    AddLine(form, "Bolt", 3);
    AddLine(form, "Anvil", 2);
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.TaxText(), "Tax: 2.85");
    EXPECT_EQ(form.TotalText(), "Total: 2,500.35");

    form.SetSelection(0);
    ASSERT_TRUE(form.CheckSelection());
    CTransItemForm edit = form.SelectedLineForm();
    EXPECT_EQ(edit.ProductID(), "Bolt");
    EXPECT_EQ(edit.TaxName(), "GST");
    Prompter().AnswerNumber(4);
    ASSERT_TRUE(edit.EnterQuantity());
    form.ReplaceSelectedLine(edit.Line());
    EXPECT_EQ(form.TotalText(), "Total: 2,510.80");
    EXPECT_EQ(form.Selection(), 0);
    form.DeleteSelectedLine();
    EXPECT_EQ(form.Selection(), -1);
    ASSERT_EQ(form.Lines().size(), 1);
    EXPECT_EQ(form.Lines()[0].ProductID, "Anvil");
    EXPECT_EQ(form.TaxText(), "Tax: 0.00");
    form.SetSelection(1);
    EXPECT_EQ(form.Selection(), -1);
}

TEST_F(TransactionForm, SavingWantsLinesAndAPartyAndWritesNothingUntilItHasThem)
{
    for (const int32_t type : {kTransSale, kTransPurchase}) {
        CTransactionForm form(m_book.Doc(), type);
        EXPECT_EQ(form.Save(), CTransactionForm::SaveResult::StayOpen);
        AddLine(form, "Rope", 1);
        form.SetParty("   ", -1);
        EXPECT_EQ(form.Save(), CTransactionForm::SaveResult::StayOpen);
    }
    EXPECT_EQ(Prompter().Messages(), (QStringList{"Please add Sale Item!", "Please Select a Customer!",
                                                  "Please add Sale Item!", "Please Select a Vendor!"}));
    EXPECT_EQ(Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
    EXPECT_EQ(Rows("SELECT TransID FROM AutoNumber"), QStringList{"0"});
}

TEST_F(TransactionForm, ASavedFormIsStoredAndReopenedUnchangedItWritesNothing)
{
    CTransactionForm form(m_book.Doc(), kTransSale);
    AddLine(form, "Bolt", 3);
    form.SetParty("  O'Brien  ", -1);
    form.SetInvoiceNum("S-1");
    ASSERT_EQ(form.Save(), CTransactionForm::SaveResult::Saved);
    EXPECT_EQ(form.TransactionID(), 0);
    EXPECT_EQ(Rows("SELECT TransactionID,InvoiceNum,ProductID,CompanyName,Quantity,Price,TaxName,TaxRate,ItemTotal,"
                   "TaxTotal FROM TransItem"),
              QStringList{"0|S-1|Bolt|O'Brien|3|9.5|GST|10|28.5|2.85"});

    CTransactionForm stored(m_book.Doc(), kTransPurchase);
    ASSERT_TRUE(stored.OpenStored(0));
    EXPECT_EQ(stored.TransType(), kTransSale);
    EXPECT_EQ(stored.PartyText(), "O'Brien");
    EXPECT_EQ(stored.InvoiceNum(), "S-1");
    EXPECT_EQ(stored.Date(), CSalesBook::Now());
    EXPECT_EQ(stored.TotalText(), "Total: 31.35");
    const qint64 changes = m_book.Book().Connection().TotalChanges();
    EXPECT_EQ(stored.Save(), CTransactionForm::SaveResult::Unchanged);
    EXPECT_EQ(m_book.Book().Connection().TotalChanges(), changes);

    // Deleting every line and confirming leaves the stored transaction as it was.
    stored.SetSelection(0);
    stored.DeleteSelectedLine();
    EXPECT_EQ(stored.Save(), CTransactionForm::SaveResult::StayOpen);
    EXPECT_EQ(Prompter().Messages(), QStringList{"Please add Sale Item!"});
    EXPECT_EQ(m_book.Book().Connection().TotalChanges(), changes);
    EXPECT_EQ(Rows("SELECT count(*) FROM TransItem where TransactionID=0"), QStringList{"1"});
}

TEST_F(TransactionForm, OnlyASaleOrPurchaseOpens)
{
    ASSERT_TRUE(m_book.Book().Exec("INSERT INTO TransItem (TransactionID, TransDate, TransType, ProductID) values "
                                   "(3, '2026/1/2 9:00:00', 2, 'Gear')"));
    CTransactionForm form(m_book.Doc(), kTransSale);
    EXPECT_FALSE(form.OpenStored(3));
    EXPECT_FALSE(form.OpenStored(4));
    EXPECT_EQ(Prompter().Messages(),
              (QStringList{"There is no sale or purchase 3.", "There is no sale or purchase 4."}));
    EXPECT_EQ(form.TransactionID(), -1);
}

TEST_F(TransactionForm, ANewDayKeepsTheTimeOfDayAndMovingLaterRederivesFromTheStoredDate)
{
    Post(kTransPurchase, Day(1), {{"Gear", 10, 4}});
    const int32_t sale = Post(kTransSale, Day(2, 10, 30), {{"Gear", 5, 7}});
    Post(kTransPurchase, Day(3), {{"Gear", 10, 6}});
    EXPECT_EQ(Rows("SELECT UnitsOnHand FROM TransItem where TransactionID=2"), QStringList{"15"});

    CTransactionForm form(m_book.Doc(), kTransSale);
    ASSERT_TRUE(form.OpenStored(sale));
    form.SetDay(QDate(2026, 1, 4));
    EXPECT_EQ(form.Date(), Day(4, 10, 30));
    ASSERT_EQ(form.Save(), CTransactionForm::SaveResult::Saved);
    EXPECT_EQ(Rows("SELECT TransactionID,UnitsOnHand,AvgCost,UnitCost FROM TransItem order by TransDate"),
              (QStringList{"0|10|4|4", "2|20|5|6", "1|15|5|5"}));
    EXPECT_EQ(m_book.Book().Scalar("SELECT TransDate FROM TransItem where TransactionID=1").ToDateTime(),
              Day(4, 10, 30));
}

TEST_F(TransactionForm, AProductsVendorFillsOnlyAnEmptyParty)
{
    CTransactionForm empty(m_book.Doc(), kTransPurchase);
    AddLine(empty, "Bolt", 1);
    EXPECT_EQ(empty.PartyText(), "Acme Supply");
    EXPECT_EQ(empty.PartyID(), 5);

    CTransactionForm typed(m_book.Doc(), kTransPurchase);
    typed.SetParty("Walk-in Supplier", -1);
    AddLine(typed, "Bolt", 1);
    AddLine(typed, "Rope", 1);
    EXPECT_EQ(typed.PartyText(), "Walk-in Supplier");
    EXPECT_EQ(typed.PartyID(), -1);

    // A typed vendor is stored by name and records no vendor for the product; a chosen one does.
    ASSERT_EQ(typed.Save(), CTransactionForm::SaveResult::Saved);
    EXPECT_EQ(Rows("SELECT CompanyName FROM [Transaction]"), QStringList{"Walk-in Supplier"});
    EXPECT_EQ(Rows("SELECT PayeeID FROM Item where ProductID='Rope'"), QStringList{"-1"});
    CTransactionForm chosen(m_book.Doc(), kTransPurchase);
    chosen.SetParty("Acme Supply", 5);
    AddLine(chosen, "Rope", 1);
    ASSERT_EQ(chosen.Save(), CTransactionForm::SaveResult::Saved);
    EXPECT_EQ(Rows("SELECT PayeeID FROM Item where ProductID='Rope'"), QStringList{"5"});
}

TEST_F(TransactionForm, AFailedSaveKeepsTheFormAndLeavesTheBookAsItWas)
{
    CTransactionForm form(m_book.Doc(), kTransSale);
    form.SetParty("Counter", -1);
    AddLine(form, "Bolt", 2);
    AddLine(form, "Rope", 1);
    CSecondProgram other(m_book.Book().Path());
    ASSERT_TRUE(Execute(other.Connection(), "delete from Item where ProductID='Rope'"));
    EXPECT_EQ(form.Save(), CTransactionForm::SaveResult::StayOpen);
    EXPECT_EQ(Prompter().Messages(),
              QStringList{"The product \"Rope\" is no longer in the list; the transaction was not saved."});
    EXPECT_EQ(form.Lines().size(), 2);
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.TransactionID(), -1);
    EXPECT_EQ(Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
    EXPECT_EQ(Rows("SELECT TransID FROM AutoNumber"), QStringList{"0"});
}

TEST_F(TransactionForm, TheDefaultInvoiceNumberIsTheOneTheSaleGetsWhenSavedATypedOneStaysAsTyped)
{
    CTransactionForm mine(m_book.Doc(), kTransSale);
    CTransactionForm typed(m_book.Doc(), kTransSale);
    EXPECT_EQ(mine.InvoiceNum(), "0");
    typed.SetInvoiceNum("0");
    for (CTransactionForm* form : {&mine, &typed}) {
        form->SetParty("Counter", -1);
        AddLine(*form, "Rope", 1);
    }
    // Another program takes number 0 while both forms are open.
    CSecondProgram other(m_book.Book().Path());
    CTransactionForm theirs(other.Doc(), kTransSale);
    theirs.SetParty("Walk-in", -1);
    TransactionLine line;
    line.ProductID = "Bolt";
    line.Quantity = 1;
    theirs.AddLine(line, -1);
    ASSERT_EQ(theirs.Save(), CTransactionForm::SaveResult::Saved);
    ASSERT_EQ(mine.Save(), CTransactionForm::SaveResult::Saved);
    ASSERT_EQ(typed.Save(), CTransactionForm::SaveResult::Saved);
    EXPECT_EQ(mine.TransactionID(), 1);
    EXPECT_EQ(mine.InvoiceNum(), "1");
    EXPECT_EQ(typed.InvoiceNum(), "0");
    EXPECT_EQ(Rows("SELECT DISTINCT TransactionID, InvoiceNum FROM TransItem ORDER BY TransactionID"),
              (QStringList{"0|0", "1|1", "2|0"}));
    EXPECT_EQ(Rows("SELECT TransactionID, InvoiceNum FROM [Transaction] ORDER BY TransactionID"),
              (QStringList{"0|0", "1|1", "2|0"}));
}

TEST_F(TransactionForm, AnInvoiceNumberOrPartyWithAControlCharacterIsRefused)
{
    CTransactionForm sale(m_book.Doc(), kTransSale);
    AddLine(sale, "Bolt", 1);
    sale.SetInvoiceNum("12\x1b[8m");
    sale.SetParty("Counter", -1);
    EXPECT_EQ(sale.Save(), CTransactionForm::SaveResult::StayOpen);
    sale.SetInvoiceNum("12");
    sale.SetParty("Count\ner", -1);
    EXPECT_EQ(sale.Save(), CTransactionForm::SaveResult::StayOpen);
    EXPECT_EQ(Prompter().Messages(),
              (QStringList{"The invoice number may not hold tabs, line breaks or other control characters.",
                           "The customer name may not hold tabs, line breaks or other control characters."}));
    EXPECT_EQ(Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
}

TEST_F(TransactionForm, TheJobsOfASaleAndOfAPurchaseAreTheFixtures)
{
    CTransactionForm sale(m_book.Doc(), kTransSale);
    sale.SetInvoiceNum("1042");
    sale.SetParty(QString::fromUtf8("bright CAF\xC3\x89 "), -1);
    AddLine(sale, "Bolt", 3);
    AddLine(sale, "Anvil", 2);
    EXPECT_EQ(PrintJobWire::EncodeText(CPrintJobWriter::Text(sale.PrintJob())),
              PrintJobWire::EncodeText(Fixture("sale.job")));

    CTransactionForm purchase(m_book.Doc(), kTransPurchase);
    purchase.SetInvoiceNum("P-77");
    AddLine(purchase, "Bolt", 10);
    AddLine(purchase, "Rope", 2.5);
    EXPECT_EQ(CPrintJobWriter::Text(purchase.PrintJob()), Fixture("purchase.job"));
}

TEST_F(TransactionForm, TheBillToBlockIsTheChosenPartyElseTheLastOfItsNameElseJustItsName)
{
    m_book.AddPayee("Customer", 2, QString::fromUtf8("BRIGHT CAF\xC3\x89"), "9 Upper Street", "Ogdenville", "IL",
                    "62999");
    m_book.Reload();
    ASSERT_EQ(m_book.Doc().Customers().size(), 2);
    const PayeeRecord first = m_book.Doc().Customers()[0];
    const PayeeRecord last = m_book.Doc().Customers()[1];
    CTransactionForm form(m_book.Doc(), kTransSale);
    form.SetParty(first.CompanyName, first.PayeeID);
    AddLine(form, "Rope", 1);
    EXPECT_EQ(form.PrintJob().party.address, first.Address);
    form.SetParty(QString::fromUtf8("bright caf\xC3\xA9"), -1);
    EXPECT_EQ(form.PrintJob().party.address, last.Address);

    form.SetParty(" Passer-by ", -1);
    const QStringList lines = CPrintJobWriter::Text(form.PrintJob()).split('\n');
    EXPECT_EQ(lines.mid(10, 3), (QStringList{"CustomerName:Passer-by", "CustomerAddress:", "CustomerCityZipCode:,  "}));
}

TEST_F(TransactionForm, AStoredPartyIsFoundByItsPayeeIDSoRenamingOrDeletingItKeepsEarlierInvoicesRight)
{
    const QString cafe = QString::fromUtf8("Bright Caf\xC3\xA9");
    CTransactionForm chosen(m_book.Doc(), kTransSale);
    chosen.SetParty(cafe, 1);
    AddLine(chosen, "Rope", 1);
    ASSERT_EQ(chosen.Save(), CTransactionForm::SaveResult::Saved);
    // A typed name of the list records that entry too.
    CTransactionForm typed(m_book.Doc(), kTransPurchase);
    typed.SetParty("acme supply ", -1);
    AddLine(typed, "Rope", 1);
    ASSERT_EQ(typed.Save(), CTransactionForm::SaveResult::Saved);
    const int32_t sale = chosen.TransactionID();
    const int32_t purchase = typed.TransactionID();
    EXPECT_EQ(Rows("SELECT PayeeID FROM [Transaction] order by TransactionID"), (QStringList{"1", "5"}));
    const auto storedParty = [this](int32_t id) {
        CTransactionForm form(m_book.Doc(), kTransSale);
        EXPECT_TRUE(form.OpenStored(id));
        return form.PrintJob().party;
    };

    ASSERT_TRUE(
        m_book.Book().Exec("update Customer set CompanyName='Bright Bistro', Address='7 Quay' where PayeeID=1"));
    m_book.Reload();
    EXPECT_EQ(storedParty(sale).name, "Bright Bistro");
    EXPECT_EQ(storedParty(sale).address, "7 Quay");
    EXPECT_EQ(storedParty(purchase).city, "Portsmouth");

    // Another party typed on the reopened form is that party, not the stored one.
    CTransactionForm retyped(m_book.Doc(), kTransSale);
    ASSERT_TRUE(retyped.OpenStored(sale));
    retyped.SetParty("Passer-by", -1);
    EXPECT_EQ(retyped.PrintJob().party.name, "Passer-by");
    EXPECT_EQ(retyped.PrintJob().party.address, "");

    // Deleted: the name the transaction keeps, with no address.
    ASSERT_TRUE(m_book.Book().Exec("delete from Customer where PayeeID=1"));
    m_book.Reload();
    EXPECT_EQ(storedParty(sale).name, cafe);
    EXPECT_EQ(storedParty(sale).address, "");

    // A transaction stored without its party's PayeeID finds the party by name.
    ASSERT_TRUE(m_book.Book().Exec("update [Transaction] set PayeeID=0"));
    m_book.AddPayee("Customer", 3, cafe, "9 Upper Street");
    m_book.Reload();
    EXPECT_EQ(storedParty(sale).address, "9 Upper Street");
}

TEST_F(TransactionForm, AWidePriceIsSentUngroupedAndALineWithoutDescriptionByItsProduct)
{
    m_book.AddProduct({"Washer", ""});
    m_book.Reload();
    CTransactionForm form(m_book.Doc(), kTransPurchase);
    AddLine(form, "Gear", 2, 1500000);
    AddLine(form, "Washer", 4, 0.25);
    const CPrintJobWriter::Job job = form.PrintJob();
    EXPECT_FALSE(CPrintJobWriter::TooWideNumber(job));
    // Read back as the desktop reads it: every field in its own column.
    const CPrintJobReader reader(CPrintJobWriter::Text(job));
    ASSERT_EQ(reader.ItemTexts().size(), 2);
    const PrintJobItem wide = CPrintJobReader::CutItem(reader.ItemTexts()[0]);
    EXPECT_EQ((QStringList{wide.quantity, wide.description, wide.price, wide.amount}),
              (QStringList{"2", "Spur gear", "1500000.00", "3,000,000.00"}));
    EXPECT_EQ(CPrintJobReader::CutItem(reader.ItemTexts()[1]).description, "Washer");
}

TEST_F(TransactionForm, TheJobUsesTheLocalesNumbersAndDateAndTheOwnCompanyDefaults)
{
    ASSERT_TRUE(m_book.Book().Exec("delete from Vendor where PayeeID=-100"));
    m_book.Reload();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CTransactionForm form(m_book.Doc(), kTransSale);
    AddLine(form, "Anvil", 1.5);
    const QStringList lines = CPrintJobWriter::Text(form.PrintJob()).split('\n');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(lines[1], "CompanyName:Please Setup 'My Company'");
    EXPECT_EQ(lines[2], "CompanyAddress:For Your Invoice/P.O. Title");
    EXPECT_EQ(lines[13], "InvoiceDate:20.01.26");
    EXPECT_EQ(lines[14], "Item: 1,50" + QString(8, ' ') + "Blacksmith's anvil" + QString(22, ' ') + "  1.234,50" +
                             "    1.851,75" + "None      ");
    EXPECT_EQ(lines.mid(15), (QStringList{"TAXTOTAL: 0,00", "TOTAL: 1.851,75", "@END@"}));
}

} // namespace
