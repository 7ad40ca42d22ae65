#include "CCliRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A book worked by hand: three products in two categories, two purchases and three sales in
// January 2026. Reports run under the C locale, so dates read month/day/year.
class CliReport : public testing::Test
{
protected:
    void SetUp() override
    {
        m_locale = qgetenv("LC_ALL");
        m_hadLocale = qEnvironmentVariableIsSet("LC_ALL");
        qputenv("LC_ALL", "C");
        ASSERT_EQ(m_cli.Run({"init"}), 0) << m_cli.Err().toStdString();
        Run({"product", "add", "Widget", "--category", "Hardware", "--price", "10"});
        Run({"product", "add", "Gadget, large", "--category", "Software", "--price", "25"});
        Run({"product", "add", "Café", "--category", "Software", "--price", "4.5"});
        Run({"purchase", "--party", "Acme", "--invoice", "P-1", "--date", "2026-01-05 10:00:00", "--line",
             "Widget;10;2", "--line", "Gadget, large;4;12.5", "--line", "Café;20;1.25"});
        Run({"sale", "--party", "Bob", "--invoice", "S-1", "--date", "2026-01-06 11:00:00", "--line", "Widget;4;10",
             "--line", "Café;3;4.5"});
        Run({"sale", "--party", "Zoë", "--invoice", "S-2", "--date", "2026-01-07 09:30:00", "--line",
             "Gadget, large;1;25"});
        Run({"purchase", "--party", "Acme", "--invoice", "P-2", "--date", "2026-01-08 10:00:00", "--line",
             "Widget;10;4"});
        Run({"sale", "--party", "Bob", "--invoice", "S-3", "--date", "2026-01-09 16:00:00", "--line", "Widget;2;9.5"});
    }
    void TearDown() override
    {
        if (m_hadLocale) {
            qputenv("LC_ALL", m_locale);
        } else {
            qunsetenv("LC_ALL");
        }
    }

    void Run(const QStringList& arguments) { ASSERT_EQ(m_cli.Run(arguments), 0) << m_cli.Err().toStdString(); }
    // The saved file of a report of January, as text.
    QString January(const QString& kind)
    {
        EXPECT_EQ(m_cli.Run({"report", kind, "--from", "2026-01-01", "--to", "2026-01-31"}), 0)
            << m_cli.Err().toStdString();
        return m_cli.Out();
    }
    // The runner reads stdout as UTF-8, which drops the byte-order mark.
    static QString File(const QStringList& lines) { return lines.join("\r\n") + "\r\n"; }
    QString DataFile() const { return m_dir.filePath("Quillet.cdb"); }

    QByteArray m_locale;
    bool m_hadLocale = false;
    QTemporaryDir m_dir;
    CCliRunner m_cli{DataFile()};
};

} // namespace

TEST_F(CliReport, ValuationReportsOfTheBook)
{
    EXPECT_EQ(January("valuation-detail"), File({
                                               "Product,Date,Name,INV#,QTY,Cost,On Hand,Avg Cost,Value",
                                               ",,,,,,,,",
                                               "Café,,,,,,,,",
                                               " Buy,1/5/26,Acme,P-1,20,1.25,20,1.25,25.00",
                                               " Sale,1/6/26,Bob,S-1,-3,,17,1.25,21.25",
                                               "Total Café,,,,,,17,,21.25",
                                               ",,,,,,,,",
                                               "\"Gadget, large\",,,,,,,,",
                                               " Buy,1/5/26,Acme,P-1,4,12.50,4,12.50,50.00",
                                               " Sale,1/7/26,Zoë,S-2,-1,,3,12.50,37.50",
                                               "\"Total Gadget, large\",,,,,,3,,37.50",
                                               ",,,,,,,,",
                                               "Widget,,,,,,,,",
                                               " Buy,1/5/26,Acme,P-1,10,2.00,10,2.00,20.00",
                                               " Sale,1/6/26,Bob,S-1,-4,,6,2.00,12.00",
                                               " Buy,1/8/26,Acme,P-2,10,4.00,16,3.25,52.00",
                                               " Sale,1/9/26,Bob,S-3,-2,,14,3.25,45.50",
                                               "Total Widget,,,,,,14,,45.50",
                                               ",,,,,,,,",
                                               "Total,,,,,,,,104.25",
                                           }));
    // The current valuation takes no range and ignores one.
    ASSERT_EQ(m_cli.Run({"report", "valuation-summary"}), 0) << m_cli.Err().toStdString();
    const QString summary = m_cli.Out();
    EXPECT_EQ(summary, File({
                           "Product,On Hand,Avg Cost,Value,Price,Retail Value",
                           ",,,,,",
                           "Hardware,,,,,",
                           " Widget,14,3.25,45.50,10.00,140.00",
                           "Hardware,14,,45.50,,140.00",
                           ",,,,,",
                           "Software,,,,,",
                           " Café,17,1.25,21.25,4.50,76.50",
                           "\" Gadget, large\",3,12.50,37.50,25.00,75.00",
                           "Software,20,,58.75,,151.50",
                           ",,,,,",
                           "Total,34,,104.25,,291.50",
                       }));
    EXPECT_EQ(January("valuation-summary"), summary);
}

