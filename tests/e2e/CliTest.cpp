#include "CCliRunner.h"
#include "CDbConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

class Cli : public testing::Test
{
protected:
    QString DataFile() const { return m_dir.filePath("books/Quillet.cdb"); }
    bool Sql(const QString& sql) { return m_cli.Sql(sql); }

    QTemporaryDir m_dir;
    CCliRunner m_cli{DataFile()};
};

TEST_F(Cli, InitCreatesTheBookAndListsShowItsSeeds)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0) << m_cli.Err().toStdString();
    EXPECT_EQ(m_cli.OutLines(), (QStringList{"Install new database ....", "Load Category List ....",
                                             "Load Item List ....", "Load Tax List ....", "Load Vendor List ....",
                                             "Load Customer List ....", "Load Auto Number ...."}));
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    EXPECT_FALSE(m_cli.Out().contains("Install new database"));
    ASSERT_EQ(m_cli.Run({"list", "counters"}), 0);
    EXPECT_EQ(m_cli.OutLines(), (QStringList{"VersionID,TransID,ProductID,PayeeID,TaxID,CategoryID", "110,0,0,0,0,0"}));
    ASSERT_EQ(m_cli.Run({"list", "company"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "-100,Please Setup 'My Company',For Your Invoice/P.O. Title,,,,,,,,,");
    ASSERT_EQ(m_cli.Run({"list", "categories"}), 0);
    EXPECT_EQ(m_cli.OutLines(), (QStringList{"CategoryID,CategoryName", "0,Hardware", "1,Software"}));
    EXPECT_EQ(m_cli.Run({"list", "nothing"}), 2);
    EXPECT_EQ(m_cli.Run({"frobnicate"}), 2);
}

TEST_F(Cli, AForeignFileFailsWithTheLoaderMessages)
{
    QDir().mkpath(m_dir.filePath("books"));
    QFile file(DataFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a data file");
    file.close();
    EXPECT_EQ(m_cli.Run({"list", "products"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Unable to execute command(Item)"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "this is not a data file");
}

TEST_F(Cli, PostingsAndTheRegister)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_TRUE(Sql("INSERT INTO Item (ProductID, ProductDesc, CategoryID, UnitsOnHand, UnitCost, SalePrice, AvgCost, "
                    "TaxID) values ('Widget, \"big\"', 'A widget', 0, 0, 0, 9.5, 0, 2)"));
    ASSERT_TRUE(Sql("INSERT INTO Tax (TaxID, TaxName, TaxRate) values (2, 'GST', 10)"));
    ASSERT_TRUE(Sql("INSERT INTO Vendor (PayeeID, CompanyName) values (4, 'Acme')"));
    ASSERT_EQ(m_cli.Run({"purchase", "--party", "Acme", "--vendor-id", "4", "--date", "2026-01-09 10:00:00", "--line",
                         "Widget, \"big\";10;4"}),
              0)
        << m_cli.Err().toStdString();
    EXPECT_EQ(m_cli.OutLines(), QStringList{"0"});
    ASSERT_EQ(
        m_cli.Run({"purchase", "--party", "Acme", "--date", "2026-01-10 10:00:00", "--line", "widget, \"BIG\";10;6"}),
        0);
    ASSERT_EQ(m_cli.Run({"sale", "--party", "Bob", "--date", "2026-01-11 09:00:00", "--invoice", "S-1", "--line",
                         "Widget, \"big\";5;9.5"}),
              0);
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_EQ(m_cli.OutLines(),
              (QStringList{"TransactionID,TransDate,TransType,InvoiceNum,ProductID,CompanyName,Quantity,UnitCost,"
                           "AvgCost,UnitsOnHand,LineTotal,Split,ItemOrder",
                           "0,2026-01-09 10:00:00,0,0,\"Widget, \"\"big\"\"\",Acme,10,4,4,10,40,1,0",
                           "1,2026-01-10 10:00:00,0,1,\"Widget, \"\"big\"\"\",Acme,10,6,5,20,100,1,0",
                           "2,2026-01-11 09:00:00,1,S-1,\"Widget, \"\"big\"\"\",Bob,5,5,5,15,75,1,0"}));
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "\"Widget, \"\"big\"\"\",A widget,Hardware,9.5,15,6,5,2,4");

    // Moving the sale before the second purchase re-derives the rows between.
    ASSERT_EQ(m_cli.Run({"sale", "--id", "2", "--party", "Bob", "--date", "2026-01-09 12:00:00", "--line",
                         "Widget, \"big\";5;9.5"}),
              0);
    EXPECT_EQ(m_cli.OutLines(), QStringList{"2"});
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(2), "2,2026-01-09 12:00:00,1,S-1,\"Widget, \"\"big\"\"\",Bob,5,4,4,5,20,1,0");
    EXPECT_TRUE(m_cli.OutLines().value(3).startsWith("1,2026-01-10 10:00:00,0,1,\"Widget, \"\"big\"\"\",Acme,10,6,"));
}

TEST_F(Cli, TheRegisterOfOneSecondShowsEachStockFollowingTheRowAboveIt)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_TRUE(Sql("INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, AvgCost) values ('A', 0, 0, 0)"));
    ASSERT_TRUE(Sql("INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, AvgCost) values ('X', 0, 0, 0)"));
    ASSERT_EQ(m_cli.Run({"purchase", "--party", "Acme", "--date", "2026-01-09 10:00:00", "--line", "A;10;1", "--line",
                         "X;10;1"}),
              0);
    ASSERT_EQ(
        m_cli.Run({"sale", "--party", "Bob", "--date", "2026-01-10 10:00:00", "--line", "A;1;2", "--line", "X;1;2"}),
        0);
    ASSERT_EQ(m_cli.Run({"purchase", "--party", "Acme", "--date", "2026-01-10 10:00:00", "--line", "X;5;4"}), 0);
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_EQ(m_cli.OutLines().mid(3), (QStringList{"1,2026-01-10 10:00:00,1,1,A,Bob,1,1,1,9,19,2,0",
                                                    "2,2026-01-10 10:00:00,0,2,X,Acme,5,4,2,15,39,1,0",
                                                    "1,2026-01-10 10:00:00,1,1,X,Bob,1,2,2,14,37,2,1"}));
}

TEST_F(Cli, AdjustmentsAndDeletes)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_TRUE(Sql("INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, AvgCost) values ('Bolt', 0, 0, 0)"));
    ASSERT_EQ(m_cli.Run({"purchase", "--party", "Acme", "--date", "2026-01-09 10:00:00", "--line", "Bolt;10;2"}), 0);
    ASSERT_EQ(m_cli.Run({"adjust", "Bolt", "-3"}), 0);
    EXPECT_EQ(m_cli.OutLines(), QStringList{"1"});
    ASSERT_EQ(m_cli.Run({"adjustment", "set", "1", "-4"}), 0);
    EXPECT_EQ(m_cli.Run({"adjustment", "set", "1", "0"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Zero is not a valid adjustment value!"));
    EXPECT_EQ(m_cli.Run({"adjustment", "set", "0", "5"}), 1);
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_TRUE(m_cli.OutLines().value(2).contains(",2,,Bolt,Adjust on hand (-4),-4,2,2,6,12,1,"));

    // Without --yes and without a terminal the question is answered No.
    EXPECT_EQ(m_cli.Run({"transaction", "delete", "0"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Delete the purchase transaction? No"));
    ASSERT_EQ(m_cli.Run({"--yes", "transaction", "delete", "0"}), 0);
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "Bolt,,Hardware,0,-4,0,2,-1,-1");
    EXPECT_EQ(m_cli.Run({"--yes", "sale", "--party", "  ", "--line", "Bolt;1;1"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Please Select a Customer!"));
    EXPECT_EQ(m_cli.Run({"purchase", "--party", "Acme"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Please add Sale Item!"));
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Nothing;1;1"}), 1);
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Bolt;x;1"}), 1);
}

TEST_F(Cli, CategoriesTaxesAndProducts)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_EQ(m_cli.Run({"category", "add", "Tools"}), 0);
    EXPECT_EQ(m_cli.Run({"category", "add", "TOOLS"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("The New Category Name Exists! Please Change to Other Name."));
    ASSERT_EQ(m_cli.Run({"category", "rename", "tools", "Hand Tools"}), 0);
    ASSERT_EQ(m_cli.Run({"tax", "add", "PST", "7.5"}), 0);
    EXPECT_EQ(m_cli.Run({"tax", "update", "None", "--rate", "3"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("The Build-in Sale Tax Can not be Modified!"));
    EXPECT_EQ(m_cli.Run({"--yes", "tax", "delete", "none"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("The Build-in Sale Tax Can not be Deleted!"));
    ASSERT_EQ(m_cli.Run({"tax", "update", "pst", "--name", "GST", "--rate", "5"}), 0);
    ASSERT_EQ(m_cli.Run({"list", "taxes"}), 0);
    EXPECT_EQ(m_cli.OutLines(), (QStringList{"TaxID,TaxName,TaxRate", "2,GST,5", "1,None,0"}));

    ASSERT_EQ(m_cli.Run({"product", "add", "O'Brien's \"Best\", 12\"", "--category", "hand tools", "--price", "1234.5",
                         "--cost", "2.5", "--qty", "12", "--tax", "GST", "--desc", "A hammer"}),
              0)
        << m_cli.Err().toStdString();
    EXPECT_EQ(m_cli.Run({"product", "add", "Nail", "--category", "Hardware", "--qty", "-1"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("You can not input a negative value!"));
    EXPECT_EQ(m_cli.Run({"product", "add", "Nail"}), 2);
    ASSERT_EQ(m_cli.Run({"product", "edit", "O'Brien's \"Best\", 12\"", "--name", "Hammer", "--qty", "10"}), 0);
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "Hammer,A hammer,Hand Tools,1234.5,10,2.5,2.5,2,-1");
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    ASSERT_EQ(m_cli.OutLines().size(), 3);
    EXPECT_TRUE(m_cli.OutLines()[1].contains(",3,,Hammer,Open Balance (+12),12,2.5,2.5,12,30,1,"));
    EXPECT_TRUE(m_cli.OutLines()[2].contains(",2,,Hammer,Adjust on hand (-2),-2,2.5,2.5,10,25,1,"));
    ASSERT_EQ(m_cli.Run({"product", "onhand", "hammer", "-4"}), 0);
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "Hammer,A hammer,Hand Tools,1234.5,-4,2.5,2.5,2,-1");
    EXPECT_EQ(m_cli.Run({"--yes", "product", "delete", "Hammer"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("You can not delete the item because it has been used in transaction!"));
    EXPECT_EQ(m_cli.Run({"--yes", "category", "delete", "Hand Tools"}), 1);
    EXPECT_EQ(m_cli.Run({"--yes", "tax", "delete", "GST"}), 1);
    ASSERT_EQ(m_cli.Run({"product", "add", "Spare", "--category", "Software"}), 0);
    ASSERT_EQ(m_cli.Run({"--yes", "product", "delete", "Spare"}), 0);
}

TEST_F(Cli, HelpAndUsageFollowTheConventions)
{
    ASSERT_EQ(m_cli.Run({"--help"}), 0);
    EXPECT_TRUE(m_cli.Out().startsWith("usage: quillet-cli"));
    EXPECT_TRUE(m_cli.Out().contains("  backup FILE\n      Copies the book to FILE"));
    EXPECT_TRUE(m_cli.Err().isEmpty());
    EXPECT_EQ(m_cli.Run({"frobnicate"}), 2);
    EXPECT_TRUE(m_cli.Err().startsWith("quillet-cli: 'frobnicate' is not a command"));
    EXPECT_EQ(m_cli.Run({}), 2);
}

TEST_F(Cli, OnlyInitCreatesADataFile)
{
    for (const QStringList& command :
         {QStringList{"list", "products"}, QStringList{"sale", "--party", "A", "--line", "X;1;1"},
          QStringList{"--yes", "reset"}, QStringList{"backup", m_dir.filePath("b.bak")}}) {
        EXPECT_EQ(m_cli.Run(command), 1) << command.join(' ').toStdString();
        EXPECT_EQ(m_cli.Err(), QStringLiteral("no data file at %1; create one with init\n").arg(DataFile()));
    }
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(DataFile()).absolutePath()));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("b.bak")));
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    EXPECT_TRUE(QFileInfo(DataFile()).isFile());
}

TEST_F(Cli, BadValuesAreRefusedNamingTheArgument)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    EXPECT_EQ(m_cli.Run({"product", "add", "W", "--category", "Hardware", "--qty", "1e308", "--cost", "1e308"}), 2);
    EXPECT_EQ(m_cli.Err(), "--cost: '1e308' is not a number.\n");
    EXPECT_EQ(m_cli.Run({"product", "add", "W", "--category", "Hardware", "--price", "abc"}), 2);
    EXPECT_EQ(m_cli.Err(), "--price: 'abc' is not a number.\n");
    EXPECT_EQ(m_cli.Run({"product", "add", "W", "--category", "Hardware", "--cost", "2000000000000"}), 2);
    EXPECT_TRUE(m_cli.Err().startsWith("--cost: '2000000000000' is out of range"));
    EXPECT_EQ(m_cli.Run({"tax", "add", "Y", "-5"}), 1);
    EXPECT_EQ(m_cli.Err(), "The tax rate must be from 0 to 100 percent.\n");
    EXPECT_EQ(m_cli.Run({"tax", "add", "Y", "7,5"}), 2);
    EXPECT_EQ(m_cli.Err(), "RATE: '7,5' is not a number.\n");
    ASSERT_EQ(m_cli.Run({"product", "add", "W", "--category", "Hardware", "--qty", "100000", "--cost", "1.5"}), 0);
    EXPECT_EQ(m_cli.Run({"purchase", "--party", "Acme", "--vendor-id", "99999", "--line", "W;1;1"}), 1);
    EXPECT_EQ(m_cli.Err(), "--vendor-id: no vendor has the identifier 99999\n");
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "W;x;1"}), 1);
    EXPECT_TRUE(m_cli.Err().startsWith("--line quantity: 'x' is not a number."));
    EXPECT_EQ(m_cli.Run({"adjust", "W", "abc"}), 2);
    EXPECT_EQ(m_cli.Err(), "QTY: 'abc' is not a number.\n");
    // Numbers print plainly, never with an exponent.
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "W,,Hardware,0,100000,1.5,1.5,1,-1");
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_TRUE(m_cli.OutLines().value(1).endsWith(",W,Open Balance (+100000),100000,1.5,1.5,100000,150000,1,"));
}

TEST_F(Cli, AChangeWaitsForAnotherProgramSavingAsLongAsWaitAllows)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_EQ(m_cli.Run({"product", "add", "W", "--category", "Hardware", "--qty", "1"}), 0);
    EXPECT_EQ(m_cli.Run({"--wait", "abc", "adjust", "W", "2"}), 2);
    EXPECT_EQ(m_cli.Err(), "--wait: 'abc' is not a number of seconds from 0 to 86400\n");

    CDbConnection other(DataFile());
    ASSERT_TRUE(other.BeginOperation());
    EXPECT_EQ(m_cli.Run({"--wait", "0", "adjust", "W", "2"}), 1);
    EXPECT_EQ(m_cli.Err(),
              "Unable to execute command(another program is writing the data file; try again); nothing was saved.\n");
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        other.RollbackOperation();
    });
    const int code = m_cli.Run({"adjust", "W", "2"});
    release.join();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(m_cli.Err(), "Waiting for another program to finish saving…\n");
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "W,,Hardware,0,3,0,0,1,-1");
}

TEST_F(Cli, NoiseAdjustmentsPostNothingAndValuesStayInCents)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_EQ(m_cli.Run({"product", "add", "Rope", "--category", "Hardware", "--cost", "1"}), 0);
    ASSERT_EQ(m_cli.Run({"adjust", "Rope", "0.1"}), 0);
    ASSERT_EQ(m_cli.Run({"adjust", "Rope", "0.2"}), 0);
    ASSERT_EQ(m_cli.Run({"product", "onhand", "Rope", "0.3"}), 0);
    EXPECT_EQ(m_cli.Err().trimmed(), "Rope has 0.3 on hand already; nothing was posted");
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    ASSERT_EQ(m_cli.OutLines().size(), 3);
    EXPECT_TRUE(m_cli.OutLines()[2].endsWith(",0.2,1,1,0.30000000000000004,0.3,1,")) << m_cli.Out().toStdString();
}

TEST_F(Cli, TwoProgramsPostingAtOnceLoseNoSale)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_EQ(m_cli.Run({"product", "add", "Rope", "--category", "Hardware", "--qty", "1000", "--cost", "2"}), 0);
    // Two shell loops of sales on one book at the same time.
    const CCliRunner::AtOnce posted = m_cli.RunAtOnce({"sale", "--party", "C", "--line", "Rope;1;3"}, 2, 40);
    EXPECT_TRUE(posted.allSucceeded) << posted.err.toStdString();
    QStringList ids = posted.out;
    ids.removeDuplicates();
    EXPECT_EQ(ids.size(), 80);
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_EQ(m_cli.OutLines().value(1), "Rope,,Hardware,0,920,2,2,1,-1");
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_EQ(m_cli.OutLines().size(), 82);
    EXPECT_TRUE(m_cli.OutLines().last().contains(",920,1840,1,0")) << m_cli.OutLines().last().toStdString();
}

TEST_F(Cli, ProgramsPostingAtOnceGiveEverySaleItsOwnInvoiceNumber)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_EQ(m_cli.Run({"product", "add", "Rope", "--category", "Hardware", "--qty", "1000", "--cost", "2"}), 0);
    const CCliRunner::AtOnce posted = m_cli.RunAtOnce({"sale", "--party", "C", "--line", "Rope;1;3"}, 3, 15);
    EXPECT_TRUE(posted.allSucceeded) << posted.err.toStdString();
    ASSERT_EQ(m_cli.Run({"sale", "--party", "C", "--line", "Rope;1;3", "--invoice", "7"}), 0);
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    // Transaction 0 is the opening balance; a number typed stays as typed.
    QStringList expected{"46|7"};
    for (int id = 1; id <= 45; ++id) {
        expected << QStringLiteral("%1|%1").arg(id);
    }
    QStringList numbers = SaleNumbers(m_cli.OutLines());
    numbers.sort();
    expected.sort();
    EXPECT_EQ(numbers, expected);
}

TEST_F(Cli, BackupNeverReplacesTheBookItsJournalOrADevice)
{
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    EXPECT_EQ(m_cli.Run({"backup", DataFile() + "-wal"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("is the data file itself or one of its journal files"));
    EXPECT_EQ(m_cli.Run({"backup", DataFile()}), 1);
    if (QFileInfo::exists("/dev/full")) {
        EXPECT_EQ(m_cli.Run({"backup", "/dev/full"}), 1);
        EXPECT_EQ(m_cli.Err(), "\"/dev/full\" is not a regular file; choose a file for the backup.\n");
        EXPECT_FALSE(QFileInfo("/dev/full").isFile());
    }
    EXPECT_EQ(m_cli.Run({"--yes", "restore", m_dir.filePath("nothing.bak")}), 1);
    EXPECT_TRUE(m_cli.Err().endsWith("cannot be read. The database has not been changed.\n"));
}

TEST_F(Cli, AListingStdoutCannotTakeFailsButAStoredSaleStaysASuccess)
{
    if (!QFileInfo::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    ASSERT_EQ(m_cli.Run({"init"}), 0);
    ASSERT_EQ(m_cli.Run({"product", "add", "Nut", "--category", "Hardware", "--qty", "5"}), 0);
    m_cli.SetOutputFile("/dev/full");
    // The sale is stored though its number is lost: a script that retried it would post it twice.
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Ann", "--line", "Nut;1;2"}), 0);
    const QList<QStringList> listings = {{"list", "products"}, {"register"}, {"job", "1"}};
    for (const QStringList& listing : listings) {
        EXPECT_EQ(m_cli.Run(listing), 1) << listing.join(' ').toStdString();
        EXPECT_EQ(m_cli.Err(), listing.first() + ": writing to stdout failed\n");
    }
    m_cli.SetOutputFile(QString());
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_EQ(m_cli.OutLines().size(), 3);
}

} // namespace
