#include "CSqliteRunningTotal.h"

#include "CDbEngine.h"
#include "CDbQuery.h"

#include <sqlite3.h>

#include <algorithm>

namespace {
const char* const kAccumulate = "quillet_running_total";
const char* const kPendingValue = "quillet_pending_value";
QString Bracketed(const QString& name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

void BindAll(CDbQuery& query, const RunningTotal& total)
{
    for (size_t i = 0; i < total.parameters.size(); ++i) {
        query.Bind(static_cast<int>(i) + 1, total.parameters[i]);
    }
}

// Runs a statement that returns no rows, leaving it ready for its next use.
bool RunToEnd(CDbQuery& query)
{
    const CDbQuery::Step step = query.Next();
    query.Reset();
    query.ClearBindings();
    return step != CDbQuery::Step::Error;
}
} // namespace

void CSqliteRunningTotal::Register(sqlite3* db)
{
    // Direct only: no trigger or view stored in a file can call them.
    sqlite3_create_function_v2(db, kAccumulate, 3, SQLITE_UTF8 | SQLITE_DIRECTONLY, this,
                               &CSqliteRunningTotal::Accumulate, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, kPendingValue, 1, SQLITE_UTF8 | SQLITE_DIRECTONLY, this,
                               &CSqliteRunningTotal::PendingValue, nullptr, nullptr, nullptr);
}

bool CSqliteRunningTotal::Write(CDbEngine& engine, const RunningTotal& total)
{
    // Without an index to walk, an UPDATE visits the rows in rowid order: one pass would write
    // them in vain.
    bool visitedInOrder = false;
    bool written = total.index.isEmpty() || WriteInOnePass(engine, total, visitedInOrder);
    if (written && !visitedInOrder) {
        written = WriteInTwoPasses(engine, total);
    }
    m_pending = {};
    m_order = {};
    return written;
}

void CSqliteRunningTotal::Start(const RunningTotal& total)
{
    m_sum = total.start;
    m_divisor = total.divisor;
    m_inOrder = true;
    m_visited = 0;
    m_pending.clear();
    m_sorted = true;
    m_next = 0;
}

bool CSqliteRunningTotal::Add(int64_t rowid, double amount, bool stored, double storedValue)
{
    m_sum += amount;
    const double value = m_sum / m_divisor;
    if (stored && storedValue == value) {
        return false;
    }
    if (!m_pending.empty() && m_pending.back().rowid >= rowid) {
        m_sorted = false;
    }
    m_pending.push_back({rowid, value});
    return true;
}

bool CSqliteRunningTotal::WriteInOnePass(CDbEngine& engine, const RunningTotal& total, bool& visitedInOrder)
{
    visitedInOrder = false;
    const QString sql =
        QStringLiteral("UPDATE %1 INDEXED BY %2 SET %3 = %4(rowid) WHERE %5%6(rowid, %7, %3) IS NOT NULL")
            .arg(Bracketed(total.table), Bracketed(total.index), Bracketed(total.column), QLatin1String(kPendingValue),
                 total.filter.isEmpty() ? QString() : QStringLiteral("(%1) AND ").arg(total.filter),
                 QLatin1String(kAccumulate), total.amount);
    const std::shared_ptr<CDbQuery> update = engine.Cached(sql);
    if (update == nullptr || !ReadOrder(engine, total)) {
        // No such index (a file that could not be given it): the rows are read in order instead.
        return true;
    }
    BindAll(*update, total);
    Start(total);
    m_pending.reserve(m_order.size());
    if (!RunToEnd(*update)) {
        return false;
    }
    visitedInOrder = m_inOrder && m_visited == m_order.size();
    return true;
}

// The rowids in the total's order, read from the index alone: a small part of what the UPDATE
// costs.
bool CSqliteRunningTotal::ReadOrder(CDbEngine& engine, const RunningTotal& total)
{
    const std::shared_ptr<CDbQuery> read =
        engine.Cached(QStringLiteral("SELECT rowid FROM %1%2 ORDER BY %3")
                          .arg(Bracketed(total.table),
                               total.filter.isEmpty() ? QString() : QStringLiteral(" WHERE (%1)").arg(total.filter),
                               total.order.join(QLatin1String(", "))));
    if (read == nullptr) {
        return false;
    }
    BindAll(*read, total);
    m_order.clear();
    CDbQuery::Step step = CDbQuery::Step::Row;
    while ((step = read->Next()) == CDbQuery::Step::Row) {
        m_order.push_back(read->Int64(0));
    }
    read->Reset();
    read->ClearBindings();
    return step == CDbQuery::Step::Done;
}

bool CSqliteRunningTotal::WriteInTwoPasses(CDbEngine& engine, const RunningTotal& total)
{
    const QString where = total.filter.isEmpty() ? QString() : QStringLiteral(" WHERE (%1)").arg(total.filter);
    const std::shared_ptr<CDbQuery> read =
        engine.Cached(QStringLiteral("SELECT rowid, %1, %2 FROM %3%4 ORDER BY %5")
                          .arg(total.amount, Bracketed(total.column), Bracketed(total.table), where,
                               total.order.join(QLatin1String(", "))));
    if (read == nullptr) {
        return false;
    }
    BindAll(*read, total);
    Start(total);
    CDbQuery::Step step = CDbQuery::Step::Row;
    while ((step = read->Next()) == CDbQuery::Step::Row) {
        Add(read->Int64(0), read->Double(1), !read->IsNull(2), read->Double(2));
    }
    read->Reset();
    read->ClearBindings();
    if (step == CDbQuery::Step::Error) {
        return false;
    }
    if (m_pending.empty()) {
        return true;
    }
    const std::shared_ptr<CDbQuery> write =
        engine.Cached(QStringLiteral("UPDATE %1 SET %2 = %3(rowid) WHERE %4%3(rowid) IS NOT NULL")
                          .arg(Bracketed(total.table), Bracketed(total.column), QLatin1String(kPendingValue),
                               total.filter.isEmpty() ? QString() : QStringLiteral("(%1) AND ").arg(total.filter)));
    if (write == nullptr) {
        return false;
    }
    BindAll(*write, total);
    return RunToEnd(*write);
}

// (rowid, amount, stored value): adds the row's amount; 1 when its value changes, otherwise null.
// From the first row out of order on, it adds nothing and writes nothing: every value written
// before it is right.
void CSqliteRunningTotal::Accumulate(sqlite3_context* context, int, sqlite3_value** arguments)
{
    auto* self = static_cast<CSqliteRunningTotal*>(sqlite3_user_data(context));
    const int64_t rowid = sqlite3_value_int64(arguments[0]);
    self->m_inOrder =
        self->m_inOrder && self->m_visited < self->m_order.size() && self->m_order[self->m_visited] == rowid;
    if (!self->m_inOrder) {
        sqlite3_result_null(context);
        return;
    }
    ++self->m_visited;
    if (self->Add(rowid, sqlite3_value_double(arguments[1]), sqlite3_value_type(arguments[2]) != SQLITE_NULL,
                  sqlite3_value_double(arguments[2]))) {
        sqlite3_result_int(context, 1);
    } else {
        sqlite3_result_null(context);
    }
}

// (rowid): the value noted for the row, or null.
void CSqliteRunningTotal::PendingValue(sqlite3_context* context, int, sqlite3_value** arguments)
{
    auto* self = static_cast<CSqliteRunningTotal*>(sqlite3_user_data(context));
    std::vector<Pending>& pending = self->m_pending;
    const int64_t rowid = sqlite3_value_int64(arguments[0]);
    // Walking an index, the UPDATE writes each row right after noting it.
    if (!pending.empty() && pending.back().rowid == rowid) {
        sqlite3_result_double(context, pending.back().value);
        return;
    }
    const auto byRowId = [](const Pending& a, const Pending& b) { return a.rowid < b.rowid; };
    if (!self->m_sorted) {
        std::sort(pending.begin(), pending.end(), byRowId);
        self->m_sorted = true;
        self->m_next = 0;
    }
    // Otherwise it writes in rowid order, so the next value is usually the one after the last.
    size_t at = self->m_next;
    if (at >= pending.size() || pending[at].rowid != rowid) {
        at = std::lower_bound(pending.begin(), pending.end(), Pending{rowid, 0}, byRowId) - pending.begin();
    }
    if (at < pending.size() && pending[at].rowid == rowid) {
        self->m_next = at + 1;
        sqlite3_result_double(context, pending[at].value);
    } else {
        sqlite3_result_null(context);
    }
}
