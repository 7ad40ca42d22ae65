// The six reports over generated books of 100,000 movements (two years) and 1,000,000 (a decade),
// each over the whole book, built in memory (as the window shows it) and written to a file (as
// the CLI does), beside the floor: the same rows read by the same statement through plain
// SQLite, every column read, nothing built.

#include "CBenchBook.h"
#include "CByItemReportBuilder.h"
#include "CCsvExportFile.h"
#include "CDbConnection.h"
#include "CPurchasesSummaryBuilder.h"
#include "CReportBuilder.h"
#include "CReportCsvRows.h"
#include "CSalesSummaryBuilder.h"
#include "CValuationDetailBuilder.h"
#include "FloorReads.h"
#include "ReportRange.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// range(1): the book's movements.
int MovementsOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(1));
}

ReportRange WholeBook(int movements)
{
    return ReportRange::Days(CBenchBook::FirstDay(movements), CBenchBook::LastDay());
}

ReportKind KindOf(const benchmark::State& state)
{
    return static_cast<ReportKind>(state.range(0));
}

// The statement a kind reads its rows with; the valuation summary's rows are the catalogue's.
QString Statement(ReportKind kind)
{
    switch (kind) {
    case ReportKind::ValuationDetail:
        return CValuationDetailBuilder::Statement();
    case ReportKind::ValuationSummary:
        return QStringLiteral("SELECT Item.ProductID, Categories.CategoryName, Item.UnitsOnHand, Item.AvgCost, "
                              "Item.SalePrice FROM Item LEFT JOIN Categories ON Item.CategoryID = "
                              "Categories.CategoryID ORDER BY Categories.CategoryName, Item.ProductID");
    case ReportKind::SalesSummary:
        return CSalesSummaryBuilder::Statement();
    case ReportKind::PurchasesSummary:
        return CPurchasesSummaryBuilder::Statement();
    default:
        return CByItemReportBuilder::Statement(kind);
    }
}

void BuildReport(benchmark::State& state)
{
    CBenchBook book(MovementsOf(state));
    const ReportRange range = WholeBook(book.Movements());
    CReportBuilder builder(book.Doc());
    qsizetype rows = 0;
    for (auto _ : state) {
        const CReport report = builder.Build(KindOf(state), range);
        rows = report.Rows().size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["report_rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * book.Movements());
    state.SetLabel(ReportKindCommandName(KindOf(state)).toStdString());
}

// What `quillet-cli report KIND --out FILE` does: the rows go to a CSV file as they are made.
void WriteReportFile(benchmark::State& state)
{
    CBenchBook book(MovementsOf(state));
    const ReportRange range = WholeBook(book.Movements());
    const QString path = book.Path() + QStringLiteral(".csv");
    CReportBuilder builder(book.Doc());
    qsizetype rows = 0;
    for (auto _ : state) {
        const bool written =
            CCsvExportFile::Write(path, CCsvFileWriter::Quoting::WhereNeeded, [&](CCsvFileWriter& csv) {
                CReportCsvRows out(csv, CReportBuilder::Columns(KindOf(state)));
                builder.Build(KindOf(state), range, out);
                rows = out.RowCount();
            });
        if (!written) {
            state.SkipWithError("the file was not written");
            return;
        }
    }
    state.counters["report_rows"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * book.Movements());
    state.SetLabel(ReportKindCommandName(KindOf(state)).toStdString() + " to a file");
}

void BuildReportFloor(benchmark::State& state)
{
    CBenchBook book(MovementsOf(state));
    const QByteArray sql = Statement(KindOf(state)).toUtf8();
    const QByteArray from = WholeBook(book.Movements()).FromText().toUtf8();
    const QByteArray to = WholeBook(book.Movements()).ToText().toUtf8();
    sqlite3* db = book.Connection().Handle();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        state.SkipWithError("the statement does not prepare");
        return;
    }
    for (auto _ : state) {
        // The valuation summary's statement takes no bounds; binding them is then a no-op.
        sqlite3_bind_text(stmt, 1, from.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(stmt, 2, to.constData(), -1, SQLITE_STATIC);
        benchmark::DoNotOptimize(ReadAllRows(stmt));
    }
    sqlite3_finalize(stmt);
    state.SetItemsProcessed(state.iterations() * book.Movements());
    state.SetLabel(ReportKindCommandName(KindOf(state)).toStdString() + " floor");
}

} // namespace

// range(0): the kind.
BENCHMARK(BuildReport)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kReportKindCount - 1, 1), {100000, 1000000}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WriteReportFile)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kReportKindCount - 1, 1), {100000, 1000000}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BuildReportFloor)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kReportKindCount - 1, 1), {100000, 1000000}})
    ->Unit(benchmark::kMillisecond);