TEST_F(CliReport, SalesAndPurchaseReportsOfTheBook)
{
    EXPECT_EQ(January("sales-by-item"), File({
                                            "Product,Date,Name,INV#,QTY,Price,Amount",
                                            ",,,,,,",
                                            "Café,,,,,,",
                                            " Sale,1/6/26,Bob,S-1,3,4.50,13.50",
                                            "Total Café,,,,3,,13.50",
                                            ",,,,,,",
                                            "\"Gadget, large\",,,,,,",
                                            " Sale,1/7/26,Zoë,S-2,1,25.00,25.00",
                                            "\"Total Gadget, large\",,,,1,,25.00",
                                            ",,,,,,",
                                            "Widget,,,,,,",
                                            " Sale,1/6/26,Bob,S-1,4,10.00,40.00",
                                            " Sale,1/9/26,Bob,S-3,2,9.50,19.00",
                                            "Total Widget,,,,6,,59.00",
                                            ",,,,,,",
                                            "Total,,,,,,97.50",
                                        }));
    EXPECT_EQ(January("sales-summary"), File({
                                            "Product,QTY,Amount,Avg Price,COGS,AVG COGS,Gross Margin,Gross Margin %",
                                            ",,,,,,,",
                                            "Hardware,,,,,,,",
                                            " Widget,6,59.00,9.83,14.50,2.42,44.50,75.42%",
                                            "Total Hardware,,59.00,,14.50,,44.50,75.42%",
                                            ",,,,,,,",
                                            "Software,,,,,,,",
                                            " Café,3,13.50,4.50,3.75,1.25,9.75,72.22%",
                                            "\" Gadget, large\",1,25.00,25.00,12.50,12.50,12.50,50.00%",
                                            "Total Software,,38.50,,16.25,,22.25,57.79%",
                                            ",,,,,,,",
                                            "Total,,97.50,,30.75,,66.75,68.46%",
                                        }));
    EXPECT_EQ(January("purchases-by-item"), File({
                                                "Product,Date,Name,INV#,QTY,Price,Amount",
                                                ",,,,,,",
                                                "Café,,,,,,",
                                                " Purchase,1/5/26,Acme,P-1,20,1.25,25.00",
                                                "Total Café,,,,20,,25.00",
                                                ",,,,,,",
                                                "\"Gadget, large\",,,,,,",
                                                " Purchase,1/5/26,Acme,P-1,4,12.50,50.00",
                                                "\"Total Gadget, large\",,,,4,,50.00",
                                                ",,,,,,",
                                                "Widget,,,,,,",
                                                " Purchase,1/5/26,Acme,P-1,10,2.00,20.00",
                                                " Purchase,1/8/26,Acme,P-2,10,4.00,40.00",
                                                "Total Widget,,,,20,,60.00",
                                                ",,,,,,",
                                                "Total,,,,,,135.00",
                                            }));
    EXPECT_EQ(January("purchases-summary"), File({
                                                "Product,Quantity,Amount",
                                                ",,",
                                                "Hardware,,",
                                                " Widget,20,60.00",
                                                "Total Hardware,,60.00",
                                                ",,",
                                                "Software,,",
                                                " Café,20,25.00",
                                                "\" Gadget, large\",4,50.00",
                                                "Total Software,,75.00",
                                                ",,",
                                                "Total,,135.00",
                                            }));
}

