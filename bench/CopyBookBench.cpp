// quillet-cli copy-book's work on a generated book: every table of a file copied into a new
// database on the server (QUILLET_BENCH_SERVER), and a server book copied into a new file. The
// floor is reading the same rows from the source with plain SQLite.

#include "BenchServer.h"
#include "CBenchBook.h"
#include "CBookCopy.h"
#include "CDbConnection.h"
#include "FloorReads.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// Copies from into a new book at target inside one operation, as copy-book does.
bool CopyInto(CDbConnection& from, const QString& target)
{
    CDbConnection to;
    if (!to.CreateDatabase(target) || !from.BeginSnapshot()) {
        return false;
    }
    to.Open(target);
    CBookCopy copy(from, to);
    const bool copied = to.BeginOperation() && copy.CopyTables() && to.CommitOperation();
    from.RollbackOperation();
    return copied;
}

QString NewServerBook(const QString& server)
{
    static int counter = 0;
    return server + QStringLiteral("copy_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

void CopyBookFileToServer(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (server.isEmpty()) {
        return;
    }
    CBenchBook book(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (!CopyInto(book.Connection(), NewServerBook(server))) {
            state.SkipWithError("the copy failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * book.Movements());
}

void CopyBookServerToFile(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (server.isEmpty()) {
        return;
    }
    CBenchBook book(static_cast<int>(state.range(0)), server);
    QTemporaryDir folder;
    int copies = 0;
    for (auto _ : state) {
        if (!CopyInto(book.Connection(), folder.filePath(QStringLiteral("copy%1.cdb").arg(++copies)))) {
            state.SkipWithError("the copy failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * book.Movements());
}

void CopyBookFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    sqlite3* db = book.Connection().Handle();
    for (auto _ : state) {
        for (const char* sql : {"SELECT * FROM TransItem", "SELECT * FROM [Transaction]", "SELECT * FROM Item"}) {
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
            benchmark::DoNotOptimize(ReadAllRows(stmt));
            sqlite3_finalize(stmt);
        }
    }
    state.SetItemsProcessed(state.iterations() * book.Movements());
    state.SetLabel("floor: reading the source");
}

} // namespace

// A copy of a large book takes tens of seconds, so each size is copied once per run.
BENCHMARK(CopyBookFileToServer)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyBookServerToFile)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyBookFloor)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
