#include "CDbRecordset.h"
#include "CTestBook.h"
#include "TestBooks.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QStringList TableColumns(CTestBook& book, const QString& table)
{
    CDbRecordset recordset(book.Connection());
    if (!recordset.Open(QStringLiteral("SELECT * FROM [%1]").arg(table), CDbRecordset::kOpenForwardOnly,
                        CDbRecordset::kLockReadOnly)) {
        return {QStringLiteral("<missing>")};
    }
    QStringList names;
    for (int i = 0; i < recordset.FieldCount(); ++i) {
        names << recordset.GetFieldName(i);
    }
    return names;
}

TEST(Catalogue, FirstStartCreatesTheFileWithSchemaSeedsAndLoadTexts)
{
    CTestBook book(CTestBook::Start::NoFile);
    QStringList status;
    const auto result = book.Doc().LoadCatalogue([&](const QString& text) { status << text; });
    EXPECT_EQ(result, CInventoryDoc::CatalogueLoad::Loaded);
    EXPECT_EQ(status, (QStringList{"Install new database ....", "", "Load Category List ....", "",
                                   "Load Item List ....", "", "Load Tax List ....", "", "Load Vendor List ....", "",
                                   "Load Customer List ....", "", "Load Auto Number ....", ""}));
    EXPECT_TRUE(book.Prompter().Shown().isEmpty());

    const QString payee = "PayeeID|CompanyName|Address|City|State|PostalCode|Country|Contact|Phone|Fax|Email|Note";
    const QList<std::pair<QString, QString>> tables = {
        {"AutoNumber", "VersionID|TransID|ProductID|PayeeID|TaxID|CategoryID"},
        {"Categories", "CategoryID|CategoryName"},
        {"Customer", payee},
        {"Item", "ProductID|ProductDesc|ProductNote|CategoryID|PayeeID|TaxID|UnitsOnHand|UnitsOnOrder|UnitCost|"
                 "SalePrice|AvgCost|TypeID"},
        {"PayeeType", "PayeeTypeID|PayeeTypeName"},
        {"Tax", "TaxID|TaxName|TaxRate"},
        {"Transaction", "TransactionID|TransDate|TransType|InvoiceNum|PayeeID|CompanyName|TaxTotal|SubTotal|"
                        "CostTotal|LineTotal|Paid|TransMemo"},
        {"TransItem", "TransactionID|TransDate|TransType|InvoiceNum|ProductID|ProductName|CompanyName|Quantity|"
                      "Discount|UnitCost|Price|TaxID|TaxName|TaxRate|ItemTotal|TaxTotal|LineTotal|Split|AvgCost|"
                      "UnitsOnHand|CategoryName|ItemOrder"},
        {"TransType", "TypeID|TypeName"},
        {"Vendor", payee},
        {"Version", "MajorVersion|MinorVersion|VersionInfo"},
    };
    for (const auto& [table, columns] : tables) {
        EXPECT_EQ(TableColumns(book, table).join('|'), columns) << table.toStdString();
    }
    EXPECT_EQ(book.Scalar(BooksOnServer() ? "SELECT count(*) FROM pg_tables WHERE schemaname = current_schema() AND "
                                            "tablename <> 'quillet_changes'"
                                          : "SELECT count(*) FROM sqlite_master WHERE type = 'table'"),
              CDbVariant(11));
    EXPECT_EQ(book.Rows(BooksOnServer()
                            ? "SELECT indexname FROM pg_indexes WHERE schemaname = current_schema() AND "
                              "indexname LIKE 'PrimaryKey%' ORDER BY indexname"
                            : "SELECT name FROM sqlite_master WHERE type = 'index' AND name LIKE 'PrimaryKey%' "
                              "ORDER BY name"),
              (QStringList{"PrimaryKey_AutoNumber", "PrimaryKey_Categories", "PrimaryKey_Customer", "PrimaryKey_Item",
                           "PrimaryKey_PayeeType", "PrimaryKey_Tax", "PrimaryKey_TransItem", "PrimaryKey_TransType",
                           "PrimaryKey_Transaction", "PrimaryKey_Vendor", "PrimaryKey_Version"}));

    EXPECT_EQ(book.Rows("SELECT * FROM AutoNumber"), QStringList{"110|0|0|0|0|0"});
    EXPECT_EQ(book.Rows("SELECT * FROM Categories"), (QStringList{"0|Hardware", "1|Software"}));
    EXPECT_EQ(book.Rows("SELECT * FROM PayeeType"), (QStringList{"0|Adjustment", "1|Customer", "2|Suppliers"}));
    EXPECT_EQ(book.Rows("SELECT * FROM Tax"), QStringList{"1|None|0"});
    EXPECT_EQ(book.Rows("SELECT * FROM TransType"), (QStringList{"0|Buy", "1|Sale", "2|Increase", "3|Decrease"}));
    EXPECT_EQ(book.Rows("SELECT * FROM Version"), QStringList{"1|1|[#Empty#]"});
    for (const char* empty : {"Customer", "Vendor", "Item", "Transaction", "TransItem"}) {
        EXPECT_EQ(book.Rows(QStringLiteral("SELECT count(*) FROM ") + empty), QStringList{"0"}) << empty;
    }

    const CInventoryDoc& doc = book.Doc();
    ASSERT_EQ(doc.Categories().size(), 2);
    EXPECT_EQ(doc.Categories()[0].CategoryName, "Hardware");
    EXPECT_EQ(doc.Categories()[1].CategoryID, 1);
    ASSERT_EQ(doc.Taxes().size(), 1);
    EXPECT_EQ(doc.Taxes()[0].TaxName, "None");
    EXPECT_TRUE(doc.Products().isEmpty());
    EXPECT_TRUE(doc.Vendors().isEmpty());
    EXPECT_TRUE(doc.Customers().isEmpty());
    EXPECT_EQ(doc.Counters().VersionID, 110);
    EXPECT_EQ(doc.Counters().TransID, 0);
    EXPECT_EQ(doc.Version().MajorVersion, 1);
    EXPECT_EQ(doc.OwnCompany().CompanyName, "Please Setup 'My Company'");
    EXPECT_EQ(doc.OwnCompany().Address, "For Your Invoice/P.O. Title");
}

