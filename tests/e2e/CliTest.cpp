#include "CCliRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Cli : public testing::Test
{
protected:
    QString DataFile() const { return m_dir.filePath("books/Quillet.cdb"); }
    bool Sql(const QString& sql)
    {
        QProcess sqlite;
        sqlite.start("sqlite3", {DataFile(), sql});
        sqlite.waitForFinished();
        return sqlite.exitCode() == 0;
    }

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
    EXPECT_EQ(m_cli.Run({"sale", "--party", "  ", "--line", "Bolt;1;1"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Please Select a Customer!"));
    EXPECT_EQ(m_cli.Run({"purchase", "--party", "Acme"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Please add Sale Item!"));
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Nothing;1;1"}), 1);
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Bolt;x;1"}), 1);
}

TEST_F(Cli, CategoriesTaxesAndProducts)
{
    ASSERT_EQ(m_cli.Run({"category", "add", "Tools"}), 0);
    EXPECT_EQ(m_cli.Run({"category", "add", "TOOLS"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("The New Category Name Exists! Please Change to Other Name."));
    ASSERT_EQ(m_cli.Run({"category", "rename", "tools", "Hand Tools"}), 0);
    ASSERT_EQ(m_cli.Run({"tax", "add", "PST", "7.5"}), 0);
    EXPECT_EQ(m_cli.Run({"tax", "update", "None", "--rate", "3"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("The Build-in Sale Tax Can not be Modified!"));
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

} // namespace
