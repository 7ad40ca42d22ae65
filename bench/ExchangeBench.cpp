// Imports of new products (each with its opening balance) and new customers into an empty book,
// at two sizes each so that the growth shows, each beside the floor: the same rows inserted by
// plain prepared SQLite statements in one transaction, nothing read, parsed or re-derived.

#include "CBenchPrompter.h"
#include "CCsvImport.h"
#include "CDbConnection.h"
#include "CInventoryDoc.h"
#include "CPayeeImport.h"
#include "CProductImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

// A new book with its seed rows, in a folder of its own.
class CEmptyBook
{
public:
    CEmptyBook()
        : m_path(m_dir.filePath(QStringLiteral("Quillet.cdb"))), m_connection(m_path), m_doc(m_connection, m_prompter)
    {
        m_doc.SetDataFilePath(m_path);
        m_doc.LoadCatalogue([](const QString&) {});
    }
    CInventoryDoc& Doc() { return m_doc; }
    sqlite3* Handle() { return m_connection.Handle(); }

private:
    QTemporaryDir m_dir;
    QString m_path;
    CDbConnection m_connection;
    CBenchPrompter m_prompter;
    CInventoryDoc m_doc;
};

QString ProductLine(int i)
{
    return QStringLiteral("P%1,Product %1,Category %2,%3.50,%4,Tax %5,%6.25,Vendor %7,\"note, %1\"\r\n")
        .arg(i)
        .arg(i % 20)
        .arg(i % 100)
        .arg(1 + i % 50)
        .arg(i % 3)
        .arg(i % 70)
        .arg(i % 30);
}

QString CustomerLine(int i)
{
    return QStringLiteral("Customer %1,%1 Main St,Springfield,IL,62701,Person %1,555-%1,,c%1@example.test,\"a, b\"\r\n")
        .arg(i);
}

// The file of n lines, written once per size in a folder kept for the run.
QString CsvFile(const char* kind, int n, QString (*line)(int))
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("%1-%2.csv").arg(QLatin1String(kind)).arg(n));
    if (!QFile::exists(path)) {
        QString text = QStringLiteral("header\r\n");
        for (int i = 0; i < n; ++i) {
            text += line(i);
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
            qFatal("cannot write %s", qPrintable(path));
        }
    }
    return path;
}

template <typename Importer, typename... Kind>
void Import(benchmark::State& state, const QString& path, Kind... kind)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto book = std::make_unique<CEmptyBook>();
        Importer importer(book->Doc(), kind...);
        state.ResumeTiming();
        const CCsvImport::Result result = CCsvImport(book->Doc(), importer).RunFile(path);
        if (result.added != state.range(0)) {
            state.SkipWithError("the import did not add every line");
        }
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

// Binds the texts and numbers and runs the prepared statement.
struct Insert
{
    Insert(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Insert() { sqlite3_finalize(stmt); }
    Insert& Text(int parameter, const QByteArray& text)
    {
        sqlite3_bind_text(stmt, parameter, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insert& Number(int parameter, double value)
    {
        sqlite3_bind_double(stmt, parameter, value);
        return *this;
    }
    void Run()
    {
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_stmt* stmt = nullptr;
};

template <typename Rows>
void Floor(benchmark::State& state, const Rows& rows)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto book = std::make_unique<CEmptyBook>();
        sqlite3* db = book->Handle();
        state.ResumeTiming();
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        rows(db, static_cast<int>(state.range(0)));
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void ImportProducts(benchmark::State& state)
{
    Import<CProductImport>(state, CsvFile("products", static_cast<int>(state.range(0)), ProductLine));
}

// Per product: its Item row and the two rows of its opening balance.
void ImportProductsFloor(benchmark::State& state)
{
    Floor(state, [](sqlite3* db, int n) {
        Insert item(db, "INSERT INTO Item (ProductID, ProductDesc, ProductNote, CategoryID, PayeeID, TaxID, "
                        "UnitsOnHand, UnitCost, SalePrice, AvgCost) VALUES (?1, ?2, ?3, 2, 1, 2, ?4, ?5, ?6, ?5)");
        Insert line(db, "INSERT INTO TransItem (TransactionID, TransDate, TransType, ProductID, ProductName, "
                        "CompanyName, Quantity, UnitCost, Price, ItemTotal, LineTotal, Split, AvgCost, UnitsOnHand) "
                        "VALUES (?1, '2026-02-01 12:00:00', 3, ?2, ?3, 'Open Balance', ?4, ?5, ?6, ?7, ?7, 1, ?5, ?4)");
        Insert total(db, "INSERT INTO [Transaction] (TransactionID, TransDate, TransType, PayeeID, CompanyName, "
                         "SubTotal, CostTotal) VALUES (?1, '2026-02-01 12:00:00', 3, 0, 'Open Balance', ?2, ?2)");
        for (int i = 0; i < n; ++i) {
            const QByteArray code = "P" + QByteArray::number(i);
            const QByteArray desc = "Product " + QByteArray::number(i);
            const double quantity = 1 + i % 50;
            const double cost = i % 70 + 0.25;
            const double price = i % 100 + 0.5;
            item.Text(1, code).Text(2, desc).Text(3, "note").Number(4, quantity).Number(5, cost).Number(6, price).Run();
            line.Number(1, i).Text(2, code).Text(3, desc).Number(4, quantity).Number(5, cost).Number(6, price);
            line.Number(7, quantity * cost).Run();
            total.Number(1, i).Number(2, quantity * cost).Run();
        }
    });
}

void ImportCustomers(benchmark::State& state)
{
    Import<CPayeeImport>(state, CsvFile("customers", static_cast<int>(state.range(0)), CustomerLine),
                         CPayeeSetup::Kind::Customer);
}

void ImportCustomersFloor(benchmark::State& state)
{
    Floor(state, [](sqlite3* db, int n) {
        Insert customer(db, "INSERT INTO Customer VALUES (?1, ?2, ?3, 'Springfield', 'IL', '62701', '', ?4, ?5, '', "
                            "?6, 'a, b')");
        for (int i = 0; i < n; ++i) {
            const QByteArray number = QByteArray::number(i);
            customer.Number(1, i + 1).Text(2, "Customer " + number).Text(3, number + " Main St");
            customer.Text(4, "Person " + number).Text(5, "555-" + number).Text(6, "c" + number + "@example.test").Run();
        }
    });
}

} // namespace

BENCHMARK(ImportProducts)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportProductsFloor)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportCustomers)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportCustomersFloor)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
