// What only a book on a server can meet: its connection lost in the middle of an operation, or
// between two; a server configured to read backslashes in quoted text as escapes.

#include "CBookScenario.h"
#include "CDbConnection.h"
#include "CDroppingProxy.h"
#include "SqlText.h"
#include "TestBooks.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

using Day = CBookScenario;

QStringList WholeBook(CTestBook& book)
{
    QStringList dump;
    for (const char* table : {"AutoNumber", "Item", "Transaction", "TransItem"}) {
        dump << book.Rows(QStringLiteral("SELECT * FROM [%1] order by 1, 2").arg(QLatin1String(table)));
    }
    return dump;
}

// The server ends the session of whoever writes the fourth TransItem row from now on.
const char* const kDropTheFourthWriter = R"(
CREATE SEQUENCE test_writes;
CREATE FUNCTION test_drop_writer() RETURNS trigger LANGUAGE plpgsql AS $$
BEGIN
    IF nextval('test_writes') = 4 THEN
        PERFORM pg_terminate_backend(pg_backend_pid());
    END IF;
    RETURN NULL;
END $$;
CREATE TRIGGER test_drop_writer AFTER INSERT OR UPDATE ON "TransItem" FOR EACH ROW
    EXECUTE FUNCTION test_drop_writer())";

// Holds Categories locked from a session of its own while it lives, and ends the connection of the
// first other program that waits for them (the lists are read again after every posting, and only
// they read Categories). Nothing else of an operation waits there.
class CEndWaitingReader
{
public:
    explicit CEndWaitingReader(const QString& location)
    {
        std::promise<bool> locked;
        std::future<bool> ready = locked.get_future();
        m_thread = std::thread([this, location, promise = std::move(locked)]() mutable {
            PGconn* conn = PQconnectdb(location.toUtf8().constData());
            const auto run = [&](const char* sql) {
                PGresult* result = PQexec(conn, sql);
                const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK ||
                                (PQresultStatus(result) == PGRES_TUPLES_OK && PQntuples(result) > 0);
                PQclear(result);
                return ok;
            };
            promise.set_value(PQstatus(conn) == CONNECTION_OK && run("BEGIN") &&
                              run("LOCK TABLE \"Categories\" IN ACCESS EXCLUSIVE MODE"));
            for (int i = 0; i < 500 && !m_stop; ++i) {
                if (run("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE wait_event_type = 'Lock' "
                        "AND datname = current_database() AND pid <> pg_backend_pid()")) {
                    m_ended = true;
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            run("ROLLBACK");
            PQfinish(conn);
        });
        m_locked = ready.get();
    }
    ~CEndWaitingReader()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    bool Locked() const { return m_locked; }
    // Waits for the end of the session; true when it ended a waiting program's connection.
    bool EndedOne()
    {
        m_thread.join();
        return m_ended;
    }

private:
    std::thread m_thread;
    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_ended = false;
    bool m_locked = false;
};

class ServerBook : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!BooksOnServer()) {
            GTEST_SKIP() << "for a book on a server";
        }
        m_book.AddProduct("Gear");
        m_book.AddProduct("Belt");
        m_book.Purchase(Day::Day(1), {{"Gear", 10, 4}, {"Belt", 5, 2}});
        m_book.Sale(Day::Day(4), {{"Gear", 5, 9}, {"Belt", 1, 3}});
    }

    CBookScenario m_book;
};

TEST_F(ServerBook, AConnectionLostInTheMiddleOfAPostingFailsItAndLeavesTheBookAsBefore)
{
    const QStringList before = WholeBook(m_book.Book());
    ASSERT_TRUE(RunOnServer(m_book.Book().Path(), kDropTheFourthWriter));

    // A back-dated purchase replays both histories; the server drops the connection half-way.
    m_book.Purchase(Day::Day(2), {{"Gear", 10, 8}, {"Belt", 5, 1}});
    // The steps after the loss fail with their messages; the last says that nothing was saved.
    ASSERT_FALSE(m_book.Book().Prompter().Shown().isEmpty());
    const QString last = m_book.Book().Prompter().Shown().last();
    EXPECT_TRUE(last.startsWith("Unable to execute command(the connection to the server was lost: "))
        << last.toStdString();
    EXPECT_TRUE(last.endsWith("; nothing was saved."));
    EXPECT_EQ(WholeBook(m_book.Book()), before);

    // The next operation connects again and goes through.
    ASSERT_TRUE(RunOnServer(m_book.Book().Path(), "DROP TRIGGER test_drop_writer ON \"TransItem\""));
    m_book.Purchase(Day::Day(2), {{"Gear", 10, 8}});
    EXPECT_EQ(m_book.ItemRow("Gear"), "15|8|6|7");
}

