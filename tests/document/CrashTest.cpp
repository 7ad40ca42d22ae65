// A posting is one store transaction: a process that dies in the middle of it leaves the book as
// it was before the posting.

#include "CBookScenario.h"
#include "CDbConnection.h"
#include "TestBooks.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList WholeBook(CTestBook& book)
{
    QStringList dump;
    for (const char* table : {"AutoNumber", "Item", "Transaction", "TransItem"}) {
        dump << book.Rows(QStringLiteral("SELECT * FROM [%1] order by 1, 2").arg(QLatin1String(table)));
    }
    return dump;
}

enum class Death
{
    Exit,
    Kill
};

int g_updatesBeforeDeath = 0;
Death g_death = Death::Exit;

void DieAfterSomeRowWrites(void*, int, const char*, const char* table, sqlite3_int64)
{
    if (QByteArray(table) == "TransItem" && --g_updatesBeforeDeath == 0) {
        if (g_death == Death::Kill) {
            raise(SIGKILL);
        }
        _exit(0);
    }
}

class CrashDuringPosting : public testing::TestWithParam<Death>
{};

TEST_P(CrashDuringPosting, LeavesTheBookAsBefore)
{
    if (BooksOnServer()) {
        GTEST_SKIP() << "the server's own test loses the connection instead (ServerWritePathTest)";
    }
    CBookScenario scenario;
    scenario.AddProduct("Gear");
    scenario.AddProduct("Belt");
    scenario.Purchase(CBookScenario::Day(1), {{"Gear", 10, 4}, {"Belt", 5, 2}});
    scenario.Purchase(CBookScenario::Day(3), {{"Gear", 10, 6}});
    scenario.Sale(CBookScenario::Day(4), {{"Gear", 5, 9}, {"Belt", 1, 3}});
    const QStringList before = WholeBook(scenario.Book());
    scenario.Book().Connection().Close();

    const pid_t child = fork();
    if (child == 0) {
        g_updatesBeforeDeath = 4;
        g_death = GetParam();
        sqlite3_update_hook(scenario.Book().Connection().Handle(), DieAfterSomeRowWrites, nullptr);
        // A back-dated purchase replays both histories; the process dies in the middle of it.
        scenario.Purchase(CBookScenario::Day(2), {{"Gear", 10, 8}, {"Belt", 5, 1}});
        _exit(1);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    if (GetParam() == Death::Kill) {
        ASSERT_TRUE(WIFSIGNALED(status));
    } else {
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 0);
    }

    CTestBook& book = scenario.Book();
    EXPECT_EQ(WholeBook(book), before);
    // The reopened book takes the next posting as if nothing had happened.
    ASSERT_TRUE(book.Doc().LoadCounters());
    ASSERT_TRUE(book.Doc().LoadProducts());
    scenario.Purchase(CBookScenario::Day(2), {{"Gear", 10, 8}});
    EXPECT_EQ(scenario.ItemRow("Gear"), "25|6|6|7");
}

INSTANTIATE_TEST_SUITE_P(Deaths, CrashDuringPosting, testing::Values(Death::Exit, Death::Kill),
                         [](const testing::TestParamInfo<Death>& info) {
                             return std::string(info.param == Death::Exit ? "Exit" : "Kill");
                         });

} // namespace
