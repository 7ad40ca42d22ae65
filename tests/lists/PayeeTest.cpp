// Customers, vendors and the own company: identifiers, name checks, what a save stores, deletes
// by identity, and the same with a second program on the book.

#include "CItemSetupForm.h"
#include "CPayeeSetup.h"
#include "CSecondProgram.h"
#include "CTestBook.h"

#include <gtest/gtest.h>

namespace {

using Kind = CPayeeSetup::Kind;
using Status = CPayeeSetup::Status;

PayeeRecord Payee(const QString& name, const QString& phone = QString())
{
    PayeeRecord payee;
    payee.CompanyName = name;
    payee.Phone = phone;
    return payee;
}

QStringList Names(const QList<PayeeRecord>& payees)
{
    QStringList names;
    for (const PayeeRecord& payee : payees) {
        names << QStringLiteral("%1:%2").arg(payee.PayeeID).arg(payee.CompanyName);
    }
    return names;
}

class Payees : public testing::Test
{
protected:
    CPayeeSetup::SaveResult Create(Kind kind, const QString& name)
    {
        return CPayeeSetup(m_book.Doc(), kind).Create(Payee(name));
    }
    QStringList Rows(const QString& sql) { return m_book.Rows(sql); }

    CTestBook m_book;
};

TEST_F(Payees, EachListCountsItsOwnIdentifiersFromOne)
{
    EXPECT_EQ(Create(Kind::Customer, "Acme").payeeID, 1);
    EXPECT_EQ(Create(Kind::Vendor, "Acme").payeeID, 1);
    ASSERT_TRUE(m_book.Exec("INSERT INTO Customer(PayeeID,CompanyName) Values(7,'Seven')"));
    ASSERT_TRUE(m_book.Exec("INSERT INTO Customer(PayeeID,CompanyName) Values(2,'Two')"));
    m_book.Doc().LoadCustomers();
    EXPECT_EQ(Create(Kind::Customer, "Eight").payeeID, 8);
    EXPECT_EQ(Create(Kind::Vendor, "Beta").payeeID, 2);
    // The own company's -100 is no vendor and takes no part.
    ASSERT_TRUE(CPayeeSetup::OpenOwnCompany(m_book.Doc()));
    EXPECT_EQ(Create(Kind::Vendor, "Gamma").payeeID, 3);
    EXPECT_EQ(Names(m_book.Doc().Customers()), (QStringList{"1:Acme", "8:Eight", "7:Seven", "2:Two"}));
    EXPECT_EQ(Names(m_book.Doc().Vendors()), (QStringList{"1:Acme", "2:Beta", "3:Gamma"}));
    EXPECT_TRUE(m_book.Prompter().Shown().isEmpty());
}

TEST_F(Payees, NamesAreTrimmedAndUniqueLetterCaseAside)
{
    ASSERT_TRUE(Create(Kind::Customer, "  acme ").Saved());
    ASSERT_TRUE(Create(Kind::Customer, "O'Hara").Saved());
    ASSERT_TRUE(Create(Kind::Customer, QString::fromUtf8("Caf\u00e9")).Saved());
    EXPECT_EQ(Create(Kind::Customer, "ACME").status, Status::Refused);
    EXPECT_EQ(Create(Kind::Customer, "o'hara").status, Status::Refused);
    // The same letter typed with a combining accent, in capitals.
    EXPECT_EQ(Create(Kind::Customer, QString::fromUtf8("CAFE\u0301")).status, Status::Refused);
    EXPECT_EQ(Create(Kind::Customer, " \t ").status, Status::Refused);
    // A vendor is no customer; a name typed with a combining accent is stored composed.
    EXPECT_TRUE(Create(Kind::Vendor, "Acme").Saved());
    EXPECT_EQ(Create(Kind::Vendor, QString::fromUtf8("Cafe\u0301")).name, QString::fromUtf8("Caf\u00e9"));

    CPayeeSetup customers(m_book.Doc(), Kind::Customer);
    EXPECT_EQ(customers.Update(2, Payee("ACME")).status, Status::Refused);
    const CPayeeSetup::SaveResult recased = customers.Update(1, Payee(" ACME"));
    EXPECT_TRUE(recased.Saved());
    EXPECT_EQ(recased.name, "ACME");
    EXPECT_EQ(m_book.Prompter().Shown(), (QStringList{"The New Company Name Exists! Please Change to Other Name.",
                                                      "The New Company Name Exists! Please Change to Other Name.",
                                                      "The New Company Name Exists! Please Change to Other Name.",
                                                      "Company Name Can not Be Empty!",
                                                      "The New Company Name Exists! Please Change to Other Name."}));
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName FROM Customer order by PayeeID"),
              (QStringList{"1|ACME", "2|O'Hara", QString::fromUtf8("3|Caf\u00e9")}));
}

