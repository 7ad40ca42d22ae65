#include "CCliRunner.h"
#include "CFakeDesktop.h"

#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliSales : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_cli.Run({"init"}), 0);
        ASSERT_TRUE(Sql("INSERT INTO Tax (TaxID, TaxName, TaxRate) values (2, 'GST', 10)"));
        ASSERT_TRUE(Sql("INSERT INTO Customer (PayeeID, CompanyName, Address, City, State, PostalCode) values "
                        "(1, 'Bright Caf\u00e9', '4 Harbour Road', 'Shelbyville', 'IL', '62565')"));
        ASSERT_TRUE(Sql("INSERT INTO Vendor (PayeeID, CompanyName, Address, City, State, PostalCode, Note) values "
                        "(-100, 'Orvane Hardware', '12 Mill Lane', '', '', '', 'Thanks!')"));
        ASSERT_EQ(m_cli.Run({"product", "add", "Bolt", "--category", "Hardware", "--desc", "Hex bolt", "--price", "9.5",
                             "--qty", "100", "--cost", "3", "--tax", "GST"}),
                  0)
            << m_cli.Err().toStdString();
    }

    QString DataFile() const { return m_dir.filePath("Quillet.cdb"); }
    bool Sql(const QString& sql) { return m_cli.Sql(sql); }

    QTemporaryDir m_dir;
    CCliRunner m_cli{DataFile()};
};

TEST_F(CliSales, JobPrintsAStoredSaleAsTheDesktopGetsItAndPrintSendsIt)
{
    ASSERT_EQ(m_cli.Run({"sale", "--party", "bright caf\u00e9", "--date", "2026-03-07 10:00:00", "--invoice", "1042",
                         "--line", "Bolt;3;9.5"}),
              0)
        << m_cli.Err().toStdString();
    ASSERT_EQ(m_cli.Run({"job", "1"}), 0);
    const QString job = m_cli.Out();
    EXPECT_EQ(
        job,
        QString("PrintInvoice\nCompanyName:Orvane Hardware\nCompanyAddress:12 Mill Lane\nCompanyCityZipCode:,  \n"
                "InvoiceNumber:1042\nCompanyNotes:Thanks!\nTITLE:INVOICE\nINVNUM:INVOICE#\nBILLTO:BILL TO\nSHIPTO:\n"
                "CustomerName:Bright Caf\u00e9\nCustomerAddress:4 Harbour Road\n"
                "CustomerCityZipCode:Shelbyville, IL 62565\nInvoiceDate:3/7/26\n") +
            "Item: 3" + QString(11, ' ') + "Hex bolt" + QString(32, ' ') + "      9.50       28.50GST       \n" +
            "TAXTOTAL: 2.85\nTOTAL: 31.35\n@END@");

    CFakeDesktop desktop;
    qputenv("QUILLET_PRINT_PORT", QByteArray::number(desktop.Port()));
    qputenv("QUILLET_PRINT_HOST", "127.0.0.1");
    EXPECT_EQ(m_cli.Run({"print", "1"}), 0) << m_cli.Err().toStdString();
    EXPECT_EQ(m_cli.Out(), "Message Received\n");
    EXPECT_EQ(desktop.Received(), QByteArray(reinterpret_cast<const char*>(job.utf16()), job.size() * 2));

    // With nothing listening the user is told what to check, on stderr.
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    qputenv("QUILLET_PRINT_PORT", QByteArray::number(closed.serverPort()));
    closed.close();
    EXPECT_EQ(m_cli.Run({"print", "1"}), 1);
    EXPECT_TRUE(m_cli.Out().isEmpty());
    EXPECT_EQ(m_cli.Err(),
              "Quillet uses a PC printer to print.\nPlease Check If:\n(1) The Pocket PC is connected to PC "
              "by ActiveSync. \n(2) The Orvane Pressling component is installed on Desktop PC.\n\n");
    qunsetenv("QUILLET_PRINT_PORT");
    qunsetenv("QUILLET_PRINT_HOST");

    EXPECT_EQ(m_cli.Run({"job", "0"}), 1);
    EXPECT_EQ(m_cli.Err(), "There is no sale or purchase 0.\n");
    EXPECT_EQ(m_cli.Run({"job", "x"}), 2);
}

TEST_F(CliSales, SaleLinesFollowTheLineItemRules)
{
    ASSERT_EQ(m_cli.Run({"product", "add", "Rope", "--category", "Hardware", "--qty", "0.5", "--cost", "1"}), 0);
    // Without a terminal both questions are answered No, and the line is not taken.
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Rope;2;3"}), 1);
    EXPECT_EQ(m_cli.Err(), "There is not enough QTY on hand, still want to set initial Quantity = 1 ? No (no "
                           "terminal to ask; --yes answers Yes)\nThere is not enough QTY on hand, force it through? No "
                           "(no terminal to ask; --yes answers Yes)\n");
    ASSERT_EQ(m_cli.Run({"--yes", "sale", "--party", "Bob", "--line", "Rope;2;3"}), 0);
    ASSERT_EQ(m_cli.Run({"list", "products"}), 0);
    EXPECT_TRUE(m_cli.Out().contains("\nRope,,Hardware,0,-1.5,")) << m_cli.Out().toStdString();

    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Bolt;-1;3"}), 1);
    EXPECT_EQ(m_cli.Err(), "You can not input a negative value!\n");
    EXPECT_EQ(m_cli.Run({"sale", "--party", "Bob", "--line", "Bolt;1;3", "--line", "bolt;2;3"}), 1);
    EXPECT_EQ(m_cli.Err(), "The item name exists in your current transaction, please select a different one!\n");
    EXPECT_EQ(m_cli.Run({"purchase", "--party", "Acme", "--line", "Bolt;1000000;2000000"}), 1);
    EXPECT_TRUE(m_cli.Err().startsWith("The line's amount, 2,000,000,000,000.00, is out of range"));
}

} // namespace
