#include "CDbConnection.h"
#include "CDbStatement.h"
#include "CTestBook.h"

#include <QElapsedTimer>
#include <QHash>

#include <gtest/gtest.h>

namespace {

// Counting to rows through a recursive query: work for the engine alone, on either store.
const QString kCount = QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < ?1) "
                                      "SELECT count(*) FROM c");

// What the heartbeat saw of one statement: when it came, and what the connection allowed meanwhile.
struct Beats
{
    QElapsedTimer clock;
    std::vector<qint64> at;
    bool refusedStatement = true;
    bool refusedOperation = true;

    // The longest stretch without a beat, from the start to the end of the statement.
    qint64 LongestGap(qint64 end) const
    {
        qint64 longest = 0;
        qint64 previous = 0;
        for (const qint64 beat : at) {
            longest = std::max(longest, beat - previous);
            previous = beat;
        }
        return std::max(longest, end - previous);
    }
};

class HeartbeatTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CDbConnection& connection = m_book.Connection();
        connection.SetHeartbeat([this, &connection] {
            m_beats.at.push_back(m_beats.clock.elapsed());
            m_beats.refusedStatement = m_beats.refusedStatement && connection.CachedStatement("SELECT 1") == nullptr;
            m_beats.refusedOperation = m_beats.refusedOperation && !connection.BeginOperation();
        });
    }

    // Rows to count for a statement of at least about minimumMs on this machine and store.
    qint64 RowsForAtLeast(qint64 minimumMs)
    {
        static QHash<qint64, qint64> found;
        if (found.contains(minimumMs)) {
            return found.value(minimumMs);
        }
        for (qint64 rows = 200000;; rows *= 2) {
            QElapsedTimer timer;
            timer.start();
            CDbStatement count(m_book.Connection(), kCount);
            count.BindInt64(1, rows);
            EXPECT_TRUE(count.Next());
            if (timer.elapsed() >= minimumMs || rows > 100000000) {
                found.insert(minimumMs, rows);
                return rows;
            }
        }
    }

    CTestBook m_book;
    Beats m_beats;
};

TEST_F(HeartbeatTest, ALongQueryBeatsOftenAndNothingElseRunsOnTheConnectionMeanwhile)
{
    const qint64 rows = RowsForAtLeast(600);
    m_beats = Beats();
    m_beats.clock.start();
    CDbStatement count(m_book.Connection(), kCount);
    count.BindInt64(1, rows);
    ASSERT_TRUE(count.Next());
    const qint64 end = m_beats.clock.elapsed();

    EXPECT_EQ(count.Int64(0), rows);
    EXPECT_GE(m_beats.at.size(), 5U) << end << " ms";
    // Beats come about every 50 ms; a loaded machine may stretch that some.
    EXPECT_LE(m_beats.LongestGap(end), 200) << end << " ms";
    EXPECT_TRUE(m_beats.refusedStatement);
    EXPECT_TRUE(m_beats.refusedOperation);
}

TEST_F(HeartbeatTest, ALongWriteBeatsAndCommitsItsResult)
{
    const qint64 rows = RowsForAtLeast(600);
    CDbConnection& connection = m_book.Connection();
    ASSERT_TRUE(connection.BeginOperation());
    m_beats = Beats();
    m_beats.clock.start();
    CDbStatement write(connection, QStringLiteral("UPDATE AutoNumber SET TransID = (%1)").arg(kCount));
    write.BindInt64(1, rows);
    ASSERT_TRUE(write.Run());
    ASSERT_TRUE(connection.CommitOperation());
    const qint64 end = m_beats.clock.elapsed();

    EXPECT_GE(m_beats.at.size(), 5U) << end << " ms";
    EXPECT_LE(m_beats.LongestGap(end), 200) << end << " ms";
    EXPECT_TRUE(m_beats.refusedOperation);
    connection.SetHeartbeat({});
    EXPECT_EQ(static_cast<qint64>(m_book.Scalar(QStringLiteral("SELECT TransID FROM AutoNumber")).ToDouble()), rows);
    EXPECT_EQ(connection.OperationDepth(), 0);
}

TEST_F(HeartbeatTest, WithoutAHeartbeatNothingBeats)
{
    m_book.Connection().SetHeartbeat({});
    CDbStatement count(m_book.Connection(), kCount);
    count.BindInt64(1, RowsForAtLeast(200));
    ASSERT_TRUE(count.Next());
    EXPECT_TRUE(m_beats.at.empty());
}

} // namespace
