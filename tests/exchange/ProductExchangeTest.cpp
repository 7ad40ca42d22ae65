// Products to and from CSV files: opening balances and adjustments, the categories, taxes and
// vendors created on the way, the refused lines, the export's numbers under a decimal-comma
// locale, and the round trip.

#include "ExchangeFixture.h"
#include "TransactionTypes.h"

#include <QLocale>

namespace {

const QString kItems = QStringLiteral("SELECT ProductID, ProductDesc, ProductNote, CategoryID, PayeeID, TaxID, "
                                      "UnitsOnHand, UnitCost, SalePrice, AvgCost FROM Item ORDER BY ProductID");
const QString kMovements =
    QStringLiteral("SELECT TransType, ProductID, CompanyName, Quantity, UnitCost, UnitsOnHand, AvgCost FROM TransItem "
                   "ORDER BY TransactionID");

class ProductExchange : public ExchangeTest
{
protected:
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST_F(ProductExchange, NewProductsPostAnOpeningBalanceOfTheirQuantityEvenOfZero)
{
    const CCsvImport::Result result =
        Import(List::Products, {"Drill,Cordless drill,Hardware,59.90,12,,25.50,,\"18 V, 2 batteries\"",
                                "Bit,,software,\"1,234.50\",0,,1,,"});
    EXPECT_EQ(result.outcome, Outcome::Imported);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(Rows(kItems), (QStringList{"Bit|||1|-1|1|0|1|1234.5|1",
                                         "Drill|Cordless drill|18 V, 2 batteries|0|-1|1|12|25.5|59.9|25.5"}));
    EXPECT_EQ(Rows(kMovements),
              (QStringList{"3|Drill|Open Balance (+12)|12|25.5|12|25.5", "3|Bit|Open Balance (+0)|0|1|0|1"}));
    // The running value is the sum of the openings.
    EXPECT_EQ(Rows("SELECT LineTotal FROM TransItem ORDER BY TransactionID"), (QStringList{"306", "306"}));
    EXPECT_EQ(m_book.Doc().Products().size(), 2);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(ProductExchange, CategoriesTaxesAndVendorsNotYetListedAreCreatedOnceAndFoundAfter)
{
    Import(List::Products, {"A,,Tools,1,0,GST,1,Bolt Co,", "B,,TOOLS,1,0,gst,1,bolt co,", "C,,tools,1,0,,1,,",
                            "D,,Hardware,1,0,None,1,,"});
    EXPECT_EQ(Rows("SELECT * FROM Categories ORDER BY CategoryID"),
              (QStringList{"0|Hardware", "1|Software", "2|Tools"}));
    EXPECT_EQ(Rows("SELECT * FROM Tax ORDER BY TaxID"), (QStringList{"1|None|0", "2|GST|0"}));
    EXPECT_EQ(Rows("SELECT * FROM Vendor"), QStringList{"1|Bolt Co||||||||||"});
    EXPECT_EQ(Rows("SELECT ProductID, CategoryID, TaxID, PayeeID FROM Item ORDER BY ProductID"),
              (QStringList{"A|2|2|1", "B|2|2|1", "C|2|1|-1", "D|0|1|-1"}));
    EXPECT_EQ(m_book.Doc().Categories().size(), 3);
    EXPECT_EQ(m_book.Doc().Taxes().size(), 2);
    EXPECT_EQ(m_book.Doc().Vendors().size(), 1);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(ProductExchange, AKnownProductTakesTheLineKeepsItsAverageCostAndPostsOnlyAQuantityChange)
{
    m_scenario.AddProduct("O'Brien's Rope", 2);
    m_scenario.Purchase(CBookScenario::Day(2), {{"O'Brien's Rope", 10, 2}});
    m_scenario.Purchase(CBookScenario::Day(3), {{"O'Brien's Rope", 10, 3}});
    ASSERT_EQ(m_scenario.ItemRow("O'Brien's Rope"), "20|3|2.5|7");
    const int movements = Rows(kMovements).size();

    // The same quantity: the other values change, no movement is posted.
    Import(List::Products, {"o'brien's rope,Hemp,Hardware,9.50,20,,3.25,,"});
    EXPECT_EQ(Rows(kItems), QStringList{"o'brien's rope|Hemp||0|-1|1|20|3.25|9.5|2.5"});
    EXPECT_EQ(Rows(kMovements).size(), movements);

    // 22 where 20 are on hand: an adjustment of +2 at the average cost.
    const CCsvImport::Result result = Import(List::Products, {"o'brien's rope,Hemp,Hardware,9.50,22,,3.25,,"});
    EXPECT_EQ(result.updated, 1);
    EXPECT_EQ(Rows(kMovements).size(), movements + 1);
    EXPECT_EQ(Rows(kMovements).last(), "2|o'brien's rope|Adjust on hand (+2)|2|2.5|22|2.5");
    EXPECT_EQ(Rows(kItems), QStringList{"o'brien's rope|Hemp||0|-1|1|22|3.25|9.5|2.5"});

    // The same line again changes nothing at all.
    const qint64 changes = m_book.Connection().TotalChanges();
    EXPECT_EQ(Import(List::Products, {"o'brien's rope,Hemp,Hardware,9.50,22,,3.25,,"}).unchanged, 1);
    EXPECT_EQ(m_book.Connection().TotalChanges(), changes);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(ProductExchange, ANameChangedBeyondTheLetterCaseOfAToZTakesItsMovementsAlong)
{
    Import(List::Products, {QString::fromUtf8("Caf\u00e9 beans,,Hardware,1,5,,1,,")});
    Import(List::Products, {QString::fromUtf8("CAFE\u0301 BEANS,,Hardware,1,7,,1,,")});
    const QString renamed = QString::fromUtf8("CAF\u00c9 BEANS");
    EXPECT_EQ(Rows("SELECT DISTINCT ProductID FROM TransItem"), QStringList{renamed});
    EXPECT_EQ(Rows("SELECT ProductID, UnitsOnHand FROM Item"), QStringList{renamed + "|7"});
}

TEST_F(ProductExchange, RefusedLinesStopTheImportKeepingTheLinesBeforeThem)
{
    const QStringList cases[] = {
        {"Keep1,,Hardware,1,1,,1,,", "NoCategory,,  ,1,1,,1,,", "Never,,Hardware,1,1,,1,,"},
        {"Keep2,,Hardware,1,1,,1,,", "  ,,Hardware,1,1,,1,,"},
        {"Keep3,,Hardware,1,1,,1,,", "BadPrice,,Hardware,abc,1,,1,,"},
        {"Keep4,,Hardware,1,1,,1,,", "BadQuantity,,Hardware,1,1.2.3,,1,,"},
        {"Keep5,,Hardware,1,1,,1,,", "Huge,,Hardware,1,1,,5000000000000,,"},
        {"Keep6,,Hardware,1,1,,1,,", "Short,,Hardware,1,1,,1,"},
        {"Keep7,,Hardware,1,1,,1,,", "Worth,,Hardware,1,2000000,,1000000,,"},
        {"Keep8,,Hardware,1,1,,1,,", QStringLiteral("Nul,,Hardware,1,1,,1,,a") + QChar(0) + QStringLiteral("b")},
        {"Keep9,,Hardware,1,1,,1,,", "Tabbed,,\"Hard\tware\",1,1,,1,,"},
        {"Keep10,,Hardware,1,1,,1,,", "Escape,,Hardware,1,1,,1,\x1b[5m,"},
    };
    for (const QStringList& lines : cases) {
        EXPECT_EQ(Import(List::Products, lines).outcome, Outcome::Stopped) << lines.join('/').toStdString();
    }
    EXPECT_EQ(Messages(),
              (QStringList{"You must specify the Category in Line 3, Process Stops",
                           "You must specify the Product Name in Line 3, Process Stops",
                           "File Format Error in Line 3, Process Stops", "File Format Error in Line 3, Process Stops",
                           "Line 3: '5000000000000' is out of range: numbers may be at most 1,000,000,000,000 in "
                           "size. Process Stops",
                           "File Format Error in Line 3, Process Stops",
                           "Line 3: The stock's value, 2,000,000,000,000.00, is out of range: amounts may be at most "
                           "1,000,000,000,000. Process Stops",
                           "Line 3: The note may not hold control characters other than tabs and line breaks. "
                           "Process Stops",
                           "Line 3: The category name may not hold tabs, line breaks or other control characters. "
                           "Process Stops",
                           "Line 3: The vendor name may not hold tabs, line breaks or other control characters. "
                           "Process Stops"}));
    EXPECT_EQ(Rows("SELECT ProductID FROM Item ORDER BY ProductID"),
              (QStringList{"Keep1", "Keep10", "Keep2", "Keep3", "Keep4", "Keep5", "Keep6", "Keep7", "Keep8", "Keep9"}));
    // A refused line creates nothing, not even its category.
    EXPECT_EQ(Rows("SELECT COUNT(*) FROM Categories"), QStringList{"2"});
}

TEST_F(ProductExchange, RowsOfEmptyCellsAreSkippedButALineWithoutANameStillStops)
{
    // A spreadsheet's blank rows, with as many cells as the list or any other number, quoted or not.
    const CCsvImport::Result result =
        Import(List::Products, {"First,,Hardware,1,1,,1,,", ",,,,,,,,", "\"\",,,\"\",,,,,", ",,",
                                "Second,,Hardware,1,1,,1,,", ",,,,,,,,", ",,,,,,,,"});
    EXPECT_EQ(result.outcome, Outcome::Imported);
    EXPECT_EQ(result.added, 2);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Import(List::Products, {",,,,,,,,", ",,Hardware,1,1,,1,,", "Never,,Hardware,1,1,,1,,"}).outcome,
              Outcome::Stopped);
    EXPECT_EQ(Messages(), QStringList{"You must specify the Product Name in Line 3, Process Stops"});
    EXPECT_EQ(Rows("SELECT ProductID FROM Item ORDER BY ProductID"), (QStringList{"First", "Second"}));
}

TEST_F(ProductExchange, EmptyNumbersAreZero)
{
    Import(List::Products, {"Blank,,Hardware,,\"  \",,,,"});
    EXPECT_EQ(Rows(kItems), QStringList{"Blank|||0|-1|1|0|0|0|0"});
}

TEST_F(ProductExchange, TheExportWritesTaxAndVendorByNameAndNumbersWithTwoDecimals)
{
    Import(List::Vendors, {"Bolt Co,,,,,,,,,", "Acme,,,,,,,,,"});
    Import(List::Products, {"Drill,\"Cordless, 18 V\",Hardware,1234.5,2.5,GST,25,Bolt Co,\"strong, light\"",
                            "Manual,,Software,0.1,-3,,0,,"});
    m_book.Prompter().Clear();
    EXPECT_EQ(Export(List::Products), "Product Name,Product Desc,Category,Sale Price,On Hand,Sale Tax,Unit Cost,Vendor,"
                                      "Note\r\n"
                                      "Drill,\"Cordless, 18 V\",Hardware,1234.50,2.50,GST,25.00,Bolt Co,\"strong, "
                                      "light\"\r\n"
                                      "Manual,,Software,0.10,-3.00,None,0.00,,\r\n");
    EXPECT_TRUE(m_book.Prompter().FileChoices().last().suggestedName.endsWith("/Products"));
    // The vendor list is in name order again.
    EXPECT_EQ(m_book.Doc().Vendors().first().CompanyName, "Acme");
}

TEST_F(ProductExchange, UnderADecimalCommaLocaleTheNumbersStandInQuotesAndReadBack)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Import(List::Products, {"Drill,,Hardware,\"1.234,5\",\"2,5\",,\"12,50\",,", "Bit,,Hardware,3,1,,1,,"});
    const QString exported = Export(List::Products);
    EXPECT_EQ(exported, "Product Name,Product Desc,Category,Sale Price,On Hand,Sale Tax,Unit Cost,Vendor,Note\r\n"
                        "Bit,,Hardware,\"3,00\",\"1,00\",None,\"1,00\",,\r\n"
                        "Drill,,Hardware,\"1234,50\",\"2,50\",None,\"12,50\",,\r\n");
    const qint64 changes = m_book.Connection().TotalChanges();
    EXPECT_EQ(ImportFile(List::Products, m_book.FolderPath("out.csv")).unchanged, 2);
    EXPECT_EQ(m_book.Connection().TotalChanges(), changes);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(ProductExchange, TheListsSurviveExportResetAndImportAndASecondImportChangesNothing)
{
    Import(List::Vendors, {QString::fromUtf8("M\u00fcller & S\u00f6hne,,,,,,,,,"), "\"O'Hara, Ltd\",,,,,,,,,"});
    Import(List::Products,
           {QString::fromUtf8("\u87ba\u4e1d,\"M6, \"\"fine\"\"\",Tools,0.25,1000,VAT,0.1,M\u00fcller & S\u00f6hne,"
                              "\"line one\nline two\""),
            "O'Neil's Hook,\" padded \",Hardware,3.10,7.5,,1.99,\"O'Hara, Ltd\",", "Bare,,Software,0,0,,0,,"});
    const QString vendors = Export(List::Vendors, "vendors.csv");
    const QString exported = Export(List::Products, "products.csv");
    ASSERT_TRUE(m_book.Doc().RunSchemaScripts(false));

    ImportFile(List::Vendors, m_book.FolderPath("vendors.csv"));
    const CCsvImport::Result result = ImportFile(List::Products, m_book.FolderPath("products.csv"));
    EXPECT_EQ(result.added, 3);
    // Every text byte for byte and every number to the cent, as the files show them.
    EXPECT_EQ(Export(List::Vendors, "vendors again.csv"), vendors);
    EXPECT_EQ(Export(List::Products, "products again.csv"), exported);

    const int movements = Rows(kMovements).size();
    const qint64 changes = m_book.Connection().TotalChanges();
    EXPECT_EQ(ImportFile(List::Products, m_book.FolderPath("products.csv")).unchanged, 3);
    EXPECT_EQ(m_book.Connection().TotalChanges(), changes);
    EXPECT_EQ(Rows(kMovements).size(), movements);
    EXPECT_EQ(Messages(), QStringList());
}

TEST_F(ProductExchange, CellsASpreadsheetWouldRunAsFormulasAreWrittenAsTextAndReadBackAsTyped)
{
    const QString line = "'=1+1,'@desc,'+Tools,3.00,-2.00,'-GST,1.00,'=Acme,\"'\tnote\"";
    Import(List::Products, {line});
    EXPECT_EQ(Messages(), QStringList());
    EXPECT_EQ(Rows("SELECT ProductID, ProductDesc, ProductNote, UnitsOnHand FROM Item"),
              QStringList{"=1+1|@desc|\tnote|-2"});
    EXPECT_EQ(Rows("SELECT CompanyName FROM Vendor"), QStringList{"=Acme"});
    // Negative numbers stay numbers.
    EXPECT_EQ(Export(List::Products),
              "Product Name,Product Desc,Category,Sale Price,On Hand,Sale Tax,Unit Cost,Vendor,Note\r\n'=1+1,'@desc,"
              "'+Tools,3.00,-2.00,'-GST,1.00,'=Acme,'\tnote\r\n");
}
