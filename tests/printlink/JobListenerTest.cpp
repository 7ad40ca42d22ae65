#include "CJobListener.h"
#include "CRecordingPrinter.h"
#include "CTestClient.h"
#include "JobFixtures.h"
#include "PrintJobWire.h"
#include "StatusTexts.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QByteArray kReply = PrintJobWire::EncodeText(PrintJobWire::kReceivedReply);
const QByteArray kTooLarge = PrintJobWire::EncodeText(PrintJobWire::kTooLargeReply);
const QString kConnected = StatusTexts::kConnectedRow.toString();

QByteArray Wire(const QString& job)
{
    return PrintJobWire::EncodeText(job);
}

QString SmallJob(int number)
{
    return QStringLiteral("PrintInvoice\nInvoiceNumber:%1\nTOTAL: 1.00\n@END@").arg(number);
}

class JobListener : public testing::Test
{
protected:
    void Start(const ListenerTiming& timing = ListenerTiming{50, 60000})
    {
        m_listener = std::make_unique<CJobListener>(m_printer, timing);
        QObject::connect(m_listener.get(), &CJobListener::RowChanged,
                         [this](int row, const QString& text) { m_rows[row].append(text); });
        QObject::connect(m_listener.get(), &CJobListener::CaptionChanged,
                         [this](const QString& caption) { m_captions.append(caption); });
        QObject::connect(m_listener.get(), &CJobListener::ConnectionClosed, [this] { ++m_closed; });
        QObject::connect(m_listener.get(), &CJobListener::PrintingChanged,
                         [this](bool printing) { m_printing.append(printing); });
        QObject::connect(m_listener.get(), &CJobListener::JobFailed, [this](int row, const QString& reason) {
            m_failures.append({row, reason});
        });
        QObject::connect(m_listener.get(), &CJobListener::FailedJobHeld, [this](int row, bool held) {
            m_held.append({row, held});
        });
        ASSERT_TRUE(m_listener->Listen(0)) << m_listener->ErrorText().toStdString();
    }

    quint16 Port() const { return m_listener->Port(); }
    QString Row(int row) const { return m_rows[row].isEmpty() ? QString() : m_rows[row].last(); }
    bool WaitForRow(int row, const std::function<bool(const QString&)>& matches, int timeoutMs = 5000)
    {
        return WaitUntil([&] { return matches(Row(row)); }, timeoutMs);
    }
    bool WaitForJobs(qsizetype count, int timeoutMs = 5000)
    {
        return WaitUntil([&] { return m_printer.jobs.size() >= count; }, timeoutMs);
    }

    CRecordingPrinter m_printer;
    std::unique_ptr<CJobListener> m_listener;
    QStringList m_rows[CJobListener::kSlotCount];
    QStringList m_captions;
    int m_closed = 0;
    QList<bool> m_printing;
    QList<std::pair<int, QString>> m_failures;
    QList<std::pair<int, bool>> m_held;
};

bool IsConnectedRow(const QString& row)
{
    return row == StatusTexts::kConnectedRow;
}

bool IsEmptyRow(const QString& row)
{
    return row.isEmpty();
}

} // namespace

TEST_F(JobListener, AJobInSmallChunksIsAnsweredThenPrintedOnce)
{
    Start();
    const QString job = LoadJob(QStringLiteral("sale_with_tax"));
    const QByteArray bytes = Wire(job);
    CTestClient client(Port());
    ASSERT_TRUE(client.IsConnected());
    bool answeredBeforePrinting = false;
    m_printer.onPrint = [&](const QString&) { answeredBeforePrinting = client.Received() == kReply; };

    qsizetype at = 0;
    for (int size = 1; at < bytes.size(); size += 2) {
        client.Send(bytes.mid(at, size));
        at += size;
        Pump(2);
    }
    ASSERT_TRUE(client.WaitForBytes(kReply.size()));
    EXPECT_EQ(client.Received(), kReply);
    ASSERT_TRUE(WaitForRow(0, [](const QString& row) { return row.endsWith("  Finish Data Sending ..."); }));
    EXPECT_EQ(m_printer.jobs, QStringList{job});
    EXPECT_TRUE(answeredBeforePrinting);
    EXPECT_EQ(m_printing, QList<bool>({true}));
    EXPECT_EQ(m_captions, QStringList{StatusTexts::kConnectedCaption.toString()});

    // The handheld closes after the reply: once the last pause is over the connection ends and
    // the row keeps the job's outcome.
    client.Close();
    ASSERT_TRUE(WaitUntil([&] { return m_closed == 1; }));
    ASSERT_EQ(m_rows[0].size(), 4);
    EXPECT_EQ(m_rows[0][0], kConnected);
    EXPECT_TRUE(m_rows[0][1].endsWith("  Send Data to Printer ...")) << m_rows[0][1].toStdString();
    EXPECT_EQ(m_rows[0][3], m_rows[0][2]);
    EXPECT_EQ(m_captions.last(), StatusTexts::kDisconnectedCaption);
    EXPECT_EQ(m_printing, QList<bool>({true, false}));
    EXPECT_EQ(m_closed, 1);
    EXPECT_EQ(m_printer.jobs.size(), 1);
}

