// The whole print path: quillet-cli sends a stored sale or purchase to a running pressling, which
// writes the page as a PDF.

#include "CCliRunner.h"
#include "CPresslingProcess.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

void ExpectAllIn(const QString& text, const QStringList& expected)
{
    for (const QString& part : expected) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " is not in\n" << text.toStdString();
    }
}

class PrintPath : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_cli.Run({"init"}), 0);
        ASSERT_TRUE(Sql("INSERT INTO Customer (PayeeID, CompanyName, Address, City, State, PostalCode) values (1, "
                        "'Bright Caf\u00e9', '4 Harbour Road', 'Shelbyville', 'IL', '62565');"
                        "INSERT INTO Vendor (PayeeID, CompanyName, Address, City, State, PostalCode) values (5, "
                        "'Acme Supply', '1 Dock St', 'Portsmouth', 'NH', '03801');"
                        "INSERT INTO Vendor (PayeeID, CompanyName, Address, City, State, PostalCode, Note) values "
                        "(-100, 'Orvane Hardware', '12 Mill Lane', 'Springfield', 'IL', '62704', "
                        "'Goods remain our property' || char(10) || 'until paid in full.');"
                        "INSERT INTO Tax (TaxID, TaxName, TaxRate) values (2, 'GST', 10)"));
        for (const QStringList& product :
             {QStringList{"Hinge", "--desc", "Brass hinges 75mm, polished, box of twenty four", "--tax", "GST"},
              QStringList{"Oil", "--desc", "Linseed oil (litre)"}}) {
            ASSERT_EQ(m_cli.Run(QStringList{"product", "add"} + product +
                                QStringList{"--category", "Hardware", "--qty", "100", "--cost", "2"}),
                      0);
        }
        m_port = CPresslingProcess::FreePort();
        ASSERT_TRUE(m_pressling.Start({"--pdf-dir", m_pdfs.path(), "--port", QString::number(m_port)}, m_port));
        qputenv("QUILLET_PRINT_PORT", QByteArray::number(m_port));
    }
    void TearDown() override { qunsetenv("QUILLET_PRINT_PORT"); }

    QString DataFile() const { return m_dir.filePath("Quillet.cdb"); }
    bool Sql(const QString& sql) { return m_cli.Sql(sql); }
    // The text of the PDF the transaction printed to.
    QString Printed(const QString& id, qsizetype pdfs)
    {
        EXPECT_EQ(m_cli.Run({"print", id}), 0) << m_cli.Err().toStdString();
        EXPECT_EQ(m_cli.Out(), "Message Received\n");
        const QStringList files = WaitForPdfFiles(m_pdfs.path(), pdfs);
        return files.size() == pdfs ? PdfText(files.last()) : QString();
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_pdfs;
    CCliRunner m_cli{DataFile()};
    CPresslingProcess m_pressling;
    quint16 m_port = 0;
};

TEST_F(PrintPath, ASavedSaleAndPurchaseArePrintedWithEveryFieldInItsPlace)
{
    ASSERT_EQ(m_cli.Run({"sale", "--party", "Bright Caf\u00e9", "--invoice", "1042", "--line", "Hinge;3;6.4", "--line",
                         "Oil;2;5.5"}),
              0);
    const QString sale = Printed("2", 1);
    if (sale.isNull()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    // The long description is cut to its columns, so price, amount and tax stay in theirs; the
    // two-line note prints whole (wrapped to the page).
    ExpectAllIn(sale, {"INVOICE",
                       "1042",
                       "Orvane Hardware",
                       "12 Mill Lane",
                       "Springfield, IL 62704",
                       "Goods remain our property until paid in",
                       "full.",
                       "Bright Caf\u00e9",
                       "4 Harbour Road",
                       "Shelbyville, IL 62565",
                       "Brass hinges 75mm, polished, box of twen",
                       "6.40",
                       "19.20",
                       "GST",
                       "Linseed oil (litre)",
                       "5.50",
                       "11.00",
                       "TAX TOTAL",
                       "1.92",
                       "32.12"});
    EXPECT_FALSE(sale.contains("None"));

    ASSERT_EQ(m_cli.Run({"purchase", "--party", "Acme Supply", "--invoice", "P-77", "--line", "Oil;10;1.25"}), 0);
    const QString order = Printed("3", 2);
    ExpectAllIn(order, {"PURCHASE ORDER", "P.O. NUM", "P-77", "VENDOR", "BILL AND SHIP TO", "Acme Supply",
                        "Portsmouth, NH 03801", "Linseed oil (litre)", "1.25", "12.50"});
    EXPECT_FALSE(order.contains("TAX TOTAL"));
}

TEST_F(PrintPath, AWidePriceStaysInItsColumnAndANumberThatCannotIsRefusedBeforeSending)
{
    // The press has no description: its line prints its name.
    ASSERT_EQ(m_cli.Run({"product", "add", "Press", "--category", "Hardware", "--tax", "GST", "--qty", "10"}), 0);
    ASSERT_EQ(m_cli.Run({"sale", "--party", "Bright Caf\u00e9", "--invoice", "W-1", "--line", "Press;2;1500000"}), 0);
    EXPECT_EQ(m_cli.Out(), "3\n");
    const QString sale = Printed("3", 1);
    if (sale.isNull()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    const QStringList lines = sale.split(u'\n');
    const auto row =
        std::find_if(lines.cbegin(), lines.cend(), [](const QString& line) { return line.contains("Press"); });
    ASSERT_NE(row, lines.cend()) << sale.toStdString();
    EXPECT_EQ(row->simplified(), "2 Press 1500000.00 3,000,000.00 GST") << sale.toStdString();
    ExpectAllIn(sale, {"300,000.00", "3,300,000.00"});

    ASSERT_EQ(m_cli.Run({"sale", "--party", "Bright Caf\u00e9", "--line", "Oil;1;12345678901"}), 0);
    EXPECT_EQ(m_cli.Run({"print", "4"}), 1);
    EXPECT_TRUE(m_cli.Err().contains("Line 1 (Oil) cannot be printed: its price 12345678901.00 is wider than the 10 "
                                     "characters of its column on the invoice."))
        << m_cli.Err().toStdString();
    EXPECT_EQ(WaitForPdfFiles(m_pdfs.path(), 2, 1000).size(), 1);
}

} // namespace
