// Posting and re-derivation on generated books of 10,000, 100,000 and 1,000,000 movements, each beside the
// same row writes done by plain prepared SQLite statements in one transaction (the floor).

#include "BenchServer.h"
#include "CBenchBook.h"
#include "CDbConnection.h"
#include "CDbRecordset.h"
#include "CDbTransaction.h"
#include "CStoredTransaction.h"
#include "DateText.h"
#include "TransactionTypes.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <random>
#include <vector>

namespace {

// --- the floor: raw prepared statements ------------------------------------------------------

class RawStatement
{
public:
    RawStatement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~RawStatement() { sqlite3_finalize(m_stmt); }
    sqlite3_stmt* operator*() const { return m_stmt; }
    void Run()
    {
        sqlite3_step(m_stmt);
        sqlite3_reset(m_stmt);
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

void Exec(sqlite3* db, const char* sql)
{
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// Reads the rows of one product from a date and writes their three snapshot columns, then the
// Item row: what a history replay writes.
int ReplayProductFloor(sqlite3* db, const QByteArray& product, const QByteArray& from)
{
    RawStatement select(db, "SELECT rowid, Quantity FROM TransItem WHERE ProductID = ?1 AND TransDate >= ?2 "
                            "ORDER BY TransDate, rowid");
    RawStatement update(db, "UPDATE TransItem SET UnitCost = ?1, AvgCost = ?2, UnitsOnHand = ?3 WHERE rowid = ?4");
    RawStatement item(db, "UPDATE Item SET UnitsOnHand = ?1, AvgCost = ?2 WHERE ProductID = ?3");
    sqlite3_bind_text(*select, 1, product.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(*select, 2, from.constData(), -1, SQLITE_STATIC);
    std::vector<std::pair<sqlite3_int64, double>> rows;
    while (sqlite3_step(*select) == SQLITE_ROW) {
        rows.emplace_back(sqlite3_column_int64(*select, 0), sqlite3_column_double(*select, 1));
    }
    double onHand = 0;
    for (const auto& [rowid, quantity] : rows) {
        onHand += quantity;
        sqlite3_bind_double(*update, 1, 1.5);
        sqlite3_bind_double(*update, 2, 1.5);
        sqlite3_bind_double(*update, 3, onHand);
        sqlite3_bind_int64(*update, 4, rowid);
        update.Run();
    }
    sqlite3_bind_double(*item, 1, onHand);
    sqlite3_bind_double(*item, 2, 1.5);
    sqlite3_bind_text(*item, 3, product.constData(), -1, SQLITE_STATIC);
    item.Run();
    return static_cast<int>(rows.size());
}

// Reads every row from a date in register order and writes its running value.
int ReplayBalanceFloor(sqlite3* db, const QByteArray& from, double shift)
{
    RawStatement select(db, "SELECT rowid, Quantity, UnitCost FROM TransItem WHERE TransDate >= ?1 "
                            "ORDER BY TransDate, ItemOrder, rowid");
    RawStatement update(db, "UPDATE TransItem SET LineTotal = ?1 WHERE rowid = ?2");
    sqlite3_bind_text(*select, 1, from.constData(), -1, SQLITE_STATIC);
    std::vector<std::pair<sqlite3_int64, double>> rows;
    while (sqlite3_step(*select) == SQLITE_ROW) {
        rows.emplace_back(sqlite3_column_int64(*select, 0),
                          sqlite3_column_double(*select, 1) * sqlite3_column_double(*select, 2));
    }
    double running = shift;
    for (const auto& [rowid, value] : rows) {
        running += value;
        sqlite3_bind_double(*update, 1, running);
        sqlite3_bind_int64(*update, 2, rowid);
        update.Run();
    }
    return static_cast<int>(rows.size());
}

void AppendRowsFloor(sqlite3* db, int32_t id, const QByteArray& date, const QList<QByteArray>& products)
{
    RawStatement item(db,
                      "INSERT INTO TransItem (TransactionID, TransDate, TransType, InvoiceNum, ProductID, "
                      "ProductName, CompanyName, Quantity, Discount, UnitCost, Price, TaxID, TaxName, TaxRate, "
                      "ItemTotal, TaxTotal, LineTotal, Split, AvgCost, UnitsOnHand, CategoryName, ItemOrder) "
                      "VALUES (?1, ?2, 1, 'X', ?3, 'P', 'C', 2, 0, 3, 4, 0, 'None', 0, 8, 0, 0, ?4, 0, 0, 'H', ?5)");
    for (int i = 0; i < products.size(); ++i) {
        sqlite3_bind_int(*item, 1, id);
        sqlite3_bind_text(*item, 2, date.constData(), -1, SQLITE_STATIC);
        sqlite3_bind_text(*item, 3, products[i].constData(), -1, SQLITE_STATIC);
        sqlite3_bind_int(*item, 4, static_cast<int>(products.size()));
        sqlite3_bind_int(*item, 5, i);
        item.Run();
    }
    RawStatement total(db, "INSERT INTO [Transaction] (TransactionID, TransDate, TransType, InvoiceNum, PayeeID, "
                           "CompanyName, TaxTotal, SubTotal, CostTotal, LineTotal, Paid, TransMemo) "
                           "VALUES (?1, ?2, 1, 'X', 0, 'C', 0, 8, 6, 0, 0, '')");
    sqlite3_bind_int(*total, 1, id);
    sqlite3_bind_text(*total, 2, date.constData(), -1, SQLITE_STATIC);
    total.Run();
    Exec(db, "UPDATE AutoNumber SET TransID = TransID + 1");
}

QByteArray ProductName(int index)
{
    return QStringLiteral("P%1").arg(index, 4, 10, QLatin1Char('0')).toUtf8();
}

// --- the document's operations ---------------------------------------------------------------

SalePurchasePosting FiveLineSale(CInventoryDoc& doc, std::mt19937& random)
{
    SalePurchasePosting sale;
    sale.TransType = kTransSale;
    sale.PreviousDate = sale.NewDate = doc.Now();
    sale.CompanyName = QStringLiteral("Customer");
    for (int i = 0; i < 5; ++i) {
        const ItemRecord& product =
            doc.Products()[std::uniform_int_distribution<int>(0, CBenchBook::kProducts - 1)(random)];
        TransactionLine line;
        line.ProductID = product.ProductID;
        line.ProductName = product.ProductDesc;
        line.CategoryName = product.CategoryName;
        line.Quantity = 2;
        line.Price = product.SalePrice;
        line.UnitCost = product.AvgCost;
        line.TaxName = QStringLiteral("None");
        line.ItemTotal = line.Price * line.Quantity;
        sale.Lines.append(line);
    }
    return sale;
}

void PostSaleOn(benchmark::State& state, const QString& server)
{
    CBenchBook book(static_cast<int>(state.range(0)), server);
    std::mt19937 random(7);
    for (auto _ : state) {
        benchmark::DoNotOptimize(book.Doc().PostSalePurchase(FiveLineSale(book.Doc(), random)));
    }
    state.SetItemsProcessed(state.iterations());
}

void PostSale(benchmark::State& state)
{
    PostSaleOn(state, QString());
}

void PostSaleOnServer(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (!server.isEmpty()) {
        PostSaleOn(state, server);
    }
}

void PostSaleFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    sqlite3* db = book.Connection().Handle();
    std::mt19937 random(7);
    int32_t id = 1000000;
    for (auto _ : state) {
        const QByteArray date = StoreDateText(book.Doc().Now()).toUtf8();
        QList<QByteArray> products;
        for (int i = 0; i < 5; ++i) {
            products << ProductName(std::uniform_int_distribution<int>(0, CBenchBook::kProducts - 1)(random));
        }
        Exec(db, "BEGIN IMMEDIATE");
        AppendRowsFloor(db, id++, date, products);
        for (const QByteArray& product : products) {
            ReplayProductFloor(db, product, date);
        }
        ReplayBalanceFloor(db, date, 0);
        Exec(db, "COMMIT");
    }
    state.SetItemsProcessed(state.iterations());
}

// Saves the earliest transaction again with its first line's quantity changed, so that every
// later row of its products and every running value of the book is rewritten.
void ResaveFirstTransactionOn(benchmark::State& state, const QString& server)
{
    CBenchBook book(static_cast<int>(state.range(0)), server);
    const int32_t id = book.TransactionAt(0);
    CStoredTransaction stored(book.Doc());
    stored.Load(id);
    SalePurchasePosting posting;
    posting.TransType = stored.TransType();
    posting.TransactionID = id;
    posting.PreviousDate = posting.NewDate = stored.TransDate();
    posting.PreviousLines = posting.Lines = stored.Lines();
    posting.CompanyName = stored.CompanyName();
    posting.InvoiceNum = stored.InvoiceNum();
    for (auto _ : state) {
        posting.Lines[0].Quantity += 1;
        posting.Lines[0].ItemTotal = posting.Lines[0].Quantity * posting.Lines[0].Price;
        benchmark::DoNotOptimize(book.Doc().PostSalePurchase(posting));
        posting.PreviousLines = posting.Lines;
    }
    state.SetItemsProcessed(state.iterations() * book.Movements());
}

void ResaveFirstTransaction(benchmark::State& state)
{
    ResaveFirstTransactionOn(state, QString());
}

void ResaveFirstTransactionOnServer(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (!server.isEmpty()) {
        ResaveFirstTransactionOn(state, server);
    }
}

void ResaveFirstTransactionFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    sqlite3* db = book.Connection().Handle();
    const int32_t id = book.TransactionAt(0);
    CStoredTransaction stored(book.Doc());
    stored.Load(id);
    const QByteArray date = StoreDateText(stored.TransDate()).toUtf8();
    QList<QByteArray> products;
    for (const TransactionLine& line : stored.Lines()) {
        products << line.ProductID.toUtf8();
    }
    double shift = 0;
    for (auto _ : state) {
        Exec(db, "BEGIN IMMEDIATE");
        RawStatement remove(db, "DELETE FROM TransItem WHERE TransactionID = ?1");
        sqlite3_bind_int(*remove, 1, id);
        remove.Run();
        RawStatement removeTotal(db, "DELETE FROM [Transaction] WHERE TransactionID = ?1");
        sqlite3_bind_int(*removeTotal, 1, id);
        removeTotal.Run();
        AppendRowsFloor(db, id, date, products);
        for (const QByteArray& product : products) {
            ReplayProductFloor(db, product, date);
        }
        ReplayBalanceFloor(db, date, shift += 1);
        Exec(db, "COMMIT");
    }
    state.SetItemsProcessed(state.iterations() * book.Movements());
}

// The floor a re-save of the earliest transaction is held to: one UPDATE that writes the running
// value of every row from its date, in one transaction, through the store's own connection.
void ResaveFirstTransactionUpdateFloorOn(benchmark::State& state, const QString& server)
{
    CBenchBook book(static_cast<int>(state.range(0)), server);
    const int32_t id = book.TransactionAt(0);
    CStoredTransaction stored(book.Doc());
    stored.Load(id);
    const QString date = StoreDateText(stored.TransDate());
    double shift = 0;
    for (auto _ : state) {
        shift += 1;
        book.Connection().BeginOperation();
        benchmark::DoNotOptimize(
            Execute(book.Connection(), QStringLiteral("UPDATE TransItem SET LineTotal = LineTotal + %1 WHERE "
                                                      "TransDate >= '%2'")
                                           .arg(shift)
                                           .arg(date)));
        book.Connection().CommitOperation();
    }
    state.SetItemsProcessed(state.iterations() * book.Movements());
    state.SetLabel("floor: one UPDATE");
}

void ResaveFirstTransactionUpdateFloor(benchmark::State& state)
{
    ResaveFirstTransactionUpdateFloorOn(state, QString());
}

void ResaveFirstTransactionUpdateFloorOnServer(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (!server.isEmpty()) {
        ResaveFirstTransactionUpdateFloorOn(state, server);
    }
}

void DeleteMidBookTransactionOn(benchmark::State& state, const QString& server)
{
    CBenchBook book(static_cast<int>(state.range(0)), server);
    for (auto _ : state) {
        state.PauseTiming();
        const int32_t id = book.TransactionAt(0.5);
        CStoredTransaction stored(book.Doc());
        stored.Load(id);
        state.ResumeTiming();
        benchmark::DoNotOptimize(book.Doc().DeleteTransaction(id, stored.TransDate()));
    }
    state.SetItemsProcessed(state.iterations() * book.Movements() / 2);
}

void DeleteMidBookTransaction(benchmark::State& state)
{
    DeleteMidBookTransactionOn(state, QString());
}

void DeleteMidBookTransactionOnServer(benchmark::State& state)
{
    const QString server = BenchServer(state);
    if (!server.isEmpty()) {
        DeleteMidBookTransactionOn(state, server);
    }
}

void DeleteMidBookTransactionFloor(benchmark::State& state)
{
    CBenchBook book(static_cast<int>(state.range(0)));
    sqlite3* db = book.Connection().Handle();
    for (auto _ : state) {
        state.PauseTiming();
        const int32_t id = book.TransactionAt(0.5);
        CStoredTransaction stored(book.Doc());
        stored.Load(id);
        const QByteArray date = StoreDateText(stored.TransDate()).toUtf8();
        state.ResumeTiming();
        Exec(db, "BEGIN IMMEDIATE");
        RawStatement remove(db, "DELETE FROM TransItem WHERE TransactionID = ?1");
        sqlite3_bind_int(*remove, 1, id);
        remove.Run();
        RawStatement removeTotal(db, "DELETE FROM [Transaction] WHERE TransactionID = ?1");
        sqlite3_bind_int(*removeTotal, 1, id);
        removeTotal.Run();
        for (const TransactionLine& line : stored.Lines()) {
            ReplayProductFloor(db, line.ProductID.toUtf8(), date);
        }
        ReplayBalanceFloor(db, date, 0);
        Exec(db, "COMMIT");
    }
    state.SetItemsProcessed(state.iterations() * book.Movements() / 2);
}

} // namespace

BENCHMARK(PostSale)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PostSaleFloor)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(PostSaleOnServer)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ResaveFirstTransaction)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ResaveFirstTransactionFloor)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ResaveFirstTransactionOnServer)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ResaveFirstTransactionUpdateFloor)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(ResaveFirstTransactionUpdateFloorOnServer)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMidBookTransaction)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMidBookTransactionFloor)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteMidBookTransactionOnServer)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