TEST(Catalogue, ResetKeepsVersionReseedsTheRestAndToleratesAMissingTable)
{
    CTestBook book;
    ASSERT_TRUE(book.Exec("INSERT INTO Categories(CategoryID,CategoryName) Values(7,'Tools')"));
    ASSERT_TRUE(book.Exec("INSERT INTO Customer (PayeeID, CompanyName) values (1, 'Acme')"));
    ASSERT_TRUE(book.Exec("delete from Version"));
    ASSERT_TRUE(book.Exec("INSERT INTO Version (MajorVersion, MinorVersion, VersionInfo) values (3, 4, 'mine')"));
    book.Doc().Counters().TransID = 41;
    ASSERT_TRUE(book.Doc().SaveAutoNumber());
    ASSERT_TRUE(book.Exec("DROP TABLE [PayeeType]"));

    ASSERT_TRUE(book.Doc().RunSchemaScripts(false));
    EXPECT_TRUE(book.Prompter().Shown().isEmpty());
    EXPECT_EQ(book.Rows("SELECT * FROM Version"), QStringList{"3|4|mine"});
    EXPECT_EQ(book.Rows("SELECT * FROM AutoNumber"), QStringList{"110|0|0|0|0|0"});
    EXPECT_EQ(book.Rows("SELECT * FROM Categories"), (QStringList{"0|Hardware", "1|Software"}));
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Customer"), QStringList{"0"});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM PayeeType"), QStringList{"3"});
    EXPECT_EQ(book.Doc().Counters().TransID, 0);
    EXPECT_EQ(book.Doc().Categories().size(), 2);
}

