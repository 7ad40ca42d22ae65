#include "CLnkSock.h"
#include "CFakeDesktop.h"
#include "CPrintJobWriter.h"
#include "CSalesBook.h"
#include "CTransactionForm.h"
#include "PrintJobWire.h"
#include "TransactionTypes.h"

#include <QElapsedTimer>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int kShortTimeoutMs = 300;
const QString kJob = QStringLiteral("PrintInvoice\nCompanyName:Caf\u00e9\nTOTAL: 1.00\n@END@");

// A port nothing listens on: one just given up by a listener.
quint16 ClosedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

class LnkSock : public testing::Test
{
protected:
    std::optional<QString> Send(quint16 port, const QString& job = kJob)
    {
        CLnkSock link(m_prompter, CPrintPeer("127.0.0.1", port), kShortTimeoutMs);
        return link.Send(job);
    }

    CScriptedPrompter m_prompter;
};

TEST_F(LnkSock, AJobArrivesByteForByteAndTheDesktopsAnswerComesBack)
{
    CFakeDesktop desktop;
    EXPECT_EQ(Send(desktop.Port()), "Message Received");
    EXPECT_EQ(desktop.Received(), PrintJobWire::EncodeText(kJob));
    // UTF-16 little-endian, a character beyond 16 bits as two units, no mark, no terminator.
    EXPECT_EQ(Send(desktop.Port(), QString::fromUtf8("\xC3\xA9\xF0\x9F\x94\xA9@END@")), "Message Received");
    EXPECT_EQ(desktop.Received().mid(PrintJobWire::EncodeText(kJob).size()),
              QByteArray("\xE9\0\x3D\xD8\x29\xDD@\0E\0N\0D\0@\0", 16));
    EXPECT_EQ(desktop.Connections(), 2);
    EXPECT_TRUE(m_prompter.Shown().isEmpty());
    EXPECT_EQ(m_prompter.WaitDepth(), 0);
}

TEST_F(LnkSock, AnythingButTheAnswerIsReportedOnce)
{
    for (const CFakeDesktop::Answer answer : {CFakeDesktop::Answer::RefuseSlot, CFakeDesktop::Answer::Close}) {
        CFakeDesktop desktop(answer);
        EXPECT_FALSE(Send(desktop.Port()));
    }
    EXPECT_FALSE(Send(ClosedPort()));
    EXPECT_EQ(m_prompter.Messages(),
              QStringList(3, "Quillet uses a PC printer to print.\nPlease Check If:\n(1) The Pocket PC is connected to "
                             "PC by ActiveSync. \n(2) The Orvane Pressling component is installed on Desktop PC.\n"));
    EXPECT_EQ(m_prompter.WaitDepth(), 0);
}

TEST_F(LnkSock, ADesktopThatNeverAnswersIsGivenUpAfterTheTimeout)
{
    CFakeDesktop desktop(CFakeDesktop::Answer::Silence);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Send(desktop.Port()));
    EXPECT_GE(clock.elapsed(), kShortTimeoutMs - 50);
    EXPECT_LT(clock.elapsed(), 3 * kShortTimeoutMs);
    EXPECT_EQ(m_prompter.Messages().size(), 1);
    EXPECT_EQ(desktop.Received(), PrintJobWire::EncodeText(kJob));
}

TEST_F(LnkSock, NoSocketToBeHadSaysSo)
{
    // Every descriptor below a low limit taken, so that the socket cannot be created.
    const quint16 port = ClosedPort();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    const rlim_t limit = 64;
    QList<int> fillers;
    for (int fd = open("/dev/null", O_RDONLY); fd >= 0; fd = open("/dev/null", O_RDONLY)) {
        if (fd >= static_cast<int>(limit)) {
            close(fd);
            break;
        }
        fillers << fd;
    }
    rlimit low = saved;
    low.rlim_cur = limit;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    const std::optional<QString> reply = Send(port);
    setrlimit(RLIMIT_NOFILE, &saved);
    for (const int fd : fillers) {
        close(fd);
    }
    EXPECT_FALSE(reply);
    EXPECT_EQ(m_prompter.Messages(), QStringList{"Failed to create a socket"});
}

