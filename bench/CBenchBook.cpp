#include "CBenchBook.h"

#include "CBenchPrompter.h"
#include "CBookCopy.h"
#include "CDbStatement.h"
#include "CDbTransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cstdio>
#include <random>

CBenchBook::CBenchBook(int movements, const QString& server)
    : m_movements(movements), m_path(m_dir.filePath(QStringLiteral("Bench.cdb")))
{
    if (server.isEmpty()) {
        QFile::copy(Template(movements), m_path);
    } else {
        static int counter = 0;
        m_path = server + QStringLiteral("bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        CDbConnection file(Template(movements));
        CDbConnection book;
        book.CreateDatabase(m_path);
        book.Open(m_path);
        CDbTransaction transaction(book);
        CBookCopy(file, book).CopyTables();
        transaction.Commit();
    }
    m_connection = std::make_unique<CDbConnection>(m_path);
    m_prompter = std::make_unique<CBenchPrompter>();
    m_doc = std::make_unique<CInventoryDoc>(*m_connection, *m_prompter);
    m_doc->SetDataFilePath(m_path);
    // Postings made one after another are seconds apart, after the book's last row.
    m_doc->SetClock([tick = 0]() mutable { return QDateTime(QDate(2027, 1, 1), QTime(9, 0)).addSecs(tick++); });
    m_doc->LoadCatalogue([](const QString&) {});
}

CBenchBook::~CBenchBook() = default;

QString CBenchBook::Template(int movements)
{
    const QString path = QDir::temp().filePath(QStringLiteral("quillet-bench-v2-%1.cdb").arg(movements));
    if (!QFileInfo::exists(path)) {
        QElapsedTimer timer;
        timer.start();
        Generate(path + QStringLiteral(".part"), movements);
        QFile::rename(path + QStringLiteral(".part"), path);
        std::fprintf(stderr, "built the book of %d movements in %.1f s: %s\n", movements, timer.elapsed() / 1000.0,
                     qPrintable(path));
    }
    return path;
}

QDate CBenchBook::FirstDay(int movements)
{
    return QDate(movements >= 1000000 ? 2017 : 2025, 1, 1);
}

QDate CBenchBook::LastDay()
{
    return QDate(2026, 12, 31);
}

namespace {
// One statement prepared once and run for every row.
class RawInsert
{
public:
    RawInsert(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~RawInsert() { sqlite3_finalize(m_stmt); }
    RawInsert(const RawInsert&) = delete;
    RawInsert& operator=(const RawInsert&) = delete;

    RawInsert& Int(int parameter, qint64 value)
    {
        sqlite3_bind_int64(m_stmt, parameter, value);
        return *this;
    }
    RawInsert& Double(int parameter, double value)
    {
        sqlite3_bind_double(m_stmt, parameter, value);
        return *this;
    }
    RawInsert& Text(int parameter, const QByteArray& value)
    {
        sqlite3_bind_text(m_stmt, parameter, value.constData(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        return *this;
    }
    bool Run()
    {
        const bool done = sqlite3_step(m_stmt) == SQLITE_DONE;
        sqlite3_reset(m_stmt);
        return done;
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

QString ProductCode(int product)
{
    return QStringLiteral("P%1").arg(product, 4, 10, QLatin1Char('0'));
}
} // namespace

// Consistent rows written directly (two statements prepared once, one transaction), then derived
// by the book's own replays: what posting them one by one would leave, in a fraction of the time.
void CBenchBook::Generate(const QString& path, int movements)
{
    QElapsedTimer timer;
    timer.start();
    QFile::remove(path);
    CDbConnection connection(path);
    CBenchPrompter prompter;
    CInventoryDoc doc(connection, prompter);
    doc.SetDataFilePath(path);
    doc.LoadCatalogue([](const QString&) {});
    std::mt19937 random(42);
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const QDateTime start(FirstDay(movements), QTime(8, 0));
    const qint64 span = start.secsTo(QDateTime(LastDay(), QTime(18, 0)));
    std::vector<QByteArray> products;
    for (int p = 0; p < kProducts; ++p) {
        products.push_back(ProductCode(p).toUtf8());
    }
    {
        CDbTransaction transaction(connection);
        for (int p = 0; p < kProducts; ++p) {
            CDbStatement(connection, QStringLiteral("INSERT INTO Item (ProductID, ProductDesc, CategoryID, "
                                                    "UnitsOnHand, UnitCost, SalePrice, AvgCost, TaxID, PayeeID) "
                                                    "VALUES (?1, ?2, ?3, 0, 0, 20, 0, 1, -1)"))
                .Bind(1, ProductCode(p))
                .Bind(2, QStringLiteral("Product %1").arg(p))
                .Bind(3, p % 2)
                .Run();
        }
        sqlite3* db = connection.Handle();
        RawInsert item(db, "INSERT INTO TransItem (TransactionID, TransDate, TransType, InvoiceNum, ProductID, "
                           "ProductName, CompanyName, Quantity, Discount, UnitCost, Price, TaxID, TaxName, TaxRate, "
                           "ItemTotal, TaxTotal, LineTotal, Split, AvgCost, UnitsOnHand, CategoryName, ItemOrder) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, 'Product', ?6, ?7, 0, ?8, ?8, 0, 'None', 0, ?9, 0, 0, ?10, "
                           "0, 0, 'Hardware', ?11)");
        RawInsert header(db, "INSERT INTO [Transaction] (TransactionID, TransDate, TransType, InvoiceNum, PayeeID, "
                             "CompanyName, TaxTotal, SubTotal, CostTotal, LineTotal, Paid, TransMemo) VALUES (?1, ?2, "
                             "?3, ?4, 0, 'X', 0, 0, 0, 0, 0, '')");
        const QByteArray vendor("Vendor");
        const QByteArray customer("Customer");
        int written = 0;
        for (int32_t id = 0; written < movements; ++id) {
            const int lines = std::min(pick(1, 5), movements - written);
            const int type = pick(0, 9) < 4 ? 0 : 1;
            const QByteArray date =
                start.addSecs(span * written / movements).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
            const QByteArray invoice = QByteArray::number(id);
            for (int line = 0; line < lines; ++line) {
                const double quantity = pick(1, 20);
                const double price = pick(100, 5000) / 100.0;
                item.Int(1, id)
                    .Text(2, date)
                    .Int(3, type)
                    .Text(4, invoice)
                    .Text(5, products[pick(0, kProducts - 1)])
                    .Text(6, type == 0 ? vendor : customer)
                    .Double(7, quantity)
                    .Double(8, price)
                    .Double(9, quantity * price)
                    .Int(10, lines)
                    .Int(11, line)
                    .Run();
            }
            header.Int(1, id).Text(2, date).Int(3, type).Text(4, invoice).Run();
            written += lines;
            doc.Counters().TransID = id + 1;
        }
        doc.SaveAutoNumber();
        transaction.Commit();
    }
    std::fprintf(stderr, "rows of %d movements written in %.1f s\n", movements, timer.elapsed() / 1000.0);
    const QDateTime beginning(QDate(2000, 1, 1), QTime(0, 0));
    {
        CDbTransaction transaction(connection);
        for (int p = 0; p < kProducts; ++p) {
            doc.RecomputeProductHistory(ProductCode(p), -1, beginning);
        }
        doc.RecomputeAssetBalance(beginning);
        transaction.Commit();
    }
    connection.Close();
}

int32_t CBenchBook::TransactionAt(double fraction)
{
    CDbStatement row(*m_connection, QStringLiteral("SELECT TransactionID FROM TransItem ORDER BY TransDate, "
                                                   "ItemOrder, rowid LIMIT 1 OFFSET ?1"));
    row.BindInt64(1, static_cast<qint64>(fraction * m_movements));
    return row.Next() ? row.Int(0) : -1;
}
