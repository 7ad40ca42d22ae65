// A book moved between a file and the test server with quillet-cli, and backed up from and
// restored into the server, reads the same everywhere.

#include "CCliRunner.h"
#include "TestBooks.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QList<QStringList> kReadings = {{"register"},         {"list", "products"},  {"list", "categories"},
                                      {"list", "taxes"},    {"list", "customers"}, {"list", "vendors"},
                                      {"list", "counters"}, {"list", "company"}};

QList<QStringList> Read(const QString& book)
{
    CCliRunner cli(book);
    QList<QStringList> readings;
    for (const QStringList& reading : kReadings) {
        EXPECT_EQ(cli.Run(reading), 0) << cli.Err().toStdString();
        readings << cli.OutLines();
    }
    return readings;
}

class CliSharedBook : public testing::Test
{
protected:
    void SetUp() override
    {
        if (TestServerBase().isEmpty()) {
            GTEST_SKIP() << "no PostgreSQL test server";
        }
        m_file = m_dir.filePath(QStringLiteral("shop.cdb"));
        m_server = NewBookLocation(m_dir, QString());
        CCliRunner cli(m_file);
        ASSERT_EQ(cli.Run({"init"}), 0);
        for (const char* product : {"Rope", "Ärger", "Zange", "O'Hara"}) {
            ASSERT_EQ(cli.Run({"product", "add", product, "--category", "Hardware", "--qty", "4", "--cost", "1.5"}), 0)
                << cli.Err().toStdString();
        }
        ASSERT_EQ(cli.Run({"customer", "add", "Acme", "--city", "Cork"}), 0);
        // Two lines in one second: their order must survive the move.
        ASSERT_EQ(cli.Run({"purchase", "--party", "Mill", "--date", "2026-01-09 10:00:00", "--line", "rope;10;2",
                           "--line", "Ärger;3;2.25"}),
                  0);
        ASSERT_EQ(cli.Run({"sale", "--party", "Acme", "--date", "2026-01-09 10:00:00", "--line", "ROPE;2;5"}), 0);
        ASSERT_EQ(cli.Run({"adjust", "Ärger", "-1"}), 0);
    }

    void TearDown() override { RemoveBook(m_server); }

    QTemporaryDir m_dir;
    QString m_file;
    QString m_server;
};

TEST_F(CliSharedBook, CopiedToTheServerAndBackItReadsTheSame)
{
    const QList<QStringList> onFile = Read(m_file);
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    EXPECT_EQ(Read(m_server), onFile);

    const QString back = m_dir.filePath(QStringLiteral("back.cdb"));
    ASSERT_EQ(cli.Run({"copy-book", m_server, back}), 0) << cli.Err().toStdString();
    EXPECT_EQ(Read(back), onFile);

    // A book is never mixed into another.
    EXPECT_EQ(cli.Run({"copy-book", back, m_server}), 1);
    EXPECT_TRUE(cli.Err().contains("holds a book already")) << cli.Err().toStdString();
    EXPECT_EQ(cli.Run({"copy-book", m_dir.filePath(QStringLiteral("none.cdb")), m_dir.filePath("x.cdb")}), 1);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("x.cdb")));
    EXPECT_EQ(Read(m_server), onFile);
}

TEST_F(CliSharedBook, AServerBookBacksUpToADataFileAndRestoresFromOne)
{
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    const QList<QStringList> before = Read(m_server);
    CCliRunner server(m_server);
    const QString backup = m_dir.filePath(QStringLiteral("shop.bak"));
    ASSERT_EQ(server.Run({"backup", backup}), 0) << server.Err().toStdString();
    EXPECT_EQ(Read(backup), before);

    ASSERT_EQ(server.Run({"sale", "--party", "Acme", "--line", "Rope;1;5"}), 0);
    ASSERT_NE(Read(m_server), before);
    ASSERT_EQ(server.Run({"--yes", "restore", backup}), 0) << server.Err().toStdString();
    EXPECT_EQ(Read(m_server), before);
    // New identifiers follow the restored ones.
    ASSERT_EQ(server.Run({"sale", "--party", "Acme", "--line", "Rope;1;5"}), 0);
    EXPECT_EQ(server.OutLines(), QStringList{"7"});
}

TEST_F(CliSharedBook, TillsPostingAtOnceGiveEverySaleItsOwnInvoiceNumber)
{
    CCliRunner cli(m_file);
    ASSERT_EQ(cli.Run({"copy-book", m_file, m_server}), 0) << cli.Err().toStdString();
    CCliRunner server(m_server);
    const CCliRunner::AtOnce posted =
        server.RunAtOnce({"--yes", "sale", "--party", "Acme", "--line", "Rope;1;5"}, 3, 10);
    EXPECT_TRUE(posted.allSucceeded) << posted.err.toStdString();
    ASSERT_EQ(server.Run({"register"}), 0);
    const QStringList numbers = SaleNumbers(server.OutLines());
    EXPECT_EQ(numbers.size(), 31);
    for (const QString& number : numbers) {
        EXPECT_EQ(number.section('|', 0, 0), number.section('|', 1)) << number.toStdString();
    }
}

} // namespace