TEST_F(CliReport, OutWritesWhatStdoutShowsAndAnEmptyReportIsRefused)
{
    ASSERT_EQ(m_cli.Run({"report", "sales-by-item", "--from", "2026-01-07", "--to", "2026-01-07"}), 0);
    const QString oneDay = m_cli.Out();
    EXPECT_EQ(oneDay.count("\r\n"), 7) << oneDay.toStdString();
    const QString out = m_dir.filePath("SaleItems.csv");
    ASSERT_EQ(m_cli.Run({"report", "sales-by-item", "--from", "2026-01-07", "--to", "2026-01-07", "--out", out}), 0);
    EXPECT_TRUE(m_cli.Out().isEmpty());
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\xEF\xBB\xBF" + oneDay.toUtf8());

    const QString empty = m_dir.filePath("empty.csv");
    EXPECT_EQ(m_cli.Run({"report", "sales-summary", "--from", "2026-02-01", "--to", "2026-02-28", "--out", empty}), 1);
    EXPECT_EQ(m_cli.Err().trimmed(), "No Report to Save");
    EXPECT_FALSE(QFile::exists(empty));

    EXPECT_EQ(m_cli.Run({"report", "sales-summary", "--from", "2026-01-01", "--to", "2026-01-31", "--out",
                         m_dir.filePath("no/such/folder/x.csv")}),
              1);
    EXPECT_TRUE(m_cli.Err().startsWith("--out: Can not open the file")) << m_cli.Err().toStdString();
}

TEST_F(CliReport, BadArgumentsAreNamedAndAMissingBookIsNotCreated)
{
    const auto usage = [this](const QStringList& arguments, const QString& reason) {
        EXPECT_EQ(m_cli.Run(arguments), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(m_cli.Err().startsWith(reason)) << m_cli.Err().toStdString();
        EXPECT_TRUE(m_cli.Out().isEmpty());
    };
    usage({"report"}, "report: give one report kind");
    usage({"report", "sales"}, "report: 'sales' is not a report kind");
    usage({"report", "sales-by-item"}, "--from: sales-by-item needs --from and --to");
    usage({"report", "valuation-detail", "--from", "2026-01-01"}, "--to: valuation-detail needs --from and --to");
    usage({"report", "sales-summary", "--from", "2026-1-1", "--to", "2026-01-31"},
          "--from: '2026-1-1' is not a date (YYYY-MM-DD)");
    usage({"report", "sales-summary", "--from", "2026-01-01", "--to", "2026-02-30"},
          "--to: '2026-02-30' is not a date (YYYY-MM-DD)");
    usage({"report", "valuation-summary", "--month", "1"}, "--month: not an option of report");

    const QString missing = m_dir.filePath("other/Quillet.cdb");
    CCliRunner other(missing);
    EXPECT_EQ(other.Run({"report", "valuation-summary"}), 1);
    EXPECT_EQ(other.Err().trimmed(), "no data file at " + missing + "; create one with init");
    EXPECT_FALSE(QFile::exists(missing));
}

// A spreadsheet reads the saved file as its columns: names with accents and commas in one cell,
// numbers as numbers. LibreOffice's conversion is told the file is UTF-8: without filter options
// it reads any text file in a Western 8-bit charset and ignores the byte-order mark.
TEST_F(CliReport, ASpreadsheetOpensTheSavedFile)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (soffice.isEmpty() || pdftotext.isEmpty()) {
        GTEST_SKIP() << "LibreOffice (soffice) or pdftotext is not installed";
    }
    const QString csv = m_dir.filePath("SaleSummary.csv");
    ASSERT_EQ(m_cli.Run({"report", "sales-summary", "--from", "2026-01-01", "--to", "2026-01-31", "--out", csv}), 0);
    QProcess convert;
    convert.setWorkingDirectory(m_dir.path());
    convert.start(soffice, {"-env:UserInstallation=file://" + m_dir.filePath("lo-profile"), "--headless",
                            "--infilter=CSV:44,34,76,1", "--convert-to", "pdf", "--outdir", m_dir.path(), csv});
    ASSERT_TRUE(convert.waitForFinished(180000));
    ASSERT_TRUE(QFile::exists(m_dir.filePath("SaleSummary.pdf"))) << convert.readAllStandardError().toStdString();
    QProcess text;
    text.start(pdftotext, {"-layout", m_dir.filePath("SaleSummary.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const char* line : {"SaleSummary Product QTY Amount Avg Price COGS AVG COGS Gross Margin Gross Margin %",
                             "Widget 6 59 9.83 14.5 2.42 44.5 75.42%", "Café 3 13.5 4.5 3.75 1.25 9.75 72.22%",
                             "Gadget, large 1 25 25 12.5 12.5 12.5 50.00%", "Total 97.5 30.75 66.75 68.46%"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(line))) << line << " in " << page.toStdString();
    }
}
