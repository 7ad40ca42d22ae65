// quillet-cli import and export: the files written, the summary, the exit codes and messages.

#include "CCliRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

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

TEST_F(CliExchange, ExportsAndReportFilesRefuseDevicesAndFifosAndFollowLinksToTheirFile)
{
    ASSERT_EQ(m_cli.Run({"product", "add", "Rope", "--category", "Hardware", "--qty", "4", "--cost", "1"}), 0);
    const QString fifo = Path("pipe.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList targets{fifo};
    // Only root may replace a device node; for anyone else the write itself fails.
    if (::geteuid() == 0 && QFileInfo::exists("/dev/full")) {
        targets << "/dev/full";
    }
    for (const QString& target : targets) {
        const QString refusal =
            QStringLiteral("\"%1\" is not a regular file; choose a file for the export.").arg(target);
        EXPECT_EQ(m_cli.Run({"export", "customers", target}), 1);
        EXPECT_EQ(m_cli.Err(), refusal + "\n");
        EXPECT_EQ(m_cli.Run({"report", "valuation-summary", "--out", target}), 1);
        EXPECT_EQ(m_cli.Err(), "--out: " + refusal + "\n");
        struct stat status = {};
        ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
        EXPECT_FALSE(S_ISREG(status.st_mode)) << target.toStdString();
    }

    Write("real.csv", "old");
    ASSERT_TRUE(QFile::link(Path("real.csv"), Path("link.csv")));
    ASSERT_EQ(m_cli.Run({"export", "products", Path("link.csv")}), 0) << m_cli.Err().toStdString();
    EXPECT_TRUE(QFileInfo(Path("link.csv")).isSymLink());
    EXPECT_TRUE(Read("real.csv").contains("Rope,,Hardware,0.00,4.00,None,1.00,,"));
    ASSERT_EQ(m_cli.Run({"report", "valuation-summary", "--out", Path("link.csv")}), 0) << m_cli.Err().toStdString();
    EXPECT_TRUE(QFileInfo(Path("link.csv")).isSymLink());
    EXPECT_TRUE(Read("real.csv").contains("Rope")) << Read("real.csv").toStdString();
    EXPECT_FALSE(Read("real.csv").contains("Product Name"));
}
