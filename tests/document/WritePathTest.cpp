// Every write is one operation: it waits for another program's write lock or fails cleanly, it
// sees what another program committed before it decides anything, and it reports success only
// when its commit took effect. Whatever fails leaves the book as it was.

#include "CBookScenario.h"
#include "CCommitFailure.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CSecondProgram.h"
#include "CStoredTransaction.h"
#include "FullWalk.h"
#include "TestBooks.h"
#include "TransactionTypes.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Day = CBookScenario;

QStringList WholeBook(CTestBook& book)
{
    QStringList dump;
    for (const char* table : {"AutoNumber", "Item", "Transaction", "TransItem", "Categories"}) {
        dump << book.Rows(QStringLiteral("SELECT * FROM [%1] order by 1, 2").arg(QLatin1String(table)));
    }
    return dump;
}

SalePurchasePosting SaleOf(const ItemRecord& product, double quantity, const QDateTime& date)
{
    SalePurchasePosting posting;
    posting.TransType = kTransSale;
    posting.PreviousDate = posting.NewDate = date;
    posting.CompanyName = QStringLiteral("Customer");
    TransactionLine line;
    line.ProductID = product.ProductID;
    line.Quantity = quantity;
    line.Price = 2;
    line.UnitCost = product.AvgCost;
    line.ItemTotal = 2 * quantity;
    posting.Lines = {line};
    return posting;
}

TEST(WritePath, AFailedCommitIsReportedAndLeavesTheBookAsItWas)
{
    CBookScenario book;
    book.AddProduct("Rope");
    book.Purchase(Day::Day(1), {{"Rope", 10, 3}});
    const QStringList before = WholeBook(book.Book());
    {
        const CCommitFailure failure(book.Book());
        ASSERT_TRUE(failure.IsInstalled());
        const PostingResult result = book.Doc().PostSalePurchase(SaleOf(book.Product("Rope"), 4, Day::Day(2)));
        EXPECT_FALSE(result.Saved);
        ASSERT_EQ(book.Book().Prompter().Shown().size(), 1);
        EXPECT_TRUE(book.Book().Prompter().Shown()[0].startsWith("Unable to execute command("));
        EXPECT_TRUE(book.Book().Prompter().Shown()[0].endsWith("; nothing was saved."));
        EXPECT_FALSE(book.Doc().PostStockAdjustment(book.Product("Rope"), CInventoryDoc::kAdjustment));
    }
    EXPECT_EQ(WholeBook(book.Book()), before);
    // The catalogue was reloaded: the counter and the stock are the file's again.
    EXPECT_EQ(book.Doc().Counters().TransID, 1);
    EXPECT_DOUBLE_EQ(book.Product("Rope").UnitsOnHand, 10);
    EXPECT_TRUE(book.Doc().PostSalePurchase(SaleOf(book.Product("Rope"), 4, Day::Day(2))).Saved);
    EXPECT_EQ(book.ItemRow("Rope"), "6|0|3|7");
}