TEST_F(JobListener, TheEleventhConnectionIsRefusedAndTheTenAreUntouched)
{
    Start();
    std::vector<std::unique_ptr<CTestClient>> clients;
    for (int i = 0; i < CJobListener::kSlotCount; ++i) {
        clients.push_back(std::make_unique<CTestClient>(Port()));
        ASSERT_TRUE(WaitForRow(i, IsConnectedRow)) << i;
    }
    CTestClient eleventh(Port());
    ASSERT_TRUE(eleventh.WaitClosed());
    EXPECT_EQ(eleventh.Received(), QByteArray(PrintJobWire::kNoSlotRefusal));
    for (int i = 0; i < CJobListener::kSlotCount; ++i) {
        EXPECT_EQ(m_rows[i], QStringList{kConnected}) << i;
    }
    EXPECT_EQ(m_closed, 0);

    for (int i = 0; i < CJobListener::kSlotCount; ++i) {
        clients[i]->Send(Wire(SmallJob(i)));
    }
    for (int i = 0; i < CJobListener::kSlotCount; ++i) {
        EXPECT_TRUE(clients[i]->WaitForBytes(kReply.size())) << i;
        EXPECT_EQ(clients[i]->Received(), kReply);
    }
    ASSERT_TRUE(WaitForJobs(CJobListener::kSlotCount));
    QStringList expected;
    for (int i = 0; i < CJobListener::kSlotCount; ++i) {
        expected.append(SmallJob(i));
    }
    m_printer.jobs.sort();
    expected.sort();
    EXPECT_EQ(m_printer.jobs, expected);

    // The lowest free slot is taken next: the first again once it is free.
    clients[0]->Close();
    ASSERT_TRUE(WaitUntil([&] { return m_closed == 1; }));
    CTestClient next(Port());
    ASSERT_TRUE(WaitForRow(0, IsConnectedRow));
    EXPECT_TRUE(next.IsConnected());
    EXPECT_TRUE(clients[9]->IsConnected());
}

TEST_F(JobListener, AConnectionClosedBeforeTheEndMarkPrintsNothingAndFreesItsRow)
{
    Start();
    {
        CTestClient client(Port());
        ASSERT_TRUE(WaitForRow(0, IsConnectedRow));
        const QByteArray bytes = Wire(LoadJob(QStringLiteral("sale_with_tax")));
        client.Send(bytes.left(bytes.size() - 3)); // half of the mark's last character too
        Pump(20);
        client.Close();
        ASSERT_TRUE(WaitForRow(0, IsEmptyRow));
    }
    Pump(200);
    EXPECT_TRUE(m_printer.jobs.isEmpty());
    EXPECT_EQ(m_captions.last(), StatusTexts::kDisconnectedCaption);
    EXPECT_EQ(m_closed, 1);

    // The slot is free for the next handheld, whose job starts afresh.
    CTestClient again(Port());
    ASSERT_TRUE(WaitForRow(0, IsConnectedRow));
    again.Send(Wire(SmallJob(2)));
    ASSERT_TRUE(WaitForJobs(1));
    EXPECT_EQ(m_printer.jobs, QStringList{SmallJob(2)});
}

TEST_F(JobListener, ASilentConnectionIsClosedAfterTheIdleTime)
{
    Start(ListenerTiming{50, 300});
    CTestClient silent(Port());
    ASSERT_TRUE(WaitForRow(0, IsConnectedRow));
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(silent.WaitClosed(3000));
    EXPECT_GE(timer.elapsed(), 200);
    EXPECT_EQ(Row(0), "");

    // So is one that got its answer but stays open; its job was printed all the same.
    CTestClient lingering(Port());
    lingering.Send(Wire(SmallJob(1)));
    ASSERT_TRUE(lingering.WaitForBytes(kReply.size()));
    ASSERT_TRUE(lingering.WaitClosed(3000));
    EXPECT_EQ(m_printer.jobs, QStringList{SmallJob(1)});
}

