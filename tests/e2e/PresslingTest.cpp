#include "CPresslingProcess.h"
#include "PresslingJobs.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kReply = PresslingJobs::Utf16Le(QStringLiteral("Message Received"));

void ExpectAllIn(const QString& text, const QStringList& expected)
{
    for (const QString& part : expected) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " is not in\n" << text.toStdString();
    }
}

} // namespace

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
