// The running value of every row must be exactly what walking the register from its first row
// gives, each row's value rounded to cents on the way, whichever store does the summing: halves
// round up (the first row's too, with its sign), sales subtract, amounts run into the billions.

#include "CDbStatement.h"
#include "CDocOperation.h"
#include "CTestBook.h"
#include "LocaleNumber.h"
#include "TransactionTypes.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <cmath>

namespace {

struct Movement
{
    const char* date; // null: undated
    int type;
    double quantity;
    double unitCost;
};

class RunningValue : public testing::Test
{
protected:
    void Add(const QList<Movement>& movements)
    {
        for (const Movement& movement : movements) {
            const int id = ++m_rows;
            // Undated rows lie before every replay: they come settled (and first).
            QString settled = QStringLiteral("NULL");
            if (movement.date == nullptr) {
                const double value = movement.quantity * movement.unitCost;
                const bool sale = movement.type == kTransSale;
                m_settled = m_undated++ == 0 ? RoundToCents(sale ? -value : value)
                                             : RoundToCents(sale ? m_settled - RoundToCents(value)
                                                                 : m_settled + RoundToCents(value));
                settled = QString::number(m_settled, 'g', 17);
            }
            ASSERT_TRUE(m_book.Exec(
                QStringLiteral("INSERT INTO TransItem (TransactionID, TransDate, TransType, ProductID, Quantity, "
                               "UnitCost, LineTotal, ItemOrder) VALUES (%1, %2, %3, 'Tea', %4, %5, %6, 0)")
                    .arg(id)
                    .arg(movement.date != nullptr ? QStringLiteral("'%1'").arg(movement.date) : QStringLiteral("NULL"))
                    .arg(movement.type)
                    .arg(movement.quantity, 0, 'g', 17)
                    .arg(movement.unitCost, 0, 'g', 17)
                    .arg(settled)));
        }
    }

    void Replay(const QDateTime& from)
    {
        CDocOperation operation(m_book.Doc());
        ASSERT_TRUE(operation.Started());
        m_book.Doc().RecomputeAssetBalance(from);
        ASSERT_TRUE(operation.Commit());
    }

    // Every stored running value against the walk from the first row, bit for bit.
    void ExpectAWalkFromTheFirstRow()
    {
        CDbStatement rows(m_book.Connection(),
                          QStringLiteral("SELECT TransType, Quantity, UnitCost, LineTotal FROM TransItem "
                                         "ORDER BY TransDate, ItemOrder, TransactionID, rowid"));
        double running = 0;
        int row = 0;
        while (rows.Next()) {
            const double value = rows.Double(1) * rows.Double(2);
            const bool sale = rows.Int(0) == kTransSale;
            running = row == 0 ? RoundToCents(sale ? -value : value)
                               : RoundToCents(sale ? running - RoundToCents(value) : running + RoundToCents(value));
            ASSERT_FALSE(rows.IsNull(3)) << "row " << row;
            EXPECT_EQ(rows.Double(3), running) << "row " << row << " holds " << rows.Double(3);
            ++row;
        }
        EXPECT_EQ(row, m_rows);
        EXPECT_TRUE(m_book.Prompter().Shown().isEmpty());
    }

    static QDateTime At(int day, int hour = 9) { return QDateTime(QDate(2026, 1, day), QTime(hour, 0)); }

    CTestBook m_book;
    int m_rows = 0;
    int m_undated = 0;
    double m_settled = 0;
};

// 0.125 is exact in binary, so its cents lie exactly on a half.
TEST_F(RunningValue, HalfCentsRoundUpAndAFirstSaleRoundsWithItsSign)
{
    Add({{"2026-01-02 09:00:00", kTransSale, 1, 0.125},
         {"2026-01-03 09:00:00", kTransSale, 1, 0.125},
         {"2026-01-04 09:00:00", kTransPurchase, 3, 0.125},
         {"2026-01-05 09:00:00", kTransAdjustment, -1, 0.125},
         {"2026-01-06 09:00:00", kTransSale, 2.5, 0.335},
         {"2026-01-07 09:00:00", kTransPurchase, 1, 0.005}});
    Replay(At(1));
    ExpectAWalkFromTheFirstRow();
    // -0.12 first (the sale's -0.125 rounds up), then -0.13 subtracted.
    EXPECT_EQ(m_book.Scalar("SELECT LineTotal FROM TransItem WHERE TransactionID = 2").ToDouble(), -0.25);
}

TEST_F(RunningValue, LargeAmountsStayExact)
{
    Add({{"2026-01-02 09:00:00", kTransPurchase, 1000, 1500000.00},
         {"2026-01-03 09:00:00", kTransPurchase, 1000, 1234567.895},
         {"2026-01-04 09:00:00", kTransSale, 999, 1500000.005},
         {"2026-01-05 09:00:00", kTransPurchase, 7, 0.01},
         {"2026-01-06 09:00:00", kTransSale, 3000, 2999999.995}});
    Replay(At(1));
    ExpectAWalkFromTheFirstRow();
}

// Undated rows come first; a replay from a later point starts from the last row before it,
// whether dated or not, and rows with no value yet get one. 2.675 is a little below its
// decimal, so its cents round down.
TEST_F(RunningValue, AReplayFromAnyPointContinuesTheWalk)
{
    Add({{nullptr, kTransOpeningBalance, 4, 2.675},
         {nullptr, kTransSale, 1, 2.675},
         {"2026-01-03 09:00:00", kTransPurchase, 2, 1.115},
         {"2026-01-04 09:00:00", kTransSale, 1, 1.115},
         {"2026-01-04 09:00:00", kTransPurchase, -2, 0.125},
         {"2026-01-06 09:00:00", kTransSale, 3, 1.005}});
    Replay(At(1));
    ExpectAWalkFromTheFirstRow();

    // A row changed in place (no replay yet), then a replay from its date: only the rows from
    // there on move, from the settled value before them.
    ASSERT_TRUE(m_book.Exec("UPDATE TransItem SET UnitCost = 1.125, LineTotal = NULL WHERE TransactionID = 4"));
    Replay(At(4));
    ExpectAWalkFromTheFirstRow();

    // Only undated rows lie before the point: the last of them is the base.
    ASSERT_TRUE(m_book.Exec("UPDATE TransItem SET Quantity = 5 WHERE TransactionID = 3"));
    Replay(At(2));
    ExpectAWalkFromTheFirstRow();

    // A row without a quantity counts as worth nothing.
    ASSERT_TRUE(m_book.Exec("UPDATE TransItem SET Quantity = NULL WHERE TransactionID = 6"));
    Replay(At(6));
    ExpectAWalkFromTheFirstRow();
}

TEST_F(RunningValue, AnEmptyBookIsLeftAsItIs)
{
    Replay(At(1));
    EXPECT_EQ(m_book.Scalar("SELECT count(*) FROM TransItem").ToInt32(), 0);
    EXPECT_TRUE(m_book.Prompter().Shown().isEmpty());
}

} // namespace