TEST_F(JobListener, AJobTrickledSlowerThanTheJobTimeIsCutOffWhileQuickOnesPrint)
{
    Start(ListenerTiming{50, 60000, 1500});
    CTestClient trickling(Port());
    const QByteArray job = Wire(SmallJob(1));
    QElapsedTimer timer;
    timer.start();
    // A byte every 100 ms never leaves the connection idle, but the job would take seconds.
    for (qsizetype i = 0; i < job.size() && !trickling.WaitClosed(100); ++i) {
        trickling.Send(job.mid(i, 1));
    }
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(m_printer.jobs.isEmpty());

    // The time counts from the end of the last job, so a connection may send job after job.
    CTestClient quick(Port());
    for (int number = 2; number <= 4; ++number) {
        quick.Send(Wire(SmallJob(number)));
        ASSERT_TRUE(WaitForJobs(number - 1));
        WaitUntil([] { return false; }, 1000);
    }
    EXPECT_FALSE(quick.WaitClosed(0));
}

TEST_F(JobListener, OversizedJobsAreRefusedAndNothingIsPrinted)
{
    Start();
    // A job of 100 items passes the character limit; 42 short items pass the item limit.
    QString shortItems = QStringLiteral("PrintInvoice\n");
    for (int i = 0; i < 42; ++i) {
        shortItems += QStringLiteral("Item: 1\n");
    }
    for (const QString& job : {JobWithItems(100), shortItems + QStringLiteral("@END@")}) {
        CTestClient client(Port());
        client.Send(Wire(job));
        ASSERT_TRUE(client.WaitClosed());
        EXPECT_EQ(client.Received(), kTooLarge);
        ASSERT_TRUE(WaitForRow(0, [](const QString& row) { return row.endsWith("  Job refused: too large"); }));
    }
    EXPECT_EQ(m_closed, 2);

    // The slot is sane afterwards: a job of 41 items prints.
    CTestClient client(Port());
    ASSERT_TRUE(WaitForRow(0, IsConnectedRow));
    client.Send(Wire(JobWithItems(41)));
    ASSERT_TRUE(client.WaitForBytes(kReply.size()));
    ASSERT_TRUE(WaitForJobs(1));
    EXPECT_EQ(m_printer.jobs, QStringList{JobWithItems(41)});
}

TEST_F(JobListener, ATenMegabyteStreamAndRandomBytesNeitherCrashNorPrint)
{
    Start();
    {
        CTestClient flood(Port());
        QByteArray tenMegabytes = Wire(QStringLiteral("PrintInvoice\nCompanyNotes:"));
        tenMegabytes += QByteArray(10 * 1024 * 1024, 'A');
        flood.Send(tenMegabytes);
        EXPECT_TRUE(flood.WaitClosed(20000));
    }
    QRandomGenerator random(11);
    for (int size : {3001, 20000, 100000}) {
        QByteArray noise(size, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), size / 4);
        CTestClient client(Port());
        client.Send(noise);
        Pump(50);
        client.Close();
        EXPECT_TRUE(client.WaitClosed());
    }
    Pump(200);
    EXPECT_TRUE(m_printer.jobs.isEmpty());
    EXPECT_TRUE(WaitUntil([&] { return m_closed == 4; })) << m_closed;

    CTestClient after(Port());
    after.Send(Wire(SmallJob(5)));
    ASSERT_TRUE(after.WaitForBytes(kReply.size()));
    EXPECT_EQ(after.Received(), kReply);
}

TEST_F(JobListener, OneStalledOrPrintingClientDoesNotHoldUpAnother)
{
    Start(ListenerTiming{2000, 60000});
    const QByteArray job = Wire(LoadJob(QStringLiteral("sale_with_tax")));
    CTestClient stalled(Port());
    stalled.Send(job.left(job.size() / 2 + 1));
    CTestClient printing(Port());
    printing.Send(Wire(SmallJob(1)));
    ASSERT_TRUE(printing.WaitForBytes(kReply.size()));

    // The job of a third client is answered at once although one slot waits and one prints.
    CTestClient quick(Port());
    QElapsedTimer timer;
    timer.start();
    quick.Send(job);
    ASSERT_TRUE(quick.WaitForBytes(kReply.size()));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_TRUE(m_printer.jobs.isEmpty()); // both are still in their first pause
    ASSERT_TRUE(WaitForJobs(2));
}

TEST_F(JobListener, ACloseDuringThePausePrintsTheJobOnItsOwnRow)
{
    Start(ListenerTiming{300, 60000});
    const QString job = LoadJob(QStringLiteral("sale_with_tax"));
    CTestClient first(Port());
    first.Send(Wire(job));
    ASSERT_TRUE(first.WaitForBytes(kReply.size()));
    first.Close();
    // A handheld arriving meanwhile takes the next slot: the first stays taken until printed.
    CTestClient second(Port());
    ASSERT_TRUE(WaitForRow(1, IsConnectedRow));
    ASSERT_TRUE(WaitForJobs(1));
    EXPECT_EQ(m_printer.jobs, QStringList{job});
    ASSERT_TRUE(WaitUntil([&] { return m_closed == 1; }));
    ASSERT_EQ(m_rows[0].size(), 4);
    EXPECT_TRUE(m_rows[0][2].endsWith("  Finish Data Sending ..."));
    EXPECT_EQ(m_rows[0][3], m_rows[0][2]);
    EXPECT_EQ(m_rows[1], QStringList{kConnected});
}

