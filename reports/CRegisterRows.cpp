#include "CRegisterRows.h"

#include "CDbConnection.h"
#include "CDbStatement.h"

#include <algorithm>

namespace {
enum Field
{
    kTransactionID,
    kTransDate,
    kTransType,
    kInvoiceNum,
    kProductID,
    kCompanyName,
    kUnitCost,
    kQuantity,
    kLineTotal,
    kSplit,
    kItemOrder,
    kRowId
};

const QString kColumns =
    QStringLiteral("SELECT TransactionID,TransDate,TransType,InvoiceNum,ProductID,CompanyName,UnitCost,Quantity,"
                   "LineTotal,Split,ItemOrder,rowid FROM TransItem");

// Only the key columns: a walk over them reads the register-order index alone.
const QString kKeys = QStringLiteral("SELECT TransDate,ItemOrder,TransactionID,rowid FROM TransItem");

// Rows of one second and item order keep the order their transactions were made in, which is the
// order the running value is summed in, so each balance follows from the one above it. The
// register-order index holds these columns in this order, so every read below walks it.
const char* const kKeyColumns[] = {"TransDate", "ItemOrder", "TransactionID", "rowid"};
constexpr int kKeyLevels = 4;

QString OrderBy(bool backward)
{
    QStringList terms;
    for (const char* column : kKeyColumns) {
        terms << QLatin1String(column) + (backward ? QLatin1String(" DESC") : QLatin1String());
    }
    return QStringLiteral(" ORDER BY ") + terms.join(QLatin1Char(','));
}
} // namespace

CRegisterRows::CRegisterRows(CDbConnection& connection) : m_connection(connection) {}

CRegisterRows::~CRegisterRows() = default;

bool CRegisterRows::Open()
{
    Close();
    CDbStatement count(m_connection, QStringLiteral("SELECT count(*) FROM TransItem"));
    if (!count.Next()) {
        return false;
    }
    m_count = static_cast<long>(count.Int64(0));
    m_generation = m_connection.Generation();
    m_open = true;
    return true;
}

void CRegisterRows::Close()
{
    m_open = false;
    m_count = 0;
    m_pages.clear();
}

bool CRegisterRows::IsOpen()
{
    if (m_open && m_connection.Generation() != m_generation) {
        Close();
    }
    return m_open;
}

long CRegisterRows::Count()
{
    return IsOpen() ? m_count : 0;
}

std::optional<RegisterRow> CRegisterRows::Read(long index)
{
    if (index < 0 || index >= Count()) {
        return std::nullopt;
    }
    const long number = index / kPageRows;
    const Page* page = FindPage(number);
    // A repaint while a long save runs may not read the book; the page is read once it is done,
    // instead of being kept empty.
    if (page == nullptr && m_connection.InHeartbeat()) {
        return std::nullopt;
    }
    if (page == nullptr) {
        page = &ReadPage(number);
    }
    const auto offset = static_cast<size_t>(index - number * kPageRows);
    // Fewer rows than counted: another program deleted some since the count.
    if (offset >= page->rows.size()) {
        return std::nullopt;
    }
    return page->rows[offset];
}

std::optional<RegisterRow> CRegisterRows::ReadRowId(qint64 rowId)
{
    if (!IsOpen()) {
        return std::nullopt;
    }
    CDbStatement row(m_connection, kColumns + QStringLiteral(" WHERE rowid = ?1"));
    row.BindInt64(1, rowId);
    if (!row.Next()) {
        return std::nullopt;
    }
    return RowOf(row);
}

const CRegisterRows::Page* CRegisterRows::FindPage(long number)
{
    for (Page& page : m_pages) {
        if (page.number == number) {
            page.lastUse = ++m_uses;
            return &page;
        }
    }
    return nullptr;
}

CRegisterRows::Start CRegisterRows::NearestStart(long first, long last) const
{
    Start start{Direction::Forward, std::nullopt, first};
    const long afterLast = m_count - 1 - last;
    if (afterLast < start.skip) {
        start = {Direction::Backward, std::nullopt, afterLast};
    }
    for (const Page& page : m_pages) {
        if (page.rows.empty()) {
            continue;
        }
        const long pageFirst = page.number * kPageRows;
        const long pageLast = pageFirst + static_cast<long>(page.rows.size()) - 1;
        if (pageLast < first && first - pageLast - 1 < start.skip) {
            start = {Direction::Forward, page.lastKey, first - pageLast - 1};
        } else if (pageFirst > last && pageFirst - 1 - last < start.skip) {
            start = {Direction::Backward, page.firstKey, pageFirst - 1 - last};
        }
    }
    return start;
}

