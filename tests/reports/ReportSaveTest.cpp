#include "CCsvFileWriter.h"
#include "CReportForm.h"
#include "CReportSaver.h"
#include "ReportFixture.h"

#include <QBuffer>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

using Day = CBookScenario;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(CCsvFileWriter, Utf8WithAMarkCrLfAndQuotesOnlyWhereNeeded)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CCsvFileWriter csv(buffer);
    csv.WriteRow({" Café", "Zoë", "", "12.50", " lead and trail "});
    csv.WriteRow({"Gadget, large", "say \"hi\"", "two\nlines", "cr\rhere"});
    csv.WriteRow({});
    EXPECT_TRUE(csv.Ok());
    EXPECT_EQ(buffer.data(), QByteArray("\xEF\xBB\xBF"
                                        " Caf\xC3\xA9,Zo\xC3\xAB,,12.50, lead and trail \r\n"
                                        "\"Gadget, large\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\rhere\"\r\n"
                                        "\r\n"));
}

TEST(CCsvFileWriter, AFailedWriteIsReported)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadOnly);
    CCsvFileWriter csv(buffer);
    csv.WriteRow({"a"});
    EXPECT_FALSE(csv.Ok());
}

TEST_F(ReportFixture, ASavedReportHasCaptionsCommasAndItsRows)
{
    Insert({"Nut, hex", Day::Day(3), kTransPurchase, "Acme", 4, 2.5, 2.5, 4, 2.5, "Hardware"});
    const QString path = m_scenario.Book().FolderPath("PurchaseSummary.csv");
    ASSERT_TRUE(CReportSaver::WriteFile(Build(ReportKind::PurchasesSummary), path));
    EXPECT_EQ(ReadAll(path), QByteArray("\xEF\xBB\xBF"
                                        "Product,Quantity,Amount\r\n"
                                        ",,\r\n"
                                        "Hardware,,\r\n"
                                        "\" Nut, hex\",4,10.00\r\n"
                                        "Total Hardware,,10.00\r\n"
                                        ",,\r\n"
                                        "Total,,10.00\r\n"));
}

TEST_F(ReportFixture, ASavedReportWritesNamesThatLookLikeFormulasAsTextAndNumbersAsNumbers)
{
    Insert({"=SUM(A1)", Day::Day(3), kTransPurchase, "@Acme", -4, 2.5, 2.5, -4, 2.5, "+Tools"});
    const QString path = m_scenario.Book().FolderPath("PurchasesByItem.csv");
    ASSERT_TRUE(CReportSaver::WriteFile(Build(ReportKind::PurchasesByItem), path));
    EXPECT_EQ(ReadAll(path), QByteArray("\xEF\xBB\xBF"
                                        "Product,Date,Name,INV#,QTY,Price,Amount\r\n"
                                        ",,,,,,\r\n"
                                        "'=SUM(A1),,,,,,\r\n"
                                        " Purchase,1/3/26,'@Acme,I1001,-4,2.50,-10.00\r\n"
                                        "Total =SUM(A1),,,,-4,,-10.00\r\n"
                                        ",,,,,,\r\n"
                                        "Total,,,,,,-10.00\r\n"));
}

TEST_F(ReportFixture, AFileTheDiskCannotHoldIsNotReportedAsSavedAndTheOldOneIsKept)
{
    Insert({"Nut, hex", Day::Day(3), kTransPurchase, "Acme", 4, 2.5, 2.5, 4, 2.5, "Hardware"});
    const QString path = m_scenario.Book().FolderPath("PurchaseSummary.csv");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    // A file size limit fails the writes as a full disk does, once the buffered rows go out.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 40;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = CReportSaver::WriteFile(Build(ReportKind::PurchasesSummary), path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
}

class ReportForm : public ReportFixture
{
protected:
    void SetUp() override
    {
        qputenv("QUILLET_DOCUMENTS", m_scenario.Book().FolderPath("docs").toUtf8());
        m_scenario.AddProduct("Widget");
        m_scenario.Purchase(Day::Day(9), {{"Widget", 10, 2}});
        m_scenario.Sale(Day::Day(10), {{"Widget", 4, 10}});
        Prompter().Clear();
    }
    void TearDown() override { qunsetenv("QUILLET_DOCUMENTS"); }
    CScriptedPrompter& Prompter() { return m_scenario.Book().Prompter(); }
    void PickJanuary()
    {
        m_form.PickDate(CReportForm::DateTarget::From, QDate(2026, 1, 1));
        m_form.PickDate(CReportForm::DateTarget::To, QDate(2026, 1, 31));
    }

    CReportForm m_form{m_scenario.Doc()};
};