TEST_F(ServerBook, AConnectionEndedBetweenOperationsIsOpenedAgain)
{
    ASSERT_TRUE(RunOnServer(m_book.Book().Path(), "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                                                  "datname = current_database() AND pid <> pg_backend_pid()"));
    m_book.Sale(Day::Day(5), {{"Gear", 1, 9}});
    EXPECT_TRUE(m_book.Book().Prompter().Shown().isEmpty());
    EXPECT_EQ(m_book.ItemRow("Gear"), "4|0|4|7");
}

TEST_F(ServerBook, AConnectionLostBetweenTheCommitAndTheRefreshOfTheListsIsOpenedAgain)
{
    CEndWaitingReader ender(m_book.Book().Path());
    ASSERT_TRUE(ender.Locked());
    m_book.Sale(Day::Day(5), {{"Gear", 1, 9}});
    EXPECT_TRUE(ender.EndedOne());

    EXPECT_TRUE(m_book.Book().Prompter().Shown().isEmpty())
        << m_book.Book().Prompter().Shown().join("\n").toStdString();
    EXPECT_EQ(m_book.ItemRow("Gear"), "4|0|4|7");
    EXPECT_EQ(m_book.Product("Gear").UnitsOnHand, 4);
}

TEST_F(ServerBook, ASaleWhoseCommitGotNoAnswerIsReportedAsTheServerHasIt)
{
    const QString path = m_book.Book().Path();
    CDroppingProxy proxy(path);
    ASSERT_NE(proxy.Port(), 0);
    m_book.Book().Connection().Open(proxy.Through(path));
    const auto transactions = [&] { return m_book.Book().Rows("SELECT TransactionID FROM [Transaction] order by 1"); };
    const QStringList before = transactions();

    // The server committed and its answer was lost: the sale is saved, with its id, once.
    proxy.DropNext(CDroppingProxy::Drop::CommitReply);
    const int32_t saved = m_book.Sale(Day::Day(5), {{"Gear", 1, 9}});
    EXPECT_TRUE(proxy.Dropped());
    EXPECT_TRUE(m_book.Book().Prompter().Shown().isEmpty())
        << m_book.Book().Prompter().Shown().join("\n").toStdString();
    EXPECT_EQ(transactions(), before + QStringList{QString::number(saved)});
    EXPECT_EQ(m_book.ItemRow("Gear"), "4|0|4|7");
    EXPECT_EQ(m_book.Product("Gear").UnitsOnHand, 4);

    // The COMMIT never arrived: the server rolled back, and that is what is said.
    proxy.DropNext(CDroppingProxy::Drop::Commit);
    m_book.Sale(Day::Day(6), {{"Gear", 1, 9}});
    ASSERT_EQ(m_book.Book().Prompter().Shown().size(), 1);
    EXPECT_TRUE(m_book.Book().Prompter().Shown().last().endsWith("; nothing was saved."));
    EXPECT_EQ(transactions(), before + QStringList{QString::number(saved)});
    EXPECT_EQ(m_book.ItemRow("Gear"), "4|0|4|7");

    // Committed, and the server cannot be asked afterwards: the outcome is not known, and said so.
    proxy.DropNext(CDroppingProxy::Drop::CommitReplyAndServer);
    m_book.Sale(Day::Day(7), {{"Gear", 1, 9}});
    proxy.ServeAgain();
    const QStringList shown = m_book.Book().Prompter().Shown().mid(1);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown[0].contains("it is not known whether it was saved")) << shown[0].toStdString();
    EXPECT_FALSE(shown.join('\n').contains("nothing was saved")) << shown.join('\n').toStdString();
    EXPECT_EQ(transactions().size(), before.size() + 2);
}

TEST(ServerDatabase, QuotedTextStaysTextWhenTheServerTakesBackslashesAsEscapes)
{
    if (!BooksOnServer()) {
        GTEST_SKIP() << "for a book on a server";
    }
    CTestBook book;
    ASSERT_TRUE(RunOnServer(book.Path(), "DO $$ BEGIN EXECUTE format('ALTER DATABASE %I SET "
                                         "standard_conforming_strings = off', current_database()); END $$"));
    book.Connection().Close();
    const QString name = QStringLiteral("Tools\\'); DELETE FROM Categories; --");
    ASSERT_TRUE(book.Exec(
        QStringLiteral("INSERT INTO Categories(CategoryID,CategoryName) Values(9,'%1')").arg(QuoteSqlText(name))));
    EXPECT_EQ(book.Rows("SELECT CategoryName FROM Categories WHERE CategoryID = 9"), QStringList{name});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM Categories"), QStringList{"3"});
}

TEST(ServerDatabase, ADatabaseWithOtherTablesIsNoBookAndIsNotTouched)
{
    if (!BooksOnServer()) {
        GTEST_SKIP() << "for a book on a server";
    }
    CTestBook book(CTestBook::Start::NoFile);
    ASSERT_TRUE(CDbConnection().CreateDatabase(book.Path()));
    ASSERT_TRUE(RunOnServer(book.Path(), "CREATE TABLE notes (body text); INSERT INTO notes VALUES ('keep me')"));

    // Said once, rather than as every list failing after it.
    QStringList status;
    EXPECT_EQ(book.Doc().LoadCatalogue([&](const QString& text) { status << text; }),
              CInventoryDoc::CatalogueLoad::Unusable);
    EXPECT_TRUE(status.isEmpty());
    EXPECT_EQ(book.Prompter().Shown(),
              QStringList{QStringLiteral("Unable to open the book at %1: the database holds other tables than a book's")
                              .arg(book.Path())});
    EXPECT_EQ(book.Rows("SELECT * FROM notes"), QStringList{"keep me"});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()"), QStringList{"2"});
}

} // namespace
