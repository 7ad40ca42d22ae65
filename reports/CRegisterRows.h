#pragma once

#include "CDbVariant.h"
#include "RegisterRow.h"

#include <QString>

#include <optional>
#include <vector>

class CDbConnection;
class CDbStatement;

// The rows of the transaction register: every TransItem row in register order (date, then item
// order, then as written). Only the rows asked for are read, a page at a time, each page found by
// walking the register-order index from the nearest page already read (or from either end). The
// rows between are skipped on the index alone, never read from the table, so reaching any row
// costs little whatever the size of the book, and memory holds a few pages only.
//
// Between reads nothing is held open on the book. Open counts the rows; a row index means the
// row at that place when its page was read, so a change made meanwhile by another program can
// move rows until the next Open. A row is therefore acted on by its identity (ReadRowId), never
// by its index.
class CRegisterRows
{
public:
    explicit CRegisterRows(CDbConnection& connection);
    ~CRegisterRows();

    // Counts the rows afresh and forgets the pages read. False when the book cannot be read; the
    // rows are then closed.
    bool Open();
    void Close();
    // False also after the connection was closed under the rows.
    bool IsOpen();
    // The rows counted by the last Open; 0 when closed.
    long Count();
    // Row index in register order; nothing when closed or there is no such row.
    std::optional<RegisterRow> Read(long index);
    // The row of that identity as it is now; nothing when closed or the row is gone.
    std::optional<RegisterRow> ReadRowId(qint64 rowId);

    // Rows read from the book in one go, and how many pages are kept.
    static constexpr int kPageRows = 64;
    static constexpr int kCachedPages = 8;

private:
    // A row's place in register order, its values as stored.
    struct Key
    {
        CDbVariant date;
        CDbVariant itemOrder;
        CDbVariant transactionID;
        qint64 rowId = 0;
    };
    struct Page
    {
        long number = 0;
        std::vector<RegisterRow> rows;
        Key firstKey;
        Key lastKey;
        quint64 lastUse = 0;
    };
    enum class Direction
    {
        Forward,
        Backward
    };

    // The nearest known place to start reading rows first to last: skip rows past from in direction.
    struct Start
    {
        Direction direction = Direction::Forward;
        std::optional<Key> from;
        long skip = 0;
    };
    Start NearestStart(long first, long last) const;

    const Page* FindPage(long number);
    const Page& ReadPage(long number);
    // The key of the skip-th row past from, found on the index alone; nothing when there is none.
    std::optional<Key> LastSkipped(const std::optional<Key>& from, Direction direction, long skip);
    // Calls visit for each of up to limit rows after (Forward) or before (Backward) from in register
    // order, skipping the first skip of them; from nothing starts at the first (or last) row.
    // Backward rows come last row first. columns is the SELECT of the rows' statements.
    template <typename Visit>
    void Seek(const std::optional<Key>& from, Direction direction, long skip, long limit, const QString& columns,
              Visit visit);
    // One range of the index: a condition with its values bound from ?1 on, and the key's rowid
    // after them when byRowId.
    struct Range
    {
        QString condition;
        std::vector<CDbVariant> values;
        bool byRowId = false;
    };
    // The ranges of the rows past from, nearest first (see Seek).
    static std::vector<Range> RangesPast(const Key& from, Direction direction);
    static int BoundCount(const Range& range);
    // Binds a range's values, and from's rowid after them when the range needs it.
    static void BindRange(CDbStatement& statement, const Range& range, const Key& from);
    static RegisterRow RowOf(const CDbStatement& statement);
    // The key of the current row of a statement whose key columns start at column first (in
    // the index's order) or are spread as the full row's columns (first < 0).
    static Key KeyOf(const CDbStatement& statement, int first = -1);

    CDbConnection& m_connection;
    bool m_open = false;
    quint64 m_generation = 0;
    long m_count = 0;
    quint64 m_uses = 0;
    std::vector<Page> m_pages;
};
