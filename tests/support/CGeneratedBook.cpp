#include "CGeneratedBook.h"

#include "CDbConnection.h"
#include "CDbStatement.h"
#include "CDbTransaction.h"
#include "CInventoryDoc.h"

#include <QDateTime>

#include <sqlite3.h>

#include <random>
#include <vector>

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

} // namespace

QString CGeneratedBook::ProductCode(int product)
{
    return QStringLiteral("P%1").arg(product, 4, 10, QLatin1Char('0'));
}

// Consistent rows written directly (two statements prepared once, one transaction), then derived
// by the book's own replays: what posting them one by one would leave, in a fraction of the time.
bool CGeneratedBook::Write(CInventoryDoc& doc, int movements, const QDate& first, const QDate& last, int products,
                           Derive derive)
{
    bool stored = true;
    CDbConnection& connection = doc.Connection();
    std::mt19937 random(42);
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const QDateTime start(first, QTime(8, 0));
    const qint64 span = start.secsTo(QDateTime(last, QTime(18, 0)));
    std::vector<QByteArray> codes;
    for (int p = 0; p < products; ++p) {
        codes.push_back(ProductCode(p).toUtf8());
    }
    {
        CDbTransaction transaction(connection);
        for (int p = 0; p < products; ++p) {
            stored = stored && CDbStatement(connection,
                                            QStringLiteral("INSERT INTO Item (ProductID, ProductDesc, CategoryID, "
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
                    .Text(5, codes[pick(0, products - 1)])
                    .Text(6, type == 0 ? vendor : customer)
                    .Double(7, quantity)
                    .Double(8, price)
                    .Double(9, quantity * price)
                    .Int(10, lines)
                    .Int(11, line);
                stored = stored && item.Run();
            }
            stored = stored && header.Int(1, id).Text(2, date).Int(3, type).Text(4, invoice).Run();
            written += lines;
            doc.Counters().TransID = id + 1;
        }
        doc.SaveAutoNumber();
        stored = stored && transaction.Commit();
    }
    if (!stored || derive == Derive::No) {
        return stored;
    }
    const QDateTime beginning(QDate(2000, 1, 1), QTime(0, 0));
    {
        CDbTransaction transaction(connection);
        for (int p = 0; p < products; ++p) {
            doc.RecomputeProductHistory(ProductCode(p), -1, beginning);
        }
        doc.RecomputeAssetBalance(beginning);
        return transaction.Commit();
    }
}