TEST(Catalogue, AFailingStatementStopsTheScriptsWithItsNumberAndUndoesThem)
{
    CTestBook book;
    // A view named Tax cannot be dropped as a table, so creating the table fails.
    ASSERT_TRUE(book.Exec("DROP TABLE [Tax]"));
    ASSERT_TRUE(book.Exec("CREATE VIEW Tax AS SELECT 1 AS TaxID"));
    ASSERT_TRUE(book.Exec("INSERT INTO Categories(CategoryID,CategoryName) Values(7,'Tools')"));
    ASSERT_TRUE(book.Doc().LoadCategories());

    EXPECT_FALSE(book.Doc().RunSchemaScripts(false));
    // The failed reset is undone as a whole: the book and its catalogue are as they were, a Tax
    // that cannot be read as such included.
    EXPECT_EQ(book.Prompter().Shown(), (QStringList{"Create database fail (4)", "Unable to execute command(Tax)"}));
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Categories"), QStringList{"3"});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Tax"), QStringList{"1"});
    EXPECT_EQ(book.Doc().Categories().size(), 3);
}

TEST(Catalogue, ProductsNeedTheirCategoryAndMissingVendorOrTaxReadsMinusOne)
{
    CTestBook book;
    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, ProductDesc, CategoryID, UnitsOnHand, SalePrice, AvgCost) "
                          "values ('Bolt', 'M6 bolt', 0, 12, 0.25, 0.1)"));
    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, CategoryID, PayeeID, TaxID) values ('Orphan', 9, 3, 1)"));
    ASSERT_TRUE(book.Exec("INSERT INTO Item (ProductID, CategoryID, PayeeID, TaxID) values ('App', 1, 5, 2)"));
    ASSERT_TRUE(book.Doc().LoadProducts());
    const QList<ItemRecord>& products = book.Doc().Products();
    ASSERT_EQ(products.size(), 2);
    EXPECT_EQ(products[0].ProductID, "Bolt");
    EXPECT_EQ(products[0].CategoryName, "Hardware");
    EXPECT_EQ(products[0].PayeeID, -1);
    EXPECT_EQ(products[0].TaxID, -1);
    EXPECT_DOUBLE_EQ(products[0].UnitsOnHand, 12);
    EXPECT_DOUBLE_EQ(products[0].SalePrice, 0.25);
    EXPECT_DOUBLE_EQ(products[0].UnitsOnOrder, 0);
    EXPECT_EQ(products[1].ProductID, "App");
    EXPECT_EQ(products[1].PayeeID, 5);
    EXPECT_EQ(products[1].TaxID, 2);
}

TEST(Catalogue, OwnCompanyIsKeptOutOfTheVendorListByNameAndInItById)
{
    CTestBook book;
    ASSERT_TRUE(book.Exec("INSERT INTO Vendor (PayeeID, CompanyName, City) values (-100, 'My Shop', 'Oslo')"));
    ASSERT_TRUE(book.Exec("INSERT INTO Vendor (PayeeID, CompanyName) values (4, 'Zeta')"));
    ASSERT_TRUE(book.Exec("INSERT INTO Vendor (PayeeID, CompanyName) values (2, 'alpha')"));
    ASSERT_TRUE(book.Doc().LoadVendors());
    ASSERT_EQ(book.Doc().Vendors().size(), 2);
    EXPECT_EQ(book.Doc().Vendors()[0].CompanyName, "alpha");
    EXPECT_EQ(book.Doc().OwnCompany().CompanyName, "My Shop");
    EXPECT_EQ(book.Doc().OwnCompany().City, "Oslo");
    EXPECT_EQ(book.Doc().OwnCompany().Address, "");

    ASSERT_TRUE(book.Doc().LoadVendorsById());
    ASSERT_EQ(book.Doc().Vendors().size(), 3);
    EXPECT_EQ(book.Doc().Vendors()[0].PayeeID, -100);
    PayeeRecord found;
    EXPECT_TRUE(book.Doc().FindVendorById(-100, found));
    EXPECT_EQ(found.CompanyName, "My Shop");
}

void ExpectListsInOrder(CTestBook& book, const QStringList& stored, const QStringList& expected);

