#include "CWholeFileCommands.h"
#include "CDbRecordset.h"
#include "CDbTransaction.h"
#include "CGeneratedBook.h"
#include "CSecondProgram.h"
#include "CTestBook.h"
#include "DataFileCopy.h"
#include "TestBooks.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

using Outcome = CWholeFileCommands::Outcome;

QByteArray FileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray("<missing>");
    }
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Another connection keeps adding a category and a customer in one transaction each, so every
// consistent state holds as many new categories as customers.
class CPairedWrites
{
public:
    explicit CPairedWrites(const QString& path)
        : m_thread([this, path] {
              CDbConnection connection(path);
              for (int id = 100; !m_stop; ++id) {
                  CDbTransaction transaction(connection);
                  Execute(connection,
                          QStringLiteral("INSERT INTO Categories(CategoryID,CategoryName) Values(%1,'W')").arg(id));
                  Execute(connection,
                          QStringLiteral("INSERT INTO Customer (PayeeID, CompanyName) values (%1, 'W')").arg(id));
                  transaction.Commit();
                  ++m_written;
              }
          })
    {}
    ~CPairedWrites() { Stop(); }
    CPairedWrites(const CPairedWrites&) = delete;
    CPairedWrites& operator=(const CPairedWrites&) = delete;

    void WaitFor(int pairs) const
    {
        while (m_written < pairs) {
            std::this_thread::yield();
        }
    }
    // The pairs written until now.
    int Stop()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_written;
    }

private:
    std::atomic<bool> m_stop = false;
    std::atomic<int> m_written = 0;
    std::thread m_thread;
};

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Adds categories 2..7, two customers and five transactions (TransID counter at 5).
void FillBook(CTestBook& book)
{
    for (int id = 2; id <= 7; ++id) {
        ASSERT_TRUE(
            book.Exec(QStringLiteral("INSERT INTO Categories(CategoryID,CategoryName) Values(%1,'C%1')").arg(id)));
    }
    ASSERT_TRUE(book.Exec("INSERT INTO Customer (PayeeID, CompanyName) values (1, 'Acme')"));
    ASSERT_TRUE(book.Exec("INSERT INTO Customer (PayeeID, CompanyName) values (2, 'O''Brien')"));
    for (int i = 0; i < 5; ++i) {
        const int id = book.Doc().TakeNextTransactionId();
        ASSERT_TRUE(
            book.Exec(QStringLiteral("INSERT INTO [Transaction] (TransactionID, TransType) values (%1, 1)").arg(id)));
    }
    book.Doc().ReloadCatalogue();
}

TEST(WholeFileCommands, ResetAsksThenRebuildsAfterLettingGoOfTheFile)
{
    CTestBook book;
    FillBook(book);
    int released = 0;
    CWholeFileCommands commands(book.Doc(), [&] { ++released; });

    book.Prompter().AnswerNo();
    EXPECT_EQ(commands.ResetDatabase(), Outcome::Cancelled);
    EXPECT_EQ(released, 0);
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Customer"), QStringList{"2"});

    book.Prompter().AnswerYes();
    EXPECT_EQ(commands.ResetDatabase(), Outcome::Done);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"? Reset database will erase all records,continue?",
                           "? Reset database will erase all records,continue?", "The new database has been created"}));
    // Enter must not wipe the book: the question warns, and its default is No.
    EXPECT_EQ(book.Prompter().QuestionIcons(), QList<CPrompter::Icon>(2, CPrompter::Icon::Warning));
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Customer"), QStringList{"0"});
    EXPECT_EQ(book.Rows("SELECT * FROM AutoNumber"), QStringList{"110|0|0|0|0|0"});
    EXPECT_EQ(book.Rows("SELECT * FROM Version"), QStringList{"1|1|[#Empty#]"});
    EXPECT_EQ(book.Doc().Categories().size(), 2);
    EXPECT_TRUE(book.Doc().Customers().isEmpty());
}

