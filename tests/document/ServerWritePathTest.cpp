// What only a book on a server can meet: its connection lost in the middle of an operation, or
// between two; a server configured to read backslashes in quoted text as escapes.

#include "CBookScenario.h"
#include "CDbConnection.h"
#include "SqlText.h"
#include "TestBooks.h"

#include <gtest/gtest.h>

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

    QStringList status;
    EXPECT_EQ(book.Doc().LoadCatalogue([&](const QString& text) { status << text; }),
              CInventoryDoc::CatalogueLoad::LoadedWithErrors);
    EXPECT_FALSE(status.contains("Install new database ...."));
    EXPECT_EQ(book.Prompter().Shown(),
              (QStringList{"Unable to execute command(Category)", "Unable to execute command(Item)",
                           "Unable to execute command(Tax)", "Unable to execute command(Vendor)",
                           "Unable to execute command(Customer)", "Unable to execute command"}));
    EXPECT_EQ(book.Rows("SELECT * FROM notes"), QStringList{"keep me"});
    EXPECT_EQ(book.Rows("SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()"), QStringList{"2"});
}

} // namespace