TEST(Catalogue, ListsAreInTheUsersLanguageOrderLetterCaseAside)
{
    CTestBook book;
    const QStringList stored = {"Zoë's Yoga Studio", "Élise Fontaine Interiors", "bob", "eli", "Anna"};
    const QStringList expected = {"Anna", "bob", "eli", "Élise Fontaine Interiors", "Zoë's Yoga Studio"};
    for (int i = 0; i < stored.size(); ++i) {
        const QString name = QString(stored[i]).replace("'", "''");
        ASSERT_TRUE(book.Exec(
            QStringLiteral("INSERT INTO Customer (PayeeID, CompanyName) values (%1, '%2')").arg(i + 1).arg(name)));
        ASSERT_TRUE(book.Exec(
            QStringLiteral("INSERT INTO Vendor (PayeeID, CompanyName) values (%1, '%2')").arg(i + 1).arg(name)));
        ASSERT_TRUE(book.Exec(QStringLiteral("INSERT INTO Categories (CategoryID, CategoryName) values (%1, '%2')")
                                  .arg(i + 10)
                                  .arg(name)));
        ASSERT_TRUE(book.Exec(
            QStringLiteral("INSERT INTO Tax (TaxID, TaxName, TaxRate) values (%1, '%2', 5)").arg(i + 10).arg(name)));
        // Two products in every category, so both keys of the product order count.
        for (const QString& product : {QStringLiteral("Éclair"), QStringLiteral("drill")}) {
            ASSERT_TRUE(book.Exec(QStringLiteral("INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, UnitCost, "
                                                 "SalePrice, AvgCost, TaxID, PayeeID) values ('%1 %2', %3, 0, 0, 0, 0, "
                                                 "1, -1)")
                                      .arg(product)
                                      .arg(i)
                                      .arg(i + 10)));
        }
    }
    // The same under the POSIX locale these machines run with, which names no language.
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
        const QLocale before;
        QLocale::setDefault(locale);
        ExpectListsInOrder(book, stored, expected);
        QLocale::setDefault(before);
    }
}

void ExpectListsInOrder(CTestBook& book, const QStringList& stored, const QStringList& expected)
{
    ASSERT_TRUE(book.Doc().LoadCustomers());
    ASSERT_TRUE(book.Doc().LoadVendors());
    ASSERT_TRUE(book.Doc().LoadCategories());
    ASSERT_TRUE(book.Doc().LoadTaxes());
    ASSERT_TRUE(book.Doc().LoadProducts());
    QStringList customers, vendors, categories, taxes, products;
    for (const PayeeRecord& payee : book.Doc().Customers()) {
        customers << payee.CompanyName;
    }
    for (const PayeeRecord& payee : book.Doc().Vendors()) {
        vendors << payee.CompanyName;
    }
    for (const CategoryRecord& category : book.Doc().Categories()) {
        if (stored.contains(category.CategoryName)) {
            categories << category.CategoryName;
        }
    }
    for (const TaxRecord& tax : book.Doc().Taxes()) {
        if (tax.TaxID >= 10) {
            taxes << tax.TaxName;
        }
    }
    for (const ItemRecord& item : book.Doc().Products()) {
        products << item.CategoryName + "/" + item.ProductID.section(' ', 0, 0);
    }
    EXPECT_EQ(customers, expected);
    EXPECT_EQ(vendors, expected);
    EXPECT_EQ(categories, expected);
    EXPECT_EQ(taxes, expected);
    QStringList expectedProducts;
    for (const QString& category : expected) {
        expectedProducts << category + "/drill" << category + "/Éclair";
    }
    EXPECT_EQ(products, expectedProducts);
}

TEST(Catalogue, FindVendorByIdSearchesEveryPosition)
{
    CTestBook book;
    for (int id : {1, 3, 5, 8, 13, 21, 34}) {
        ASSERT_TRUE(book.Exec(QStringLiteral("INSERT INTO Vendor (PayeeID, CompanyName) values (%1, 'V%1')").arg(id)));
    }
    ASSERT_TRUE(book.Doc().LoadVendorsById());
    for (int id = 0; id <= 35; ++id) {
        PayeeRecord found;
        const bool expected = QList<int>{1, 3, 5, 8, 13, 21, 34}.contains(id);
        EXPECT_EQ(book.Doc().FindVendorById(id, found), expected) << id;
        if (expected) {
            EXPECT_EQ(found.CompanyName, QStringLiteral("V%1").arg(id));
        }
    }
}