// A small file system of its own, filled until only a little room is left.
class CFullDisk
{
public:
    CFullDisk()
    {
        if (geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=512k")) {
            return;
        }
        m_mounted = true;
    }
    ~CFullDisk()
    {
        if (m_mounted) {
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
        }
    }
    bool IsMounted() const { return m_mounted; }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void FillLeaving(qint64 bytes)
    {
        QFile filler(Path(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        filler.resize(std::max<qint64>(0, filler.size() - bytes));
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

TEST(WritePath, OnAFullDiskEverySaleReportedSavedIsStoredAndNoOtherIs)
{
    CFullDisk disk;
    if (BooksOnServer()) {
        GTEST_SKIP() << "a server book does not live on this file system";
    }
    if (!disk.IsMounted()) {
        GTEST_SKIP() << "a small file system cannot be mounted here (needs root)";
    }
    const QString path = disk.Path(QStringLiteral("Quillet.cdb"));
    int saved = 0;
    int failed = 0;
    {
        CDbConnection connection(path);
        CScriptedPrompter prompter;
        CInventoryDoc doc(connection, prompter);
        doc.SetDataFilePath(path);
        ASSERT_EQ(doc.LoadCatalogue([](const QString&) {}), CInventoryDoc::CatalogueLoad::Loaded);
        ASSERT_TRUE(Execute(connection, "INSERT INTO Item (ProductID, CategoryID, UnitsOnHand, AvgCost) values "
                                        "('Rope', 0, 0, 0)"));
        doc.LoadProducts();
        disk.FillLeaving(48 * 1024);
        for (int i = 0; i < 300 && failed < 5; ++i) {
            SalePurchasePosting sale = SaleOf(doc.Products()[0], 1, Day::Day(1).addSecs(i));
            sale.CompanyName = QString(400, QLatin1Char('c'));
            doc.PostSalePurchase(sale).Saved ? ++saved : ++failed;
        }
    }
    EXPECT_GT(saved, 0);
    ASSERT_GT(failed, 0) << "the disk never filled";
    CDbConnection reopened(path);
    CDbRecordset count(reopened);
    ASSERT_TRUE(count.Open("SELECT count(*), count(DISTINCT TransactionID), max(TransactionID) FROM Transaction",
                           CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(count.GetFieldValue(0).ToInt32(), saved);
    EXPECT_EQ(count.GetFieldValue(1).ToInt32(), saved);
    EXPECT_EQ(count.GetFieldValue(2).ToInt32(), saved - 1);
    CDbRecordset counter(reopened);
    ASSERT_TRUE(
        counter.Open("SELECT TransID FROM AutoNumber", CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(counter.GetFieldValue(0).ToInt32(), saved);
}

TEST(WritePath, ALockHeldLongerThanTheWaitFailsTheOperationCleanly)
{
    CBookScenario book;
    book.AddProduct("Rope");
    const QStringList before = WholeBook(book.Book());
    CDbConnection other(book.Book().Path());
    ASSERT_TRUE(other.BeginOperation());
    book.Book().Connection().SetBusyTimeout(300);

    ItemRecord rope = book.Product("Rope");
    rope.UnitsOnHand = 5;
    EXPECT_FALSE(book.Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment));
    EXPECT_EQ(book.Book().Prompter().Shown(),
              QStringList{"Unable to execute command(another program is writing the data file; try again); nothing "
                          "was saved."});
    EXPECT_EQ(book.Book().Connection().OperationDepth(), 0);

    // Released within the wait, the lock is taken and the operation goes through.
    book.Book().Connection().SetBusyTimeout(5000);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        other.RollbackOperation();
    });
    const bool posted = book.Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment);
    release.join();
    EXPECT_TRUE(posted);
    EXPECT_NE(WholeBook(book.Book()), before);
    EXPECT_EQ(book.ItemRow("Rope"), "5|0|0|7");
}

// A till's change waits for another program's long save instead of failing: quietly for a second,
// then saying so with a way to cancel; cancelled, it writes nothing.
TEST(WritePath, AChangeWaitsForAnotherProgramSavingSaysSoAfterASecondAndCanBeCancelled)
{
    CBookScenario book;
    book.AddProduct("Rope");
    const QStringList before = WholeBook(book.Book());
    CDbConnection other(book.Book().Path());
    ASSERT_TRUE(other.BeginOperation());
    ItemRecord rope = book.Product("Rope");
    rope.UnitsOnHand = 5;

    book.Book().Prompter().CancelProgressAt(2);
    EXPECT_FALSE(book.Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment));
    EXPECT_EQ(book.Book().Prompter().Shown(),
              QStringList{"Unable to execute command(waiting for another program to finish saving was cancelled); "
                          "nothing was saved."});
    const QStringList progress = book.Book().Prompter().Progress();
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.first(), "begin Waiting for another program to finish saving… of 0");
    EXPECT_EQ(progress.last(), "end");
    EXPECT_EQ(WholeBook(book.Book()), before);
    EXPECT_EQ(book.Book().Connection().OperationDepth(), 0);

    book.Book().Prompter().CancelProgressAt(0);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1600));
        other.RollbackOperation();
    });
    const bool posted = book.Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment);
    release.join();
    EXPECT_TRUE(posted);
    EXPECT_EQ(book.ItemRow("Rope"), "5|0|0|7");
    EXPECT_EQ(book.Book().Prompter().Shown().size(), 1);
}

