// The transaction register over a generated book of 100,000 movements: opening it and producing the
// cell texts of its last screen, and scrolling one screen at the start and at the end of the rows.
// Each beside its floor in plain SQLite: for the open, the register statement stepped through with
// every column read; for a screen, the screen's rows fetched by LIMIT and OFFSET.

#include "CBenchBook.h"
#include "CDbConnection.h"
#include "CRegisterRows.h"
#include "FloorReads.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// A few rows more than the window shows at once.
constexpr int kScreenRows = 12;
constexpr char kRegisterSql[] = "SELECT TransactionID, TransDate, TransType, InvoiceNum, ProductID, CompanyName, "
                                "UnitCost, Quantity, LineTotal, Split, ItemOrder FROM TransItem "
                                "ORDER BY TransDate, ItemOrder, rowid";

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

sqlite3_stmt* Prepare(CBenchBook& book, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(book.Connection().Handle(), sql, -1, &stmt, nullptr);
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
    state.SetItemsProcessed(state.iterations() * book.Movements());
}

void RegisterOpenLastScreenFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    sqlite3_stmt* stmt = Prepare(book, kRegisterSql);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadAllRows(stmt));
    }
    sqlite3_finalize(stmt);
    state.SetItemsProcessed(state.iterations() * book.Movements());
    state.SetLabel("floor");
}

// range(1): 0 scrolls to the first screen, 1 to the last.
long FirstRowOfScreen(const benchmark::State& state, long count)
{
    return state.range(1) == 0 ? 0 : count - kScreenRows;
}

void RegisterScrollScreen(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    CRegisterRows rows(book.Connection());
    rows.Open();
    const long first = FirstRowOfScreen(state, rows.Count());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShowScreen(rows, first));
    }
    state.SetItemsProcessed(state.iterations() * kScreenRows);
    state.SetLabel(state.range(1) == 0 ? "start" : "end");
}

void RegisterScrollScreenFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    const QByteArray sql = QByteArray(kRegisterSql) + " LIMIT ?1 OFFSET ?2";
    sqlite3_stmt* stmt = Prepare(book, sql.constData());
    const long first = FirstRowOfScreen(state, book.Movements());
    for (auto _ : state) {
        sqlite3_bind_int(stmt, 1, kScreenRows);
        sqlite3_bind_int64(stmt, 2, first);
        benchmark::DoNotOptimize(ReadAllRows(stmt));
    }
    sqlite3_finalize(stmt);
    state.SetItemsProcessed(state.iterations() * kScreenRows);
    state.SetLabel(state.range(1) == 0 ? "start floor" : "end floor");
}

} // namespace

BENCHMARK(RegisterOpenLastScreen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterOpenLastScreenFloor)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RegisterScrollScreen)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(RegisterScrollScreenFloor)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMicrosecond);