TEST(WholeFileCommands, BackupCopiesTheBookAndReplacesAnOldBackup)
{
    CTestBook book;
    FillBook(book);
    const QString target = book.FolderPath("quillet.bak");
    ASSERT_TRUE(WriteFile(target, "an older backup"));
    CWholeFileCommands commands(book.Doc());

    EXPECT_EQ(commands.BackupDatabase(), Outcome::Cancelled);
    book.Prompter().AnswerFile(target);
    EXPECT_EQ(commands.BackupDatabase(), Outcome::Done);
    EXPECT_EQ(book.Prompter().Shown(), QStringList{"The database has been backuped!"});

    ASSERT_EQ(book.Prompter().FileChoices().size(), 2);
    const CFileChoice& choice = book.Prompter().FileChoices()[0];
    EXPECT_TRUE(choice.suggestedName.endsWith("/quillet"));
    EXPECT_EQ(choice.defaultExtension, "bak");
    EXPECT_EQ(choice.filter, "Backup Files (*.bak)");
    EXPECT_TRUE(choice.confirmOverwrite);

    EXPECT_TRUE(IsQuilletDataFile(target));
    // One self-contained file: nothing beside it, and the book's rows are all in it.
    EXPECT_FALSE(QFile::exists(target + "-wal"));
    CDbConnection copy(target);
    CDbRecordset customers(copy);
    ASSERT_TRUE(customers.Open("SELECT CompanyName FROM Customer order by PayeeID", CDbRecordset::kOpenStatic,
                               CDbRecordset::kLockReadOnly));
    long count = 0;
    customers.GetRecordCount(count);
    EXPECT_EQ(count, 2);
    customers.MoveLast();
    EXPECT_EQ(customers.GetFieldText(0), "O'Brien");
}

TEST(WholeFileCommands, BackupToAnUnwritablePlaceFailsAndLeavesTheBook)
{
    CTestBook book;
    book.Prompter().AnswerFile(book.FolderPath("no/such/folder/quillet.bak"));
    EXPECT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Failed);
    EXPECT_EQ(book.Prompter().Shown(), QStringList{"The database backup has been failed !!"});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Categories"), QStringList{"2"});
}

TEST(WholeFileCommands, BackupTakenDuringWritesIsConsistent)
{
    CTestBook book;
    const QString path = book.Path();
    CPairedWrites writer(path);
    writer.WaitFor(20);
    QStringList backups;
    for (int i = 0; i < 5; ++i) {
        backups << book.FolderPath(QStringLiteral("during%1.bak").arg(i));
        book.Prompter().AnswerFile(backups.last());
        EXPECT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);
    }
    writer.Stop();

    for (const QString& backup : backups) {
        ASSERT_TRUE(IsQuilletDataFile(backup));
        CDbConnection copy(backup);
        CDbRecordset counts(copy);
        ASSERT_TRUE(counts.Open("SELECT (SELECT count(*) FROM Categories) - 2, (SELECT count(*) FROM Customer)",
                                CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
        EXPECT_EQ(counts.GetFieldText(0), counts.GetFieldText(1)) << backup.toStdString();
        EXPECT_GE(counts.GetFieldText(1).toInt(), 20);
    }

    book.Prompter().AnswerFile(backups.last());
    book.Prompter().AnswerYes();
    EXPECT_EQ(CWholeFileCommands(book.Doc()).RestoreDatabase(), Outcome::Done);
    EXPECT_EQ(book.Doc().Categories().size() - 2, book.Doc().Customers().size());
}

// A large file goes over in slices between beats, so that the window keeps painting; the slices
// are still one state of the book while another program commits meanwhile.
TEST(WholeFileCommands, ABackupInSlicesBeatsAndIsOneStateOfTheBook)
{
    if (BooksOnServer()) {
        GTEST_SKIP() << "the book is written straight into a file";
    }
    CTestBook book;
    ASSERT_TRUE(CGeneratedBook::Write(book.Doc(), 100000, QDate(2024, 1, 1), QDate(2025, 12, 31), 100,
                                      CGeneratedBook::Derive::No));
    const QString path = book.Path();
    book.Connection().Close();
    CPairedWrites writer(path);
    writer.WaitFor(5);
    const QString backup = book.FolderPath("large.bak");
    QElapsedTimer clock;
    clock.start();
    qint64 longestGap = 0;
    qint64 lastBeat = 0;
    int beats = 0;
    const bool copied = CopyDatabaseFile(path, backup, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastBeat);
        lastBeat = clock.elapsed();
        ++beats;
    });
    const qint64 took = clock.elapsed();
    const int writtenDuring = writer.Stop();

    ASSERT_TRUE(copied);
    EXPECT_GE(beats, took / 100) << took << " ms";
    EXPECT_LE(std::max(longestGap, took - lastBeat), 200) << took << " ms";
    CDbConnection copy(backup);
    CDbRecordset counts(copy);
    ASSERT_TRUE(counts.Open("SELECT (SELECT count(*) FROM Categories) - 2, (SELECT count(*) FROM Customer), "
                            "(SELECT count(*) FROM TransItem)",
                            CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly));
    EXPECT_EQ(counts.GetFieldText(0), counts.GetFieldText(1));
    EXPECT_LE(counts.GetFieldText(1).toInt(), writtenDuring);
    EXPECT_EQ(counts.GetFieldText(2), "100000");
}

