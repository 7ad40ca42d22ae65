#include "RunningTotal.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CDbTransaction.h"
#include "TestBooks.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Rows whose rowids do not follow the order of the total, so that no store can take the
// order from where the rows lie.
class RunningTotalTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_path = OpenEmptyStore(m_connection, m_dir, QStringLiteral("store.cdb"));
        ASSERT_FALSE(m_path.isEmpty());
        ASSERT_TRUE(Execute(m_connection, "CREATE TABLE [T] ([Day] INT, [Amount] FLOAT, [Total] FLOAT)"));
        for (const char* values : {"3, 5", "1, 7", "2, -2", "NULL, 1", "2, 4"}) {
            ASSERT_TRUE(
                Execute(m_connection, QStringLiteral("INSERT INTO [T] ([Day], [Amount]) VALUES (%1)").arg(values)));
        }
        m_total.table = QStringLiteral("T");
        m_total.column = QStringLiteral("Total");
        m_total.amount = QStringLiteral("Amount");
        m_total.order = QStringList{QStringLiteral("Day"), QStringLiteral("rowid")};
        m_total.start = 100;
        m_total.divisor = 100;
    }

    void TearDown() override
    {
        m_connection.Close();
        RemoveBook(m_path);
    }

    // Writes the total in one transaction; the number of rows it changed.
    qint64 Write()
    {
        CDbTransaction transaction(m_connection);
        const qint64 before = m_connection.TotalChanges();
        EXPECT_TRUE(m_connection.WriteRunningTotal(m_total));
        const qint64 changed = m_connection.TotalChanges() - before;
        EXPECT_TRUE(transaction.Commit());
        return changed;
    }

    std::vector<double> Totals()
    {
        std::vector<double> totals;
        CDbRecordset recordset(m_connection);
        EXPECT_TRUE(recordset.Open("SELECT Total FROM T ORDER BY rowid", CDbRecordset::kOpenForwardOnly,
                                   CDbRecordset::kLockReadOnly));
        for (; !recordset.IsEOF(); recordset.MoveNext()) {
            totals.push_back(recordset.GetFieldValue(0).IsNull() ? -1 : recordset.GetFieldValue(0).ToDouble());
        }
        return totals;
    }

    QTemporaryDir m_dir;
    QString m_path;
    CDbConnection m_connection;
    RunningTotal m_total;
};

TEST_F(RunningTotalTest, RowsTakeTheSumInTheOrderGivenAndOnlyChangedOnesAreWritten)
{
    // In order: the undated row (1), day 1 (7), day 2 twice (-2, then 4), day 3 (5).
    EXPECT_EQ(Write(), 5);
    EXPECT_EQ(Totals(), (std::vector<double>{115 / 100.0, 108 / 100.0, 106 / 100.0, 101 / 100.0, 110 / 100.0}));
    EXPECT_EQ(Write(), 0);

    // From day 2 on, after a settled 108: the rows before keep what they hold.
    ASSERT_TRUE(Execute(m_connection, "UPDATE T SET Amount = 3, Total = 0 WHERE Day = 1"));
    m_total.filter = QStringLiteral("Day >= ?1");
    m_total.parameters = {CDbVariant(2)};
    m_total.start = 108;
    EXPECT_EQ(Write(), 0);
    m_total.start = 104;
    EXPECT_EQ(Write(), 3);
    EXPECT_EQ(Totals(), (std::vector<double>{111 / 100.0, 0, 102 / 100.0, 101 / 100.0, 106 / 100.0}));
}

// An index named for the walk whose order is not the total's: no row is written twice, and the
// values still come out right.
TEST_F(RunningTotalTest, AWalkInAnotherOrderIsMended)
{
    ASSERT_TRUE(Execute(m_connection, "CREATE INDEX [ByAmount] ON [T] ([Amount])"));
    // The file appends the table's name to an index's (SQL names them per file); a server
    // walks no named index.
    m_total.index = QStringLiteral("ByAmount_T");
    EXPECT_EQ(Write(), 5);
    EXPECT_EQ(Totals(), (std::vector<double>{115 / 100.0, 108 / 100.0, 106 / 100.0, 101 / 100.0, 110 / 100.0}));
    EXPECT_EQ(Write(), 0);
}

} // namespace