// A program killed while it holds the write lock frees it: the waiting till goes on, and what the
// killed program had begun to write is not in the book.
TEST(WritePath, AProgramKilledHoldingTheLockFreesItAndItsWritesAreGone)
{
    CBookScenario book;
    book.AddProduct("Rope");
    const QString path = book.Book().Path();
    book.Book().Connection().Close();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        CDbConnection connection(path);
        const bool held =
            connection.BeginOperation() && Execute(connection, QStringLiteral("UPDATE Item SET UnitsOnHand = 999"));
        const char signal = held ? 'y' : 'n';
        [[maybe_unused]] const ssize_t written = write(ready[1], &signal, 1);
        std::this_thread::sleep_for(std::chrono::seconds(60));
        _exit(0);
    }
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    ASSERT_EQ(signal, 'y');
    std::thread kill9([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        kill(holder, SIGKILL);
    });
    ItemRecord rope = book.Product("Rope");
    rope.UnitsOnHand = 5;
    const bool posted = book.Doc().PostStockAdjustment(rope, CInventoryDoc::kAdjustment);
    kill9.join();
    waitpid(holder, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_TRUE(posted);
    EXPECT_EQ(book.ItemRow("Rope"), "5|0|0|7");
    EXPECT_TRUE(book.Book().Prompter().Shown().isEmpty());
}

// Two processes post 100 sales each to one book at the same time.
TEST(WritePath, TwoProgramsPostingAtOnceLoseNothing)
{
    CBookScenario book;
    book.AddProduct("Rope");
    book.AddProduct("Twine");
    book.Purchase(Day::Day(1), {{"Rope", 500, 2}, {"Twine", 500, 3}});
    const QString path = book.Book().Path();
    book.Book().Connection().Close();
    QTemporaryDir ids;

    std::vector<pid_t> children;
    for (int child = 0; child < 2; ++child) {
        const pid_t pid = fork();
        if (pid == 0) {
            CSecondProgram program(path);
            QFile out(ids.filePath(QString::number(child)));
            out.open(QIODevice::WriteOnly);
            int failures = 0;
            for (int i = 0; i < 100; ++i) {
                const int index = program.Doc().FindProduct(child == 0 ? "Rope" : "Twine", Qt::CaseSensitive);
                // Dates interleave, so each program's sales land between the other's.
                const QDateTime date = Day::Day(2).addSecs(i * 60 + child * 30 - (i % 3) * 100);
                const PostingResult result =
                    program.Doc().PostSalePurchase(SaleOf(program.Doc().Products()[index], 1 + i % 2, date));
                result.Saved ? out.write(QByteArray::number(result.TransactionID) + '\n') : ++failures;
            }
            out.close();
            _exit(failures);
        }
        ASSERT_GT(pid, 0);
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "sales that failed";
    }

    QSet<int> reported;
    for (int child = 0; child < 2; ++child) {
        QFile in(ids.filePath(QString::number(child)));
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        for (const QByteArray& line : in.readAll().split('\n')) {
            if (!line.isEmpty()) {
                reported.insert(line.toInt());
            }
        }
    }
    EXPECT_EQ(reported.size(), 200);
    EXPECT_EQ(book.Book().Rows("SELECT count(*), count(DISTINCT TransactionID) FROM Transaction WHERE TransType = 1"),
              QStringList{"200|200"});
    EXPECT_EQ(book.Book().Rows("SELECT count(*) FROM TransItem WHERE TransType = 1"), QStringList{"200"});
    for (const int id : reported) {
        ASSERT_EQ(book.Book().Rows(QStringLiteral("SELECT count(*) FROM TransItem WHERE TransactionID = %1").arg(id)),
                  QStringList{"1"});
    }
    EXPECT_EQ(book.Book().Rows("SELECT TransID FROM AutoNumber"), QStringList{"201"});
    book.Doc().ReloadCatalogue();
    ExpectHistoriesMatchAFullWalk(book, "after both programs");
}