TEST(Catalogue, NamesWithQuotesCommasAndAnyScriptRoundTrip)
{
    CTestBook book;
    const QStringList names = {"O'Brien's \"Best\", 12\"", "Ærø Ölçü", "日本語の名前", "a''b"};
    for (int i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(book.Exec(QStringLiteral("INSERT INTO Customer (PayeeID, CompanyName) values (%1, '%2')")
                                  .arg(i + 1)
                                  .arg(QString(names[i]).replace("'", "''"))));
    }
    CDbRecordset appender(book.Connection());
    ASSERT_TRUE(appender.Open("Vendor", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockOptimistic));
    for (int i = 0; i < names.size(); ++i) {
        appender.AddNew();
        appender.SetFieldByName("PayeeID", CDbVariant(i + 1));
        appender.SetFieldByName("CompanyName", CDbVariant(names[i]));
        ASSERT_TRUE(appender.Update());
    }
    appender.Close();
    ASSERT_TRUE(book.Doc().LoadCustomers());
    ASSERT_TRUE(book.Doc().LoadVendorsById());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(book.Doc().Customers().value(i).PayeeID > 0, true);
        EXPECT_EQ(book.Doc().Vendors()[i].CompanyName, names[i]);
    }
    QStringList customerNames;
    for (const PayeeRecord& customer : book.Doc().Customers()) {
        customerNames << customer.CompanyName;
    }
    customerNames.sort();
    QStringList expected = names;
    expected.sort();
    EXPECT_EQ(customerNames, expected);
}

TEST(Catalogue, TransactionIdsAreTakenAndSavedBeforeUse)
{
    CTestBook book;
    EXPECT_EQ(book.Doc().TakeNextTransactionId(), 0);
    EXPECT_EQ(book.Doc().TakeNextTransactionId(), 1);
    EXPECT_EQ(book.Rows("SELECT * FROM AutoNumber"), QStringList{"110|2|0|0|0|0"});
    ASSERT_TRUE(book.Exec("delete from AutoNumber"));
    book.Doc().Counters().TransID = 99;
    EXPECT_FALSE(book.Doc().SaveAutoNumber());
    EXPECT_FALSE(book.Doc().LoadCounters());
    EXPECT_EQ(book.Doc().Counters().TransID, 99);
    EXPECT_TRUE(book.Prompter().Shown().isEmpty());
}

class ForeignFile : public testing::TestWithParam<int>
{};

QByteArray ForeignContent(int kind, const QString& path)
{
    if (kind == 0) {
        QByteArray bytes(4096, Qt::Uninitialized);
        for (char& byte : bytes) {
            byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
        }
        return bytes;
    }
    if (kind == 1) {
        return QByteArray();
    }
    // Another program's SQLite file.
    {
        CDbConnection connection;
        CDbRecordset creator(connection);
        creator.OpenWithoutFile(QStringLiteral("CREATE DATABASE '%1'").arg(path));
        connection.Open(path);
        Execute(connection, "CREATE TABLE Notes (Body TEXT)");
        Execute(connection, "INSERT INTO Notes (Body) values ('keep me')");
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TEST_P(ForeignFile, GivesTheLoaderMessagesAndIsNotTouched)
{
    if (BooksOnServer()) {
        GTEST_SKIP() << "a server book is no file (ServerBook.ADatabaseWithOtherTablesIsNoBook)";
    }
    CTestBook book(CTestBook::Start::NoFile);
    QByteArray content = ForeignContent(GetParam(), book.Path());
    {
        QFile file(book.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QStringList status;
    EXPECT_EQ(book.Doc().LoadCatalogue([&](const QString& text) { status << text; }),
              CInventoryDoc::CatalogueLoad::LoadedWithErrors);
    EXPECT_FALSE(status.contains("Install new database ...."));
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"Unable to execute command(Category)", "Unable to execute command(Item)",
                           "Unable to execute command(Tax)", "Unable to execute command(Vendor)",
                           "Unable to execute command(Customer)", "Unable to execute command"}));
    book.Connection().Close();
    QFile file(book.Path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ForeignFile, testing::Values(0, 1, 2), [](const testing::TestParamInfo<int>& info) {
    return std::string(info.param == 0 ? "RandomBytes" : info.param == 1 ? "EmptyFile" : "OtherSqliteFile");
});

} // namespace