TEST_F(Payees, ControlCharactersAreRefusedButTabsAndBreaksMayStandInTheAddressAndNote)
{
    CPayeeSetup customers(m_book.Doc(), Kind::Customer);
    EXPECT_EQ(Create(Kind::Customer, "Acme\x1b]0;owned\a").status, Status::Refused);
    PayeeRecord payee = Payee("Acme");
    payee.City = "Cork\tCity";
    EXPECT_EQ(customers.Create(payee).status, Status::Refused);
    payee.City = "Cork";
    payee.Note = QString::fromUtf8("bell\u009b");
    EXPECT_EQ(customers.Create(payee).status, Status::Refused);
    payee.Address = "1 Main St\r\nFloor\t2";
    payee.Note = "first\nsecond";
    const CPayeeSetup::SaveResult saved = customers.Create(payee);
    ASSERT_TRUE(saved.Saved());
    payee.Phone = "555\n";
    EXPECT_EQ(customers.Update(saved.payeeID, payee).status, Status::Refused);
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"The company name may not hold tabs, line breaks or other control characters.",
                           "The city may not hold tabs, line breaks or other control characters.",
                           "The note may not hold control characters other than tabs and line breaks.",
                           "The phone may not hold tabs, line breaks or other control characters."}));
    EXPECT_EQ(Rows("SELECT CompanyName, Address, City, Phone, Note FROM Customer"),
              QStringList{"Acme|1 Main St\r\nFloor\t2|Cork||first\nsecond"});
}

TEST_F(Payees, ASaveStoresEveryFieldInColumnOrderAndClearsTheCountry)
{
    PayeeRecord full;
    for (int i = 0; i < PayeeRecord::kTextCount; ++i) {
        full.Text(i) = QStringLiteral("%1 it's").arg(PayeeRecord::TextName(i));
    }
    const CPayeeSetup::SaveResult created = CPayeeSetup(m_book.Doc(), Kind::Vendor).Create(full);
    ASSERT_TRUE(created.Saved());
    const QString expected = "1|CompanyName it's|Address it's|City it's|State it's|PostalCode it's||Contact it's|"
                             "Phone it's|Fax it's|Email it's|Note it's";
    EXPECT_EQ(Rows("SELECT * FROM Vendor"), QStringList{expected});

    ASSERT_TRUE(m_book.Exec("UPDATE Vendor SET Country = 'Peru'"));
    full.Phone = "555";
    ASSERT_TRUE(CPayeeSetup(m_book.Doc(), Kind::Vendor).Update(created.payeeID, full).Saved());
    EXPECT_EQ(Rows("SELECT Country, Phone FROM Vendor"), QStringList{"|555"});
    EXPECT_EQ(m_book.Doc().Vendors().value(0).Phone, "555");
}

TEST_F(Payees, ChangesAndDeletesLeaveTheSalesWithTheirNames)
{
    ASSERT_TRUE(m_book.Exec("INSERT INTO Item(ProductID,CategoryID,TaxID,UnitsOnHand,UnitCost,SalePrice,AvgCost) "
                            "Values('Rope',0,1,10,1,2,1)"));
    m_book.Doc().ReloadCatalogue();
    const int32_t bob = Create(Kind::Customer, "Bob").payeeID;
    SalePurchasePosting sale;
    sale.TransType = 1;
    sale.PreviousDate = sale.NewDate = QDateTime(QDate(2026, 3, 1), QTime(10, 0));
    sale.CompanyName = "Bob";
    TransactionLine line;
    line.ProductID = "Rope";
    line.Quantity = 2;
    line.Price = 2;
    line.TaxID = 1;
    line.ItemTotal = 4;
    sale.Lines = {line};
    ASSERT_TRUE(m_book.Doc().PostSalePurchase(sale).Saved);

    CPayeeSetup customers(m_book.Doc(), Kind::Customer);
    EXPECT_EQ(customers.Update(bob, Payee("Robert")).name, "Robert");
    EXPECT_EQ(Rows("SELECT CompanyName FROM [Transaction]"), QStringList{"Bob"});
    m_book.Prompter().AnswerNo();
    EXPECT_FALSE(customers.Delete(bob));
    m_book.Prompter().AnswerYes();
    EXPECT_TRUE(customers.Delete(bob));
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"? Delete the customer 'Robert'?", "? Delete the customer 'Robert'?"}));
    EXPECT_TRUE(m_book.Doc().Customers().isEmpty());
    EXPECT_EQ(Rows("SELECT CompanyName FROM [Transaction]"), QStringList{"Bob"});
    EXPECT_EQ(Rows("SELECT CompanyName FROM TransItem"), QStringList{"Bob"});
}