TEST(WritePath, APostingSeesWhatAnotherProgramCommittedBeforeItDecides)
{
    CBookScenario book;
    book.AddProduct("Rope");
    book.AddProduct("Spare");
    book.Purchase(Day::Day(1), {{"Rope", 10, 3}});
    CSecondProgram other(book.Book().Path());

    // The other program takes identifiers; this one's copy of the counter is stale.
    const int32_t theirs =
        other.Doc().PostSalePurchase(SaleOf(other.Doc().Products()[0], 1, Day::Day(2))).TransactionID;
    const int32_t ours = book.Doc().PostSalePurchase(SaleOf(book.Product("Rope"), 1, Day::Day(3))).TransactionID;
    EXPECT_EQ(theirs, 1);
    EXPECT_EQ(ours, 2);
    EXPECT_DOUBLE_EQ(book.Product("Rope").UnitsOnHand, 8);

    // A product the other program deleted gets no movements.
    ASSERT_TRUE(Execute(other.Connection(), "delete from Item where ProductID = 'Spare'"));
    EXPECT_FALSE(book.Doc().PostSalePurchase(SaleOf(book.Product("Spare"), 1, Day::Day(4))).Saved);
    EXPECT_EQ(book.Book().Prompter().Shown(),
              QStringList{"The product \"Spare\" is no longer in the list; the transaction was not saved."});
    EXPECT_EQ(book.Book().Rows("SELECT count(*) FROM TransItem WHERE ProductID = 'Spare'"), QStringList{"0"});
    EXPECT_EQ(book.Doc().FindProduct("Spare", Qt::CaseSensitive), -1);
}

TEST(WritePath, AResetByAnotherProgramIsSeenByTheNextPosting)
{
    CBookScenario book;
    book.AddProduct("Rope");
    book.Purchase(Day::Day(1), {{"Rope", 10, 3}});
    book.Purchase(Day::Day(2), {{"Rope", 10, 3}});
    CSecondProgram other(book.Book().Path());
    ASSERT_TRUE(other.Doc().RunSchemaScripts(false));

    EXPECT_FALSE(book.Doc().PostSalePurchase(SaleOf(book.Product("Rope"), 1, Day::Day(3))).Saved);
    EXPECT_EQ(book.Book().Rows("SELECT count(*) FROM TransItem"), QStringList{"0"});
    EXPECT_EQ(book.Book().Rows("SELECT TransID FROM AutoNumber"), QStringList{"0"});
    EXPECT_TRUE(book.Doc().Products().isEmpty());
    EXPECT_EQ(book.Doc().Counters().TransID, 0);
}

TEST(WritePath, ReplacingATransactionReadsTheRowsAsStoredNow)
{
    CBookScenario book;
    book.AddProduct("Rope");
    book.AddProduct("Twine");
    book.Purchase(Day::Day(1), {{"Rope", 10, 3}, {"Twine", 10, 2}});
    const int32_t sale = book.Sale(Day::Day(5), {{"Rope", 2, 5}});
    // The form was filled from the sale as it was; meanwhile another program moved it to Twine.
    CStoredTransaction asOpened(book.Doc());
    asOpened.Load(sale);
    CSecondProgram other(book.Book().Path());
    ASSERT_TRUE(Execute(other.Connection(), "UPDATE TransItem SET ProductID = 'Twine' WHERE TransType = 1"));
    ASSERT_TRUE(other.Doc().RecomputeProductHistory("Twine", -1, Day::Day(1)));
    ASSERT_TRUE(other.Doc().RecomputeProductHistory("Rope", -1, Day::Day(1)));

    SalePurchasePosting edit = SaleOf(book.Product("Rope"), 1, Day::Day(5));
    edit.TransactionID = sale;
    edit.PreviousLines = asOpened.Lines();
    ASSERT_TRUE(book.Doc().PostSalePurchase(edit).Saved);
    // Twine's history lost the stored row, so its stock is whole again.
    EXPECT_EQ(book.ItemRow("Twine"), "10|0|2|7");
    EXPECT_EQ(book.ItemRow("Rope"), "9|0|3|7");
}

} // namespace