TEST_F(JobListener, ASecondJobOnOneConnectionPrintsOnItsOwn)
{
    Start();
    CTestClient client(Port());
    client.Send(Wire(SmallJob(1)));
    ASSERT_TRUE(client.WaitForBytes(kReply.size()));
    // Sent while the first is printing: held back, then answered and printed after it.
    client.Send(Wire(SmallJob(2)));
    ASSERT_TRUE(client.WaitForBytes(2 * kReply.size()));
    ASSERT_TRUE(WaitForJobs(2));
    EXPECT_EQ(m_printer.jobs, QStringList({SmallJob(1), SmallJob(2)}));
    EXPECT_EQ(m_printing, QList<bool>({true, false, true}));
}

TEST_F(JobListener, AFailedJobStaysOnItsRowAndCanBePrintedAgainUntilTheSlotsNextJob)
{
    Start();
    m_printer.outcome = {false, QStringLiteral("cannot create the folder /x")};
    const auto isFailed = [](const QString& row) {
        return row.endsWith("  Printing failed: cannot create the folder /x");
    };
    {
        CTestClient client(Port());
        client.Send(Wire(SmallJob(1)));
        ASSERT_TRUE(client.WaitForBytes(kReply.size()));
        EXPECT_EQ(client.Received(), kReply); // the answer stays as it is
        ASSERT_TRUE(WaitForRow(0, isFailed));
        client.Close();
        ASSERT_TRUE(WaitUntil([&] { return m_closed == 1; }));
    }
    Pump(100);
    EXPECT_TRUE(isFailed(Row(0))) << Row(0).toStdString();
    EXPECT_EQ(m_failures, (QList<std::pair<int, QString>>{{0, "Printing failed: cannot create the folder /x"}}));
    EXPECT_EQ(m_held, (QList<std::pair<int, bool>>{{0, true}}));
    EXPECT_TRUE(m_listener->HoldsFailedJob(0));
    EXPECT_FALSE(m_listener->HoldsFailedJob(1));
    EXPECT_FALSE(m_listener->PrintAgain(1));

    // A connection without a job leaves the outcome where it was.
    {
        CTestClient probe(Port());
        ASSERT_TRUE(WaitForRow(0, IsConnectedRow));
        probe.Close();
        ASSERT_TRUE(WaitUntil([&] { return m_closed == 2; }));
    }
    EXPECT_TRUE(isFailed(Row(0)));
    EXPECT_TRUE(m_listener->HoldsFailedJob(0));

    // Printed again, still failing, then printed.
    ASSERT_TRUE(m_listener->PrintAgain(0));
    EXPECT_EQ(m_printer.jobs, QStringList({SmallJob(1), SmallJob(1)}));
    EXPECT_EQ(m_failures.size(), 2);
    EXPECT_TRUE(m_listener->HoldsFailedJob(0));
    m_printer.outcome = {true, QStringLiteral("saved as /y.pdf")};
    ASSERT_TRUE(m_listener->PrintAgain(0));
    EXPECT_TRUE(Row(0).endsWith("  Finish Data Sending ... saved as /y.pdf")) << Row(0).toStdString();
    EXPECT_FALSE(m_listener->HoldsFailedJob(0));
    EXPECT_FALSE(m_listener->PrintAgain(0));
    EXPECT_EQ(m_printer.jobs.size(), 3);

    // A failed job is kept only until the slot's next job.
    m_printer.outcome = {false, QStringLiteral("cannot create the folder /x")};
    CTestClient next(Port());
    next.Send(Wire(SmallJob(2)));
    ASSERT_TRUE(WaitForRow(0, isFailed));
    EXPECT_TRUE(m_listener->HoldsFailedJob(0));
    m_printer.outcome = {true, QString()};
    next.Send(Wire(SmallJob(3)));
    ASSERT_TRUE(WaitForRow(0, [](const QString& row) { return row.endsWith("  Finish Data Sending ..."); }));
    EXPECT_FALSE(m_listener->HoldsFailedJob(0));
    EXPECT_EQ(m_held.last(), (std::pair<int, bool>{0, false}));
    EXPECT_EQ(m_printer.jobs.last(), SmallJob(3));
}