class RestoreRefusal : public testing::TestWithParam<int>
{};

// 0 a text file, 1 another program's SQLite file, 2 a data file missing a column, 3 no file at all.
QString MakeRefusedFile(CTestBook& book, int kind)
{
    const QString path = book.FolderPath("refused.bak");
    if (kind == 0) {
        WriteFile(path, "PayeeID,CompanyName\n1,Acme\n");
    } else if (kind == 1 || kind == 2) {
        CDbConnection other;
        CDbRecordset creator(other);
        creator.OpenWithoutFile(QStringLiteral("CREATE DATABASE '%1'").arg(path));
        other.Open(path);
        if (kind == 1) {
            Execute(other, "CREATE TABLE Notes (Body TEXT)");
        } else {
            CTestBook source;
            other.Close();
            BackUpBook(source.Connection(), path);
            other.Open(path);
            Execute(other, "ALTER TABLE Item DROP COLUMN TypeID");
        }
    }
    return path;
}

TEST_P(RestoreRefusal, LeavesTheBookUntouchedAndAsksNothing)
{
    CTestBook book;
    FillBook(book);
    const QString refused = MakeRefusedFile(book, GetParam());
    book.Connection().Close();
    const QByteArray before = FileHash(book.Path());
    int released = 0;

    book.Prompter().AnswerFile(refused);
    book.Prompter().AnswerYes();
    EXPECT_EQ(CWholeFileCommands(book.Doc(), [&] { ++released; }).RestoreDatabase(), Outcome::Refused);

    ASSERT_EQ(book.Prompter().Shown().size(), 1);
    const bool missing = GetParam() == 3;
    EXPECT_TRUE(book.Prompter().Shown()[0].endsWith(missing ? "cannot be read. The database has not been changed."
                                                            : "is not a Quillet database backup. The database has not "
                                                              "been changed."))
        << book.Prompter().Shown()[0].toStdString();
    EXPECT_EQ(released, 0);
    EXPECT_EQ(FileHash(book.Path()), before);
    EXPECT_EQ(book.Doc().Categories().size(), 8);
    EXPECT_EQ(book.Doc().Counters().TransID, 5);
}

std::string RefusedKindName(const testing::TestParamInfo<int>& info)
{
    static const char* const names[] = {"TextFile", "ForeignSqliteFile", "MissingColumn", "NoFile"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Kinds, RestoreRefusal, testing::Values(0, 1, 2, 3), RefusedKindName);

TEST(WholeFileCommands, RestoreAnsweredNoChangesNothing)
{
    CTestBook book;
    FillBook(book);
    const QString backup = book.FolderPath("quillet.bak");
    book.Prompter().AnswerFile(backup);
    ASSERT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);
    ASSERT_TRUE(book.Exec("delete from Customer"));

    book.Prompter().Clear();
    book.Prompter().AnswerFile(backup);
    book.Prompter().AnswerNo();
    EXPECT_EQ(CWholeFileCommands(book.Doc()).RestoreDatabase(), Outcome::Cancelled);
    EXPECT_EQ(book.Prompter().Shown(),
              QStringList{"? Are you sure to restore the database backup over the current database?"});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Customer"), QStringList{"0"});
}