TEST_F(ReportForm, RangeKindsWantBothDaysAndKeepTheReportShown)
{
    m_form.SelectKind(static_cast<int>(ReportKind::ValuationSummary));
    ASSERT_TRUE(m_form.BuildReport());
    const QStringList summary = ReportLines(*m_form.Report());

    // A refused build keeps the report; another kind drops it.
    EXPECT_EQ(ReportLines(*m_form.Report()), summary);
    m_form.SelectKind(static_cast<int>(ReportKind::SalesByItem));
    EXPECT_FALSE(m_form.Report().has_value());
    EXPECT_EQ(m_form.FromCaption(), "From");
    EXPECT_FALSE(m_form.BuildReport());
    m_form.PickDate(CReportForm::DateTarget::From, QDate(2026, 1, 1));
    EXPECT_EQ(m_form.FromCaption(), "1/1/26");
    EXPECT_FALSE(m_form.BuildReport());
    EXPECT_EQ(Prompter().Messages(), (QStringList{"Select From Date", "Select To Date"}));
    EXPECT_FALSE(m_form.Report().has_value());

    m_form.PickDate(CReportForm::DateTarget::To, QDate(2026, 1, 31));
    EXPECT_EQ(m_form.ToCaption(), "1/31/26");
    ASSERT_TRUE(m_form.BuildReport());
    EXPECT_EQ(m_form.Report()->Kind(), ReportKind::SalesByItem);

    // The summary has no range; the picked days stay for the next kind that has one.
    m_form.SelectKind(static_cast<int>(ReportKind::ValuationSummary));
    EXPECT_FALSE(m_form.ShowsDateButtons());
    m_form.SelectKind(static_cast<int>(ReportKind::ValuationDetail));
    EXPECT_TRUE(m_form.ShowsDateButtons());
    EXPECT_EQ(m_form.FromCaption(), "1/1/26");
    EXPECT_EQ(m_form.ToCaption(), "1/31/26");
    Prompter().Clear();
    EXPECT_TRUE(m_form.BuildReport());
    EXPECT_EQ(Prompter().Messages(), QStringList{});
}

// The name offered is the one of the report the list shows; after another kind is chosen the
// list shows none, so nothing is saved under either name.
TEST_F(ReportForm, SaveOffersTheShownReportsNameInTheDocumentsFolder)
{
    m_form.SelectKind(static_cast<int>(ReportKind::ValuationSummary));
    ASSERT_TRUE(m_form.BuildReport());
    const QString path = m_scenario.Book().FolderPath("chosen.csv");
    Prompter().AnswerFile(path);
    ASSERT_TRUE(m_form.SaveReport());
    const CFileChoice choice = Prompter().FileChoices().value(0);
    EXPECT_EQ(choice.suggestedName, m_scenario.Book().FolderPath("docs/ValuationSummary"));
    EXPECT_EQ(choice.defaultExtension, "csv");
    EXPECT_EQ(choice.filter, "CSV Files (*.csv)");
    EXPECT_TRUE(choice.confirmOverwrite);
    EXPECT_TRUE(ReadAll(path).startsWith("\xEF\xBB\xBFProduct,On Hand,Avg Cost,Value,Price,Retail Value\r\n"
                                         ",,,,,\r\nHardware,,,,,\r\n"));
    m_form.SelectKind(static_cast<int>(ReportKind::SalesSummary));
    EXPECT_FALSE(m_form.BuildReport());
    EXPECT_FALSE(m_form.SaveReport());
    EXPECT_EQ(Prompter().Messages(), (QStringList{"Select From Date", "No Report to Save"}));
    EXPECT_EQ(Prompter().FileChoices().size(), 1);
}

TEST_F(ReportForm, SaveRefusesAnEmptyListAndReportsAFileItCannotWrite)
{
    EXPECT_FALSE(m_form.SaveReport());
    m_form.PickDate(CReportForm::DateTarget::From, QDate(2026, 1, 1));
    m_form.PickDate(CReportForm::DateTarget::To, QDate(2026, 1, 9));
    m_form.SelectKind(static_cast<int>(ReportKind::SalesByItem));
    ASSERT_TRUE(m_form.BuildReport());
    EXPECT_FALSE(m_form.SaveReport());
    EXPECT_EQ(Prompter().Messages(), (QStringList{"No Report to Save", "No Report to Save"}));
    EXPECT_TRUE(Prompter().FileChoices().isEmpty());

    PickJanuary();
    ASSERT_TRUE(m_form.BuildReport());
    Prompter().Clear();
    EXPECT_FALSE(m_form.SaveReport()); // cancelled
    EXPECT_TRUE(Prompter().Messages().isEmpty());

    Prompter().AnswerFile(m_scenario.Book().FolderPath("no/such/folder/r.csv"));
    EXPECT_FALSE(m_form.SaveReport());
    EXPECT_EQ(Prompter().Messages(), QStringList{"Can not open the file"});
}