TEST_F(Payees, AChangeOrDeleteOfAPayeeWithoutARowWritesNothing)
{
    CPayeeSetup customers(m_book.Doc(), Kind::Customer);
    ASSERT_TRUE(Create(Kind::Customer, "Acme").Saved());
    EXPECT_EQ(customers.Update(5, Payee("Ghost")).status, Status::Failed);
    EXPECT_FALSE(customers.Delete(5));
    EXPECT_EQ(m_book.Prompter().Shown(),
              (QStringList{"Unable to execute command", "The customer is no longer in the list."}));
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName FROM Customer"), QStringList{"1|Acme"});
}

TEST_F(Payees, TheOwnCompanyIsCreatedOnceOpenedAndSavedApartFromTheVendors)
{
    EXPECT_EQ(m_book.Doc().OwnCompany().CompanyName, "Please Setup 'My Company'");
    const auto opened = CPayeeSetup::OpenOwnCompany(m_book.Doc());
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->created);
    EXPECT_EQ(Rows("SELECT * FROM Vendor"), QStringList{"-100|My Company||||||||||"});
    EXPECT_EQ(m_book.Doc().OwnCompany().CompanyName, "My Company");
    EXPECT_EQ(m_book.Doc().OwnCompany().Address, "");

    // A vendor may carry the own company's name; the profile may carry a vendor's.
    ASSERT_TRUE(Create(Kind::Vendor, "My Company").Saved());
    ASSERT_TRUE(Create(Kind::Vendor, "Quill & Co").Saved());
    PayeeRecord profile = Payee(" Quill & Co ", "555-0100");
    profile.Address = "1 Main St";
    const CPayeeSetup::SaveResult saved = CPayeeSetup::SaveOwnCompany(m_book.Doc(), profile);
    EXPECT_TRUE(saved.Saved());
    EXPECT_EQ(saved.payeeID, -100);
    EXPECT_EQ(m_book.Doc().OwnCompany().Address, "1 Main St");
    EXPECT_EQ(Names(m_book.Doc().Vendors()), (QStringList{"1:My Company", "2:Quill & Co"}));

    const auto reopened = CPayeeSetup::OpenOwnCompany(m_book.Doc());
    ASSERT_TRUE(reopened);
    EXPECT_FALSE(reopened->created);
    EXPECT_EQ(reopened->stored.CompanyName, "Quill & Co");
    EXPECT_EQ(reopened->stored.Phone, "555-0100");

    // Deleting the vendor named like the own company leaves the profile.
    CPayeeSetup vendors(m_book.Doc(), Kind::Vendor);
    m_book.Prompter().AnswerYes();
    ASSERT_TRUE(vendors.Delete(2));
    EXPECT_EQ(vendors.Find(-100), -1);
    EXPECT_FALSE(vendors.Delete(-100));
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName FROM Vendor order by PayeeID"),
              (QStringList{"-100|Quill & Co", "1|My Company"}));
    EXPECT_EQ(m_book.Doc().OwnCompany().CompanyName, "Quill & Co");
    EXPECT_EQ(CPayeeSetup::SaveOwnCompany(m_book.Doc(), Payee("")).status, Status::Refused);
    EXPECT_EQ(m_book.Prompter().Messages(),
              (QStringList{"The vendor is no longer in the list.", "Company Name Can not Be Empty!"}));
}

TEST_F(Payees, TheProfileIsNeverCreatedBySavingIt)
{
    EXPECT_EQ(CPayeeSetup::SaveOwnCompany(m_book.Doc(), Payee("Quill")).status, Status::Failed);
    EXPECT_EQ(m_book.Prompter().Shown(), QStringList{"Unable to execute command"});
    EXPECT_EQ(Rows("SELECT count(*) FROM Vendor"), QStringList{"0"});
}

