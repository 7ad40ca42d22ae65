#include "CPresslingProcess.h"
#include "JobFixtures.h"
#include "PresslingJobs.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QByteArray kReply = PresslingJobs::Utf16Le(QStringLiteral("Message Received"));

void ExpectAllIn(const QString& text, const QStringList& expected)
{
    for (const QString& part : expected) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " is not in\n" << text.toStdString();
    }
}

// The item numbers of the "Part N" descriptions on a page's text, in reading order.
QList<int> PartNumbers(const QString& pageText)
{
    QList<int> numbers;
    static const QRegularExpression part(QStringLiteral("\\bPart (\\d+)\\b"));
    for (const QRegularExpressionMatch& match : part.globalMatch(pageText)) {
        numbers.append(match.captured(1).toInt());
    }
    return numbers;
}

} // namespace

TEST(Pressling, FortyOneLinesContinueOnASecondPageWithTheTotalsOnlyThere)
{
    QTemporaryDir pdfFolder;
    CPresslingProcess pressling;
    const quint16 port = CPresslingProcess::FreePort();
    ASSERT_TRUE(pressling.Start({"--pdf-dir", pdfFolder.path(), "--port", QString::number(port)}, port));
    QString job = JobWithItems(41);
    job.replace(QStringLiteral("TOTAL: 1.00"), QStringLiteral("TOTAL: 861.00"));
    EXPECT_EQ(SendJob(port, PresslingJobs::Utf16Le(job)), kReply);
    const QStringList files = WaitForPdfFiles(pdfFolder.path(), 1);
    ASSERT_EQ(files.size(), 1);
    const QString text = PdfText(files[0]);
    if (text.isNull()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    // pdftotext ends every page with a form feed.
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2) << text.toStdString();
    QList<int> first23;
    QList<int> last18;
    for (int i = 1; i <= 41; ++i) {
        (i <= 23 ? first23 : last18).append(i);
    }
    EXPECT_EQ(PartNumbers(pages[0]), first23);
    EXPECT_EQ(PartNumbers(pages[1]), last18);
    for (const QString& page : pages) {
        ExpectAllIn(page, {"Orvane Hardware", "QUANTITY", "DESCRIPTION", "PRICE", "AMOUNT"});
    }
    ExpectAllIn(pages[0], {"Page 1 of 2"});
    ExpectAllIn(pages[1], {"Page 2 of 2", "TOTAL", "861.00"});
    EXPECT_FALSE(pages[0].contains("861.00"));
    EXPECT_FALSE(pages[0].contains("TOTAL"));
}

TEST(Pressling, AJobThatCannotBePrintedIsReportedOnStderr)
{
    QTemporaryDir folder;
    QFile blocker(QDir(folder.path()).filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    CPresslingProcess pressling;
    pressling.KeepErrors();
    const quint16 port = CPresslingProcess::FreePort();
    ASSERT_TRUE(pressling.Start({"--pdf-dir", blocker.fileName() + "/out", "--port", QString::number(port)}, port));

    // The answer stays as it was: the job arrived.
    EXPECT_EQ(SendJob(port, PresslingJobs::Utf16Le(PresslingJobs::Sale("9"))), kReply);
    // The row is the slot's: the start-up probe may still hold the first.
    const QString expected = ": Printing failed: cannot create the folder " + blocker.fileName() + "/out\n";
    QElapsedTimer timer;
    timer.start();
    while (!pressling.Errors().contains(expected) && timer.elapsed() < 15000) {
        QThread::msleep(50);
    }
    EXPECT_TRUE(pressling.Errors().contains(expected)) << pressling.Errors().toStdString();
    EXPECT_TRUE(pressling.Errors().contains("pressling: Job Status row ")) << pressling.Errors().toStdString();
    EXPECT_TRUE(pressling.IsRunning());
}

TEST(Pressling, ASaleAndAPurchaseOrderBecomeOnePdfEach)
{
    QTemporaryDir pdfFolder;
    CPresslingProcess pressling;
    const quint16 port = CPresslingProcess::FreePort();
    ASSERT_TRUE(pressling.Start({"--pdf-dir", pdfFolder.path(), "--port", QString::number(port)}, port));

    EXPECT_EQ(SendJob(port, PresslingJobs::Utf16Le(PresslingJobs::Sale("INV-1042"))), kReply);
    const QStringList afterSale = WaitForPdfFiles(pdfFolder.path(), 1);
    ASSERT_EQ(afterSale.size(), 1);
    EXPECT_EQ(QFileInfo(afterSale[0]).fileName(), QDate::currentDate().toString(Qt::ISODate) + "_INV-1042.pdf");
    const QString sale = PdfText(afterSale[0]);
    if (sale.isNull()) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    ExpectAllIn(sale, {"INVOICE",
                       "INVOICE#",
                       "INV-1042",
                       "1/9/2026",
                       "Orvane Hardware",
                       "12 Mill Lane",
                       "Springfield, IL 62704",
                       "Goods remain our property",
                       "BILL TO",
                       "\u0141\u00f3d\u017a Caf\u00e9",
                       "4 Harbour Road",
                       "Shelbyville, IL 62565",
                       "Brass hinges 75mm",
                       "Linseed oil (litre)",
                       "Wood screws, box",
                       "19.20",
                       "11.00",
                       "5.50",
                       "27.00",
                       "GST",
                       "TAX TOTAL",
                       "4.62",
                       "56.32"});
    EXPECT_FALSE(sale.contains("None"));

    EXPECT_EQ(SendJob(port, PresslingJobs::Utf16Le(PresslingJobs::PurchaseOrder())), kReply);
    const QStringList afterOrder = WaitForPdfFiles(pdfFolder.path(), 2);
    ASSERT_EQ(afterOrder.size(), 2);
    const QString order =
        PdfText(QDir(pdfFolder.path()).filePath(QDate::currentDate().toString(Qt::ISODate) + "_P-77.pdf"));
    ExpectAllIn(order, {"PURCHASE ORDER", "P.O. NUM", "P-77", "VENDOR", "BILL AND SHIP TO", "Acme Timber Supply",
                        "Pine board 1.2m", "Wall plugs, pack", "124.00", "10.50", "134.50"});
    EXPECT_FALSE(order.contains("TAX TOTAL"));
    EXPECT_TRUE(pressling.IsRunning());
}

TEST(Pressling, ASecondCopyLeavesTheFirstServingAndSlashDEndsIt)
{
    QTemporaryDir pdfFolder;
    CPresslingProcess pressling;
    const quint16 port = CPresslingProcess::FreePort();
    ASSERT_TRUE(pressling.Start({"--pdf-dir", pdfFolder.path(), "--port", QString::number(port)}, port));

    EXPECT_EQ(pressling.RunAnotherCopy({}), 0);
    EXPECT_TRUE(pressling.IsRunning());
    EXPECT_EQ(SendJob(port, PresslingJobs::Utf16Le(PresslingJobs::Sale("7"))), kReply);

    EXPECT_EQ(pressling.RunAnotherCopy({"/D"}), 0);
    EXPECT_TRUE(pressling.WaitFinished());
    EXPECT_FALSE(IsListening(port));

    // With no copy running, "/D" has nothing to close and starts nothing.
    EXPECT_EQ(pressling.RunAnotherCopy({"/D", "--port", QString::number(port)}), 0);
    EXPECT_FALSE(IsListening(port));
}

TEST(Pressling, ABadArgumentIsAUsageError)
{
    CPresslingProcess pressling;
    EXPECT_EQ(pressling.RunAnotherCopy({"--port", "none"}), 2);
}