TEST(WholeFileCommands, RestoreReloadsSoNewIdentifiersFollowTheRestoredOnes)
{
    CTestBook book;
    FillBook(book);
    const QString backup = book.FolderPath("quillet.bak");
    book.Prompter().AnswerFile(backup);
    ASSERT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);
    book.Prompter().AnswerYes();
    ASSERT_EQ(CWholeFileCommands(book.Doc()).ResetDatabase(), Outcome::Done);
    ASSERT_EQ(book.Doc().Counters().TransID, 0);

    const QFileDevice::Permissions permissions = QFile::permissions(book.Path());
    book.Prompter().Clear();
    book.Prompter().AnswerFile(backup);
    book.Prompter().AnswerYes();
    int released = 0;
    EXPECT_EQ(CWholeFileCommands(book.Doc(), [&] { ++released; }).RestoreDatabase(), Outcome::Done);
    EXPECT_EQ(released, 1);
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"? Are you sure to restore the database backup over the current database?",
                           "The database has been restored!"}));
    EXPECT_EQ(QFile::permissions(book.Path()), permissions);

    // Every list and the counters come from the restored file.
    const CInventoryDoc& doc = book.Doc();
    EXPECT_EQ(doc.Categories().size(), 8);
    EXPECT_EQ(doc.Customers().size(), 2);
    EXPECT_EQ(doc.Counters().TransID, 5);

    int nextCategory = 0;
    for (const CategoryRecord& category : doc.Categories()) {
        nextCategory = std::max(nextCategory, category.CategoryID + 1);
    }
    EXPECT_EQ(nextCategory, 8);
    ASSERT_TRUE(book.Exec(
        QStringLiteral("INSERT INTO Categories(CategoryID,CategoryName) Values(%1,'New')").arg(nextCategory)));
    ASSERT_TRUE(
        book.Exec(QStringLiteral("INSERT INTO Item (ProductID, CategoryID) values ('Bolt', %1)").arg(nextCategory)));
    const int sale = book.Doc().TakeNextTransactionId();
    EXPECT_EQ(sale, 5);
    ASSERT_TRUE(
        book.Exec(QStringLiteral("INSERT INTO [Transaction] (TransactionID, TransType) values (%1, 1)").arg(sale)));

    EXPECT_EQ(book.Rows("SELECT CategoryID FROM Categories GROUP BY CategoryID HAVING count(*) > 1"), QStringList{});
    EXPECT_EQ(book.Rows("SELECT TransactionID FROM [Transaction] GROUP BY TransactionID HAVING count(*) > 1"),
              QStringList{});
    EXPECT_EQ(book.Rows("SELECT * FROM AutoNumber"), QStringList{"110|6|0|0|0|0"});
    ASSERT_TRUE(book.Doc().LoadProducts());
    EXPECT_EQ(book.Doc().Products().size(), 1);
}

TEST(WholeFileCommands, RestoreOverABookWithALeftoverLogReplacesEverything)
{
    if (BooksOnServer()) {
        GTEST_SKIP() << "a server book has no log file";
    }
    CTestBook book;
    const QString backup = book.FolderPath("quillet.bak");
    book.Prompter().AnswerFile(backup);
    ASSERT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);

    // A log left behind by a crash: frames of the old file that were never checkpointed.
    QByteArray staleLog;
    {
        CDbConnection writer(book.Path());
        ASSERT_TRUE(Execute(writer, "PRAGMA wal_autocheckpoint=0"));
        ASSERT_TRUE(Execute(writer, "INSERT INTO Categories(CategoryID,CategoryName) Values(50,'Stale')"));
        QFile log(book.Path() + "-wal");
        ASSERT_TRUE(log.open(QIODevice::ReadOnly));
        staleLog = log.readAll();
    }
    ASSERT_FALSE(staleLog.isEmpty());
    book.Connection().Close();
    ASSERT_TRUE(WriteFile(book.Path() + "-wal", staleLog));

    book.Prompter().AnswerFile(backup);
    book.Prompter().AnswerYes();
    EXPECT_EQ(CWholeFileCommands(book.Doc()).RestoreDatabase(), Outcome::Done);
    EXPECT_EQ(book.Rows("SELECT CategoryID FROM Categories order by CategoryID"), (QStringList{"0", "1"}));
    book.Connection().Close();
    EXPECT_TRUE(IsQuilletDataFile(book.Path()));
}