TEST_F(Payees, ADeletedVendorsProductsPassToNoLaterVendor)
{
    ASSERT_TRUE(Create(Kind::Vendor, "Acme").Saved());
    CItemSetupForm rope(m_book.Doc(), QString());
    rope.name = "Rope";
    rope.categoryID = 0;
    rope.vendorID = 1;
    ASSERT_EQ(rope.Save(), CItemSetupForm::SaveResult::Saved);
    m_book.Prompter().AnswerYes();
    ASSERT_TRUE(CPayeeSetup(m_book.Doc(), Kind::Vendor).Delete(1));
    EXPECT_EQ(Create(Kind::Vendor, "Zeta").payeeID, 1);
    EXPECT_EQ(Rows("SELECT PayeeID FROM Item"), QStringList{"-1"});
    EXPECT_EQ(m_book.Doc().Products().value(0).PayeeID, -1);
}

class PayeesOnASharedBook : public Payees
{
protected:
    CSecondProgram m_other{m_book.Path()};
};

TEST_F(PayeesOnASharedBook, NamesAndIdentifiersFollowWhatTheOtherProgramStored)
{
    ASSERT_TRUE(CPayeeSetup(m_other.Doc(), Kind::Customer).Create(Payee("Dup")).Saved());
    EXPECT_EQ(Create(Kind::Customer, "DUP").status, Status::Refused);
    EXPECT_EQ(Create(Kind::Customer, "Other").payeeID, 2);
    // Renamed there to a name we then try to give another customer.
    ASSERT_TRUE(CPayeeSetup(m_other.Doc(), Kind::Customer).Update(1, Payee("Renamed")).Saved());
    EXPECT_EQ(CPayeeSetup(m_book.Doc(), Kind::Customer).Update(2, Payee("renamed")).status, Status::Refused);
    EXPECT_EQ(m_book.Prompter().Messages(), (QStringList{"The New Company Name Exists! Please Change to Other Name.",
                                                         "The New Company Name Exists! Please Change to Other Name."}));
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName FROM Customer order by PayeeID"),
              (QStringList{"1|Renamed", "2|Other"}));
}

TEST_F(PayeesOnASharedBook, ChangesAndDeletesHitThePayeeTheyNamedAfterTheListReorders)
{
    ASSERT_TRUE(Create(Kind::Vendor, "Mike").Saved());
    ASSERT_TRUE(Create(Kind::Vendor, "Oscar").Saved());
    m_other.Doc().ReloadCatalogue();
    ASSERT_TRUE(CPayeeSetup(m_other.Doc(), Kind::Vendor).Create(Payee("Alpha")).Saved());

    CPayeeSetup vendors(m_book.Doc(), Kind::Vendor);
    ASSERT_TRUE(vendors.Update(1, Payee("Mike", "555")).Saved());
    m_book.Prompter().AnswerYes();
    ASSERT_TRUE(vendors.Delete(2));
    EXPECT_EQ(Names(m_book.Doc().Vendors()), (QStringList{"3:Alpha", "1:Mike"}));
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName, Phone FROM Vendor order by PayeeID"),
              (QStringList{"1|Mike|555", "3|Alpha|"}));

    // Gone there before we save or delete: nothing is written here.
    m_other.Prompter().AnswerYes();
    ASSERT_TRUE(CPayeeSetup(m_other.Doc(), Kind::Vendor).Delete(1));
    EXPECT_EQ(vendors.Update(1, Payee("Mike", "556")).status, Status::Failed);
    EXPECT_FALSE(vendors.Delete(1));
    EXPECT_EQ(m_book.Prompter().Shown(), (QStringList{"? Delete the vendor 'Oscar'?", "Unable to execute command",
                                                      "The vendor is no longer in the list."}));
    EXPECT_EQ(Rows("SELECT PayeeID, CompanyName FROM Vendor"), QStringList{"3|Alpha"});
}

TEST_F(PayeesOnASharedBook, TwoProgramsOpeningTheProfileCreateOneRow)
{
    ASSERT_TRUE(CPayeeSetup::OpenOwnCompany(m_other.Doc()));
    const auto opened = CPayeeSetup::OpenOwnCompany(m_book.Doc());
    ASSERT_TRUE(opened);
    EXPECT_FALSE(opened->created);
    EXPECT_EQ(Rows("SELECT count(*) FROM Vendor where PayeeID = -100"), QStringList{"1"});
}

} // namespace
