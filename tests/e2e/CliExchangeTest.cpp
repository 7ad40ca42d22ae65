// quillet-cli import and export: the files written, the summary, the exit codes and messages.

#include "CCliRunner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliExchange : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_cli.Run({"init"}), 0); }

    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    void Write(const char* name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QByteArray Read(const char* name)
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir m_dir;
    CCliRunner m_cli{m_dir.filePath("Quillet.cdb")};
};

} // namespace

TEST_F(CliExchange, ImportsPrintWhatTheyDidAndExportsWriteTheWindowsFiles)
{
    Write("vendors.csv", "Company,Street Address,City,State,Zip Code,Contact Name,Phone,Fax,Email,Note\n"
                         "Bolt Co,1 Main St,,,,,555,,,\"bolts, nuts\"\n");
    Write("products.csv", "Product Name,Product Desc,Category,Sale Price,On Hand,Sale Tax,Unit Cost,Vendor,Note\n"
                          "Drill,Cordless,Tools,59.9,12,,25.5,bolt co,\n"
                          "Bit,,Tools,2,0,GST,1,,\n");
    ASSERT_EQ(m_cli.Run({"import", "vendors", Path("vendors.csv")}), 0) << m_cli.Err().toStdString();
    EXPECT_EQ(m_cli.Out(), "vendors: 1 added, 0 updated, 0 unchanged\n");
    ASSERT_EQ(m_cli.Run({"import", "products", Path("products.csv")}), 0) << m_cli.Err().toStdString();
    EXPECT_EQ(m_cli.Out(), "products: 2 added, 0 updated, 0 unchanged\n");
    EXPECT_TRUE(m_cli.Err().isEmpty());

    ASSERT_EQ(m_cli.Run({"export", "products", Path("out.csv")}), 0);
    EXPECT_EQ(Read("out.csv"),
              "\xEF\xBB\xBF"
              "Product Name,Product Desc,Category,Sale Price,On Hand,Sale Tax,Unit Cost,Vendor,Note\r\n"
              "Bit,,Tools,2.00,0.00,GST,1.00,,\r\n"
              "Drill,Cordless,Tools,59.90,12.00,None,25.50,Bolt Co,\r\n");
    ASSERT_EQ(m_cli.Run({"export", "vendors", Path("vendors out.csv")}), 0);
    EXPECT_EQ(Read("vendors out.csv"),
              "\xEF\xBB\xBF"
              "Company,Street Address,City,State,Zip Code,Contact Name,Phone,Fax,Email,Note\r\n"
              "Bolt Co,1 Main St,,,,,555,,,\"bolts, nuts\"\r\n");

    ASSERT_EQ(m_cli.Run({"import", "products", Path("out.csv")}), 0);
    EXPECT_EQ(m_cli.Out(), "products: 0 added, 0 updated, 2 unchanged\n");
    ASSERT_EQ(m_cli.Run({"register"}), 0);
    EXPECT_EQ(m_cli.OutLines().size(), 3);
}

TEST_F(CliExchange, ABadLineFailsTheRunKeepingTheLinesBeforeIt)
{
    Write("customers.csv", "header\nFirst,,,,,,,,,\n\"Second,,,,,,,,,\nThird,,,,,,,,,\n");
    EXPECT_EQ(m_cli.Run({"import", "customers", Path("customers.csv")}), 1);
    EXPECT_EQ(m_cli.Out(), "customers: 1 added, 0 updated, 0 unchanged\n");
    EXPECT_EQ(m_cli.Err(), "File Format Error in Line 3, Process Stops\n");
    ASSERT_EQ(m_cli.Run({"list", "customers"}), 0);
    EXPECT_EQ(m_cli.OutLines().mid(1), QStringList{"1,First,,,,,,,,,,"});
}

TEST_F(CliExchange, WrongWordsAndUnreadableFilesAreRefused)
{
    EXPECT_EQ(m_cli.Run({"import", "customers"}), 2);
    EXPECT_TRUE(
        m_cli.Err().contains("usage: quillet-cli [--data FILE] [--yes] import customers|vendors|products FILE"));
    EXPECT_EQ(m_cli.Run({"export", "payees", Path("x.csv")}), 2);
    EXPECT_TRUE(m_cli.Err().contains("'payees' is not a list"));
    EXPECT_EQ(m_cli.Run({"import", "products", Path("missing.csv")}), 1);
    EXPECT_EQ(m_cli.Err(), "Can not open the file\n");
    EXPECT_EQ(m_cli.Run({"export", "customers", Path("no folder/x.csv")}), 1);
    EXPECT_EQ(m_cli.Err(), "Can not open the file\n");
    EXPECT_EQ(m_cli.Run({"--help"}), 0);
    EXPECT_TRUE(m_cli.Out().contains("  import customers|vendors|products FILE\n"));
    EXPECT_TRUE(m_cli.Out().contains("  export customers|vendors|products FILE\n"));
}