std::optional<CRegisterRows::Key> CRegisterRows::LastSkipped(const std::optional<Key>& from, Direction direction,
                                                             long skip)
{
    std::optional<Key> last;
    Seek(from, direction, skip - 1, 1, kKeys, [&last](const CDbStatement& statement) { last = KeyOf(statement, 0); });
    return last;
}

const CRegisterRows::Page& CRegisterRows::ReadPage(long number)
{
    const long first = number * kPageRows;
    const long last = std::min(first + kPageRows, m_count) - 1;
    const Start start = NearestStart(first, last);
    const Direction direction = start.direction;
    if (m_pages.size() >= static_cast<size_t>(kCachedPages)) {
        m_pages.erase(std::min_element(m_pages.begin(), m_pages.end(),
                                       [](const Page& a, const Page& b) { return a.lastUse < b.lastUse; }));
    }
    Page page;
    page.number = number;
    page.lastUse = ++m_uses;
    std::vector<Key> keys;
    Seek(start.from, direction, start.skip, last - first + 1, kColumns, [&](const CDbStatement& statement) {
        page.rows.push_back(RowOf(statement));
        keys.push_back(KeyOf(statement));
    });
    if (direction == Direction::Backward) {
        std::reverse(page.rows.begin(), page.rows.end());
        std::reverse(keys.begin(), keys.end());
    }
    if (!keys.empty()) {
        page.firstKey = keys.front();
        page.lastKey = keys.back();
    }
    m_pages.push_back(std::move(page));
    return m_pages.back();
}

template <typename Visit>
void CRegisterRows::Seek(const std::optional<Key>& from, Direction direction, long skip, long limit,
                         const QString& columns, Visit visit)
{
    // Rows skipped are walked on the index alone (a row's other columns cost a look-up in the
    // table each): the key of the last of them first, then the rows past it.
    if (skip > 0 && columns != kKeys) {
        const std::optional<Key> lastSkipped = LastSkipped(from, direction, skip);
        if (lastSkipped) {
            Seek(lastSkipped, direction, 0, limit, columns, visit);
        }
        return;
    }
    const QString order = OrderBy(direction == Direction::Backward);
    const auto collect = [&](CDbStatement& statement) {
        while (statement.Next()) {
            visit(statement);
            --limit;
        }
    };
    if (!from) {
        CDbStatement statement(m_connection, columns + order + QStringLiteral(" LIMIT ?1 OFFSET ?2"));
        statement.BindInt64(1, limit).BindInt64(2, skip);
        collect(statement);
        return;
    }
    const std::vector<Range> ranges = RangesPast(*from, direction);
    for (size_t r = 0; r < ranges.size() && limit > 0; ++r) {
        const Range& range = ranges[r];
        const int parameters = BoundCount(range);
        // Only the size of the range up to the rows skipped matters; rows the last range lacks
        // are simply not there, so it needs no count.
        if (skip > 0 && r + 1 < ranges.size()) {
            CDbStatement count(m_connection, QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM TransItem WHERE %1 "
                                                            "LIMIT ?%2) AS Held")
                                                 .arg(range.condition)
                                                 .arg(parameters + 1));
            BindRange(count, range, *from);
            count.BindInt64(parameters + 1, skip + 1);
            if (!count.Next()) {
                return;
            }
            const long held = static_cast<long>(count.Int64(0));
            if (held <= skip) {
                skip -= held;
                continue;
            }
        }
        CDbStatement statement(m_connection,
                               columns + QStringLiteral(" WHERE ") + range.condition + order +
                                   QStringLiteral(" LIMIT ?%1 OFFSET ?%2").arg(parameters + 1).arg(parameters + 2));
        BindRange(statement, range, *from);
        statement.BindInt64(parameters + 1, limit).BindInt64(parameters + 2, skip);
        skip = 0;
        collect(statement);
    }
}