TEST_F(LnkSock, APortSettingThatIsNoPortIsNamed)
{
    qputenv("QUILLET_PRINT_PORT", "54x");
    const CPrintPeer peer = CPrintPeer::Configured();
    qputenv("QUILLET_PRINT_PORT", "6123");
    EXPECT_EQ(CPrintPeer::Configured().Port(), 6123);
    qunsetenv("QUILLET_PRINT_PORT");
    EXPECT_EQ(CPrintPeer::Configured().Port(), 5421);
    EXPECT_FALSE(CLnkSock(m_prompter, peer).Send(kJob));
    EXPECT_EQ(m_prompter.Messages(), QStringList{"QUILLET_PRINT_PORT: '54x' is not a port number (1 to 65535)."});
}

class PrintCommand : public testing::Test
{
protected:
    void SetUp() override
    {
        m_book.AddProduct({"Bolt", "Hex bolt", 100, 9.5});
        m_book.Reload();
    }

    std::optional<QString> Print(const CTransactionForm& form, quint16 port)
    {
        CLnkSock link(m_book.Prompter(), CPrintPeer("127.0.0.1", port), kShortTimeoutMs);
        return form.Print(link);
    }

    void AddLines(CTransactionForm& form, int count)
    {
        for (int i = 0; i < count; ++i) {
            TransactionLine line;
            line.ProductID = "Bolt";
            line.ProductName = QStringLiteral("Line %1").arg(i);
            form.AddLine(line, -1);
        }
    }

    CSalesBook m_book;
};

TEST_F(PrintCommand, NothingToPrintOpensNoConnection)
{
    CFakeDesktop desktop;
    const CTransactionForm form(m_book.Doc(), kTransSale);
    EXPECT_FALSE(Print(form, desktop.Port()));
    EXPECT_EQ(m_book.Prompter().Messages(), QStringList{"There is Nothing to Print"});
    EXPECT_EQ(desktop.Connections(), 0);
}

TEST_F(PrintCommand, TheFormAsShownIsSentAndAJobTooLargeForTheDesktopIsNot)
{
    CFakeDesktop desktop;
    CTransactionForm form(m_book.Doc(), kTransPurchase);
    AddLines(form, 41);
    EXPECT_EQ(Print(form, desktop.Port()), "Message Received");
    EXPECT_EQ(desktop.Received(), PrintJobWire::EncodeText(CPrintJobWriter::Text(form.PrintJob())));
    AddLines(form, 1);
    EXPECT_FALSE(Print(form, desktop.Port()));
    EXPECT_EQ(desktop.Connections(), 1);
    EXPECT_EQ(m_book.Prompter().Messages(),
              QStringList{"This purchase order is too long to print: the desktop takes at most 41 lines and 4096 "
                          "characters, and it has 42 lines and 4137 characters."});
}

TEST_F(PrintCommand, ANumberTooWideForItsColumnIsRefusedNamingItsLine)
{
    CFakeDesktop desktop;
    CTransactionForm form(m_book.Doc(), kTransSale);
    AddLines(form, 1);
    TransactionLine wide;
    wide.ProductID = "Bolt";
    wide.Quantity = 1;
    wide.Price = wide.ItemTotal = 12345678901.0;
    form.AddLine(wide, -1);
    EXPECT_FALSE(Print(form, desktop.Port()));
    EXPECT_EQ(desktop.Connections(), 0);
    EXPECT_EQ(m_book.Prompter().Messages(),
              QStringList{"Line 2 (Bolt) cannot be printed: its price 12345678901.00 is wider than the 10 characters "
                          "of its column on the invoice."});
}

} // namespace