TEST(WholeFileCommands, ARestoreReachesAnotherProgramWithTheBookOpen)
{
    CTestBook book;
    FillBook(book);
    const QString backup = book.FolderPath("quillet.bak");
    book.Prompter().AnswerFile(backup);
    ASSERT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);
    ASSERT_TRUE(book.Exec("delete from Categories where CategoryID > 1"));
    CSecondProgram other(book.Path());
    ASSERT_EQ(other.Doc().Categories().size(), 2);

    book.Prompter().AnswerFile(backup);
    book.Prompter().AnswerYes();
    ASSERT_EQ(CWholeFileCommands(book.Doc()).RestoreDatabase(), Outcome::Done);
    // The other program's file is the restored book, not a replaced one it still writes to.
    EXPECT_TRUE(other.Doc().ReloadIfChangedElsewhere());
    EXPECT_EQ(other.Doc().Categories().size(), 8);
    EXPECT_EQ(other.Doc().Counters().TransID, 5);
    ASSERT_TRUE(Execute(other.Connection(), "INSERT INTO Customer (PayeeID, CompanyName) values (3, 'Later')"));
    EXPECT_EQ(book.Rows("SELECT CompanyName FROM Customer order by PayeeID"),
              (QStringList{"Acme", "O'Brien", "Later"}));
}

TEST(WholeFileCommands, ABackupOfABookWithoutItsVersionTableIsRestored)
{
    CTestBook book;
    FillBook(book);
    ASSERT_TRUE(book.Exec("DROP TABLE [Version]"));
    const QString backup = book.FolderPath("quillet.bak");
    book.Prompter().AnswerFile(backup);
    ASSERT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);
    EXPECT_TRUE(IsQuilletDataFile(backup));

    CTestBook other;
    other.Prompter().AnswerFile(backup);
    other.Prompter().AnswerYes();
    EXPECT_EQ(CWholeFileCommands(other.Doc()).RestoreDatabase(), Outcome::Done);
    EXPECT_EQ(other.Doc().Categories().size(), 8);
    EXPECT_EQ(other.Rows(BooksOnServer() ? "SELECT count(*) FROM pg_tables WHERE schemaname = current_schema() AND "
                                           "tablename = 'Version'"
                                         : "SELECT count(*) FROM sqlite_master WHERE name = 'Version'"),
              QStringList{"0"});
}

TEST(WholeFileCommands, BackupRefusesTheBookItsJournalsAndWhatIsNoFile)
{
    CTestBook book;
    FillBook(book);
    book.Connection().Close();
    const QByteArray before = FileHash(book.Path());
    QStringList targets = {book.FolderPath(".")};
    if (!BooksOnServer()) {
        targets << book.Path() << book.Path() + "-wal" << book.Path() + "-shm";
        ASSERT_TRUE(QFile::link(book.Path() + "-wal", book.FolderPath("link-to-wal.bak")));
        targets << book.FolderPath("link-to-wal.bak");
    }
    if (QFileInfo(QStringLiteral("/dev/null")).exists()) {
        targets << QStringLiteral("/dev/null");
    }
    for (const QString& target : targets) {
        book.Prompter().Clear();
        book.Prompter().AnswerFile(target);
        EXPECT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Refused) << target.toStdString();
        ASSERT_EQ(book.Prompter().Shown().size(), 1);
        EXPECT_TRUE(book.Prompter().Shown()[0].contains("choose")) << book.Prompter().Shown()[0].toStdString();
    }
    EXPECT_EQ(FileHash(book.Path()), before);
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());
}

TEST(WholeFileCommands, BackupThroughASymbolicLinkWritesTheFileItPointsTo)
{
    CTestBook book;
    FillBook(book);
    const QString real = book.FolderPath("real.bak");
    const QString link = book.FolderPath("latest.bak");
    ASSERT_TRUE(WriteFile(real, "old"));
    ASSERT_TRUE(QFile::link(real, link));
    book.Prompter().AnswerFile(link);
    ASSERT_EQ(CWholeFileCommands(book.Doc()).BackupDatabase(), Outcome::Done);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(IsQuilletDataFile(real));
}

TEST(WholeFileCommands, HelpOpensTheShippedPageAtItsMainContents)
{
    const QUrl help = CWholeFileCommands::HelpUrl();
    ASSERT_TRUE(help.isLocalFile());
    EXPECT_EQ(help.fragment(), "Main_Contents");
    QFile page(help.toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.readAll().contains("id=\"Main_Contents\""));
}

} // namespace