// The rows after a key are, in order: those of its date, item order and transaction with a later
// rowid; those of its date and item order with a later transaction; those of its date with a later
// item order; those with a later date. Before it, the same backwards, where each part's smaller
// values come before its nulls (nulls sort first). Each range is one walk of the index; a single
// comparison of the whole key would lose the rows where a part is null.
std::vector<CRegisterRows::Range> CRegisterRows::RangesPast(const Key& from, Direction direction)
{
    const CDbVariant* parts[kKeyLevels - 1] = {&from.date, &from.itemOrder, &from.transactionID};
    const bool forward = direction == Direction::Forward;
    std::vector<Range> ranges;
    for (int level = kKeyLevels - 1; level >= 0; --level) {
        Range equal;
        QStringList terms;
        for (int column = 0; column < level; ++column) {
            const QLatin1String name(kKeyColumns[column]);
            if (parts[column]->IsNull()) {
                terms << name + QLatin1String(" IS NULL");
            } else {
                equal.values.push_back(*parts[column]);
                terms << name + QStringLiteral(" = ?%1").arg(equal.values.size());
            }
        }
        const QLatin1String name(kKeyColumns[level]);
        const QLatin1String beyond = forward ? QLatin1String(" > ") : QLatin1String(" < ");
        if (level == kKeyLevels - 1) {
            equal.byRowId = true;
            equal.condition = (terms << name + beyond + QStringLiteral("?%1").arg(equal.values.size() + 1))
                                  .join(QLatin1String(" AND "));
            ranges.push_back(equal);
            continue;
        }
        if (parts[level]->IsNull()) {
            // After a null lies every value, before it nothing.
            if (forward) {
                equal.condition = (terms << name + QLatin1String(" IS NOT NULL")).join(QLatin1String(" AND "));
                ranges.push_back(equal);
            }
            continue;
        }
        Range nulls = equal;
        equal.values.push_back(*parts[level]);
        equal.condition = (QStringList(terms) << name + beyond + QStringLiteral("?%1").arg(equal.values.size()))
                              .join(QLatin1String(" AND "));
        ranges.push_back(equal);
        if (!forward) {
            nulls.condition = (terms << name + QLatin1String(" IS NULL")).join(QLatin1String(" AND "));
            ranges.push_back(nulls);
        }
    }
    return ranges;
}

int CRegisterRows::BoundCount(const Range& range)
{
    return static_cast<int>(range.values.size()) + (range.byRowId ? 1 : 0);
}

void CRegisterRows::BindRange(CDbStatement& statement, const Range& range, const Key& from)
{
    for (size_t i = 0; i < range.values.size(); ++i) {
        statement.Bind(static_cast<int>(i) + 1, range.values[i]);
    }
    if (range.byRowId) {
        statement.BindInt64(BoundCount(range), from.rowId);
    }
}

RegisterRow CRegisterRows::RowOf(const CDbStatement& statement)
{
    // A null text (a row written by another program) reads as empty, not as the store's null marker.
    const auto text = [&statement](int field) {
        return statement.IsNull(field) ? QString() : statement.GetFieldValue(field).ToText();
    };
    RegisterRow row;
    row.TransactionID = statement.GetFieldValue(kTransactionID).ToInt32();
    row.TransDate = statement.GetFieldValue(kTransDate).ToDateTime();
    row.TransType = statement.GetFieldValue(kTransType).ToInt32();
    row.InvoiceNum = text(kInvoiceNum);
    row.ProductID = text(kProductID);
    row.CompanyName = text(kCompanyName);
    row.UnitCost = statement.GetFieldValue(kUnitCost).ToDouble();
    row.Quantity = statement.GetFieldValue(kQuantity).ToDouble();
    row.LineTotal = statement.GetFieldValue(kLineTotal).ToDouble();
    row.Split = statement.GetFieldValue(kSplit).ToInt32();
    row.RowId = statement.Int64(kRowId);
    return row;
}

CRegisterRows::Key CRegisterRows::KeyOf(const CDbStatement& statement, int first)
{
    if (first >= 0) {
        return {statement.StoredValue(first), statement.StoredValue(first + 1), statement.StoredValue(first + 2),
                statement.Int64(first + 3)};
    }
    return {statement.StoredValue(kTransDate), statement.StoredValue(kItemOrder), statement.StoredValue(kTransactionID),
            statement.Int64(kRowId)};
}
