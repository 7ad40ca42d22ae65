// The transaction register over generated books of 100,000 and 1,000,000 movements: opening it and
// producing the cell texts of its last screen, and producing one screen afresh at the start, the
// end and the middle of the rows (a jump of the scroll bar), and screens along a drag of the scroll
// bar after its first jump. Each beside its floor in plain
// SQLite: for the open, the count and the last screen's rows read by one statement; for a screen,
// its rows fetched by LIMIT and OFFSET from the nearer end. The *OnServer ones do the same on a
// copy of the book on a PostgreSQL server, beside the same statements sent by plain libpq.

#include "BenchServer.h"
#include "CBenchBook.h"
#include "CDbConnection.h"
#include "CRegisterRows.h"
#include "FloorReads.h"

#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <map>
#include <memory>

namespace {

// A few rows more than the window shows at once.
constexpr int kScreenRows = 12;
constexpr char kColumns[] = "SELECT TransactionID, TransDate, TransType, InvoiceNum, ProductID, CompanyName, "
                            "UnitCost, Quantity, LineTotal, Split, ItemOrder, rowid FROM TransItem ";
constexpr char kForward[] = "ORDER BY TransDate, ItemOrder, TransactionID, rowid";
constexpr char kBackward[] = "ORDER BY TransDate DESC, ItemOrder DESC, TransactionID DESC, rowid DESC";

// The cell texts of the rows first to first + kScreenRows - 1; their total length.
qsizetype ShowScreen(CRegisterRows& rows, long first)
{
    qsizetype length = 0;
    for (long i = first; i < first + kScreenRows; ++i) {
        const RegisterRow::Texts texts = rows.Read(i)->CellTexts();
        length += texts.date.size() + texts.product.size() + texts.payee.size() + texts.amount.size() +
                  texts.invoice.size() + texts.balance.size();
    }
    return length;
}

sqlite3_stmt* Prepare(CBenchBook& book, const QByteArray& sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(book.Connection().Handle(), sql.constData(), -1, &stmt, nullptr);
    return stmt;
}

void RegisterOpenLastScreen(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    CRegisterRows rows(book.Connection());
    for (auto _ : state) {
        rows.Open();
        benchmark::DoNotOptimize(ShowScreen(rows, rows.Count() - kScreenRows));
    }
    state.SetItemsProcessed(state.iterations() * kScreenRows);
}

void RegisterOpenLastScreenFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    sqlite3_stmt* count = Prepare(book, "SELECT count(*) FROM TransItem");
    sqlite3_stmt* last = Prepare(book, QByteArray(kColumns) + kBackward + " LIMIT " + QByteArray::number(kScreenRows));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadAllRows(count) + ReadAllRows(last));
    }
    sqlite3_finalize(count);
    sqlite3_finalize(last);
    state.SetItemsProcessed(state.iterations() * kScreenRows);
    state.SetLabel("floor");
}

// range(1): 0 the first screen, 1 the last, 2 the one in the middle.
long FirstRowOfScreen(const benchmark::State& state, long count)
{
    switch (state.range(1)) {
    case 0:
        return 0;
    case 1:
        return count - kScreenRows;
    default:
        return count / 2;
    }
}

const char* ScreenName(const benchmark::State& state)
{
    static const char* const names[] = {"start", "end", "middle"};
    return names[state.range(1)];
}

// A screen no page of which was read before: the register just opened (the count is not timed).
void RegisterScreenOf(benchmark::State& state, CBenchBook& book)
{
    CRegisterRows rows(book.Connection());
    rows.Open();
    const long first = FirstRowOfScreen(state, rows.Count());
    for (auto _ : state) {
        state.PauseTiming();
        rows.Open();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ShowScreen(rows, first));
    }
    state.SetItemsProcessed(state.iterations() * kScreenRows);
    state.SetLabel(ScreenName(state));
}

// A drag of the scroll bar's thumb: after its first jump to the middle (not timed), screens at
// places spread over the middle 60% of the rows, none read before.
void RegisterDragOf(benchmark::State& state, CBenchBook& book)
{
    CRegisterRows rows(book.Connection());
    rows.Open();
    const long count = rows.Count();
    ShowScreen(rows, count / 2);
    double place = 0.5;
    for (auto _ : state) {
        // Steps of the golden ratio never come back to a page read before.
        place += 0.6180339887;
        place -= static_cast<long>(place);
        const long first = static_cast<long>(count * (0.2 + 0.6 * place));
        benchmark::DoNotOptimize(ShowScreen(rows, first));
    }
    state.SetItemsProcessed(state.iterations() * kScreenRows);
    state.SetLabel("drag");
}

void RegisterDrag(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    RegisterDragOf(state, book);
}

void RegisterScreen(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    RegisterScreenOf(state, book);
}

void RegisterScreenFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    const long first = FirstRowOfScreen(state, book.Movements());
    const bool fromEnd = book.Movements() - first < first;
    const QByteArray sql = QByteArray(kColumns) + (fromEnd ? kBackward : kForward) + " LIMIT ?1 OFFSET ?2";
    sqlite3_stmt* stmt = Prepare(book, sql);
    for (auto _ : state) {
        sqlite3_bind_int(stmt, 1, kScreenRows);
        sqlite3_bind_int64(stmt, 2, fromEnd ? book.Movements() - first - kScreenRows : first);
        benchmark::DoNotOptimize(ReadAllRows(stmt));
    }
    sqlite3_finalize(stmt);
    state.SetItemsProcessed(state.iterations() * kScreenRows);
    state.SetLabel(std::string(ScreenName(state)) + " floor");
}

// --- the same on a server book (QUILLET_BENCH_SERVER, a server URI without a database) ----------

// Copying a book to the server takes a while; the benchmarks only read, so they share one per size.
CBenchBook* ServerBook(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (server.isEmpty()) {
        return nullptr;
    }
    static std::map<int, std::unique_ptr<CBenchBook>> books;
    std::unique_ptr<CBenchBook>& book = books[static_cast<int>(state.range(0))];
    if (!book) {
        book = std::make_unique<CBenchBook>(static_cast<int>(state.range(0)), server);
    }
    return book.get();
}

void RegisterOpenLastScreenOnServer(benchmark::State& state)
{
    CBenchBook* book = ServerBook(state);
    if (book == nullptr) {
        return;
    }
    CRegisterRows rows(book->Connection());
    for (auto _ : state) {
        rows.Open();
        benchmark::DoNotOptimize(ShowScreen(rows, rows.Count() - kScreenRows));
    }
    state.SetItemsProcessed(state.iterations() * kScreenRows);
}

void RegisterDragOnServer(benchmark::State& state)
{
    CBenchBook* book = ServerBook(state);
    if (book != nullptr) {
        RegisterDragOf(state, *book);
    }
}

void RegisterScreenOnServer(benchmark::State& state)
{
    CBenchBook* book = ServerBook(state);
    if (book != nullptr) {
        RegisterScreenOf(state, *book);
    }
}

// The floor on the server: the same statements sent by libpq on a connection of its own, every
// value of the result touched.
double ReadResult(PGconn* conn, const QByteArray& sql)
{
    PGresult* result = PQexec(conn, sql.constData());
    double sum = 0;
    for (int row = 0; row < PQntuples(result); ++row) {
        for (int column = 0; column < PQnfields(result); ++column) {
            sum += PQgetlength(result, row, column);
        }
    }
    PQclear(result);
    return sum;
}

const char kPgColumns[] = "SELECT \"TransactionID\", \"TransDate\", \"TransType\", \"InvoiceNum\", \"ProductID\", "
                          "\"CompanyName\", \"UnitCost\", \"Quantity\", \"LineTotal\", \"Split\", \"ItemOrder\", rowid "
                          "FROM \"TransItem\" ";
const char kPgForward[] = "ORDER BY \"TransDate\" NULLS FIRST, \"ItemOrder\" NULLS FIRST, \"TransactionID\" NULLS "
                          "FIRST, rowid NULLS FIRST";
const char kPgBackward[] = "ORDER BY \"TransDate\" DESC NULLS LAST, \"ItemOrder\" DESC NULLS LAST, \"TransactionID\" "
                           "DESC NULLS LAST, rowid DESC NULLS LAST";

void RegisterOnServerFloor(benchmark::State& state)
{
    CBenchBook* book = ServerBook(state);
    if (book == nullptr) {
        return;
    }
    PGconn* conn = PQconnectdb(book->Path().toUtf8().constData());
    const long count = book->Movements();
    QByteArray screen;
    if (state.range(1) < 0) {
        state.SetLabel("open floor");
    } else {
        const long first = FirstRowOfScreen(state, count);
        const bool fromEnd = count - first < first;
        screen = QByteArray(kPgColumns) + (fromEnd ? kPgBackward : kPgForward) + " LIMIT " +
                 QByteArray::number(kScreenRows) + " OFFSET " +
                 QByteArray::number(fromEnd ? count - first - kScreenRows : first);
        state.SetLabel(std::string(ScreenName(state)) + " floor");
    }
    const QByteArray last = QByteArray(kPgColumns) + kPgBackward + " LIMIT " + QByteArray::number(kScreenRows);
    for (auto _ : state) {
        if (state.range(1) < 0) {
            benchmark::DoNotOptimize(ReadResult(conn, "SELECT count(*) FROM \"TransItem\"") + ReadResult(conn, last));
        } else {
            benchmark::DoNotOptimize(ReadResult(conn, screen));
        }
    }
    PQfinish(conn);
    state.SetItemsProcessed(state.iterations() * kScreenRows);
}

} // namespace

BENCHMARK(RegisterOpenLastScreen)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterOpenLastScreenFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterScreen)->ArgsProduct({{100000, 1000000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterDrag)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterScreenFloor)->ArgsProduct({{100000, 1000000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterOpenLastScreenOnServer)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterScreenOnServer)->ArgsProduct({{100000, 1000000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterDragOnServer)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
// range(1): -1 the open, else the screen as above.
BENCHMARK(RegisterOnServerFloor)->ArgsProduct({{100000, 1000000}, {-1, 0, 1, 2}})->Unit(benchmark::kMillisecond);
