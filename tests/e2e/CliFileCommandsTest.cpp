// quillet-cli backup, restore and reset, run as a user would run them.

#include "CCliRunner.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

class CliFileCommands : public testing::Test
{
protected:
    CliRun Cli(const QStringList& arguments)
    {
        CCliRunner runner(DataFile());
        const int exitCode = runner.Run(arguments);
        return {exitCode, runner.Out(), runner.Err()};
    }
    QString DataFile() const { return m_dir.filePath("Quillet.cdb"); }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

TEST_F(CliFileCommands, BackupResetAndRestoreRoundTrip)
{
    ASSERT_EQ(Cli({"init"}).exitCode, 0);
    {
        CDbConnection connection(DataFile());
        ASSERT_TRUE(Execute(connection, "INSERT INTO Categories(CategoryID,CategoryName) Values(7,'Tools')"));
    }
    const QString backup = Path("quillet.bak");
    const CliRun backedUp = Cli({"backup", backup});
    EXPECT_EQ(backedUp.exitCode, 0);
    EXPECT_EQ(backedUp.err, "The database has been backuped!\n");

    // Without --yes and without a terminal the question is answered No.
    const CliRun refusedReset = Cli({"reset"});
    EXPECT_EQ(refusedReset.exitCode, 1);
    EXPECT_TRUE(refusedReset.err.startsWith("Reset database will erase all records,continue? No"));

    EXPECT_EQ(Cli({"--yes", "reset"}).err,
              "Reset database will erase all records,continue? Yes\nThe new database has been created\n");
    EXPECT_EQ(Cli({"list", "categories"}).out, "CategoryID,CategoryName\n0,Hardware\n1,Software\n");

    const CliRun restored = Cli({"--yes", "restore", backup});
    EXPECT_EQ(restored.exitCode, 0);
    EXPECT_TRUE(restored.err.endsWith("The database has been restored!\n"));
    EXPECT_EQ(Cli({"list", "categories"}).out, "CategoryID,CategoryName\n0,Hardware\n1,Software\n7,Tools\n");
}

TEST_F(CliFileCommands, RefusalsAndFailuresExitNonZeroWithTheirMessage)
{
    ASSERT_EQ(Cli({"init"}).exitCode, 0);
    const QString notes = Path("notes.bak");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a data file\n");
    file.close();

    const CliRun refused = Cli({"--yes", "restore", notes});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("is not a Quillet database backup. The database has not been changed."));
    EXPECT_FALSE(refused.err.contains("Are you sure"));
    EXPECT_EQ(Cli({"list", "categories"}).out, "CategoryID,CategoryName\n0,Hardware\n1,Software\n");

    const CliRun failed = Cli({"backup", Path("missing/folder/quillet.bak")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "The database backup has been failed !!\n");

    EXPECT_EQ(Cli({"backup"}).exitCode, 2);
    EXPECT_EQ(Cli({"restore", "a", "b"}).exitCode, 2);
}

} // namespace
