#include "CBenchBook.h"

#include "CBenchPrompter.h"
#include "CBookCopy.h"
#include "CDbStatement.h"
#include "CDbTransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    const QString path = QDir::temp().filePath(QStringLiteral("quillet-bench-v1-%1.cdb").arg(movements));
    if (!QFileInfo::exists(path)) {
        Generate(path + QStringLiteral(".part"), movements);
        QFile::rename(path + QStringLiteral(".part"), path);
    }
    return path;
}

void CBenchBook::Generate(const QString& path, int movements)
{
    QFile::remove(path);
    CDbConnection connection(path);
    CBenchPrompter prompter;
    CInventoryDoc doc(connection, prompter);
    doc.SetDataFilePath(path);
    doc.LoadCatalogue([](const QString&) {});
    std::mt19937 random(42);
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0));
    const qint64 span = start.secsTo(QDateTime(QDate(2026, 12, 31), QTime(18, 0)));
    {
        CDbTransaction transaction(connection);
        for (int p = 0; p < kProducts; ++p) {
            CDbStatement(connection, QStringLiteral("INSERT INTO Item (ProductID, ProductDesc, CategoryID, "
                                                    "UnitsOnHand, UnitCost, SalePrice, AvgCost, TaxID, PayeeID) "
                                                    "VALUES (?1, ?2, ?3, 0, 0, 20, 0, 1, -1)"))
                .Bind(1, QStringLiteral("P%1").arg(p, 4, 10, QLatin1Char('0')))
                .Bind(2, QStringLiteral("Product %1").arg(p))
                .Bind(3, p % 2)
                .Run();
        }
        int written = 0;
        for (int32_t id = 0; written < movements; ++id) {
            const int lines = std::min(pick(1, 5), movements - written);
            const int type = pick(0, 9) < 4 ? 0 : 1;
            const QString date =
                start.addSecs(span * written / movements).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            for (int line = 0; line < lines; ++line) {
                const double quantity = pick(1, 20);
                const double price = pick(100, 5000) / 100.0;
                CDbStatement(connection,
                             QStringLiteral("INSERT INTO TransItem (TransactionID, TransDate, TransType, InvoiceNum, "
                                            "ProductID, ProductName, CompanyName, Quantity, Discount, UnitCost, Price, "
                                            "TaxID, TaxName, TaxRate, ItemTotal, TaxTotal, LineTotal, Split, AvgCost, "
                                            "UnitsOnHand, CategoryName, ItemOrder) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                                            "?7, ?8, 0, ?9, ?9, 0, 'None', 0, ?10, 0, 0, ?11, 0, 0, 'Hardware', ?12)"))
                    .Bind(1, id)
                    .Bind(2, date)
                    .Bind(3, type)
                    .Bind(4, QString::number(id))
                    .Bind(5, QStringLiteral("P%1").arg(pick(0, kProducts - 1), 4, 10, QLatin1Char('0')))
                    .Bind(6, QStringLiteral("Product"))
                    .Bind(7, type == 0 ? QStringLiteral("Vendor") : QStringLiteral("Customer"))
                    .Bind(8, quantity)
                    .Bind(9, price)
                    .Bind(10, quantity * price)
                    .Bind(11, lines)
                    .Bind(12, line)
                    .Run();
            }
            CDbStatement(connection, QStringLiteral("INSERT INTO [Transaction] (TransactionID, TransDate, TransType, "
                                                    "InvoiceNum, PayeeID, CompanyName, TaxTotal, SubTotal, CostTotal, "
                                                    "LineTotal, Paid, TransMemo) VALUES (?1, ?2, ?3, ?4, 0, 'X', 0, 0, "
                                                    "0, 0, 0, '')"))
                .Bind(1, id)
                .Bind(2, date)
                .Bind(3, type)
                .Bind(4, QString::number(id))
                .Run();
            written += lines;
            doc.Counters().TransID = id + 1;
        }
        doc.SaveAutoNumber();
        transaction.Commit();
    }
    const QDateTime beginning(QDate(2000, 1, 1), QTime(0, 0));
    for (int p = 0; p < kProducts; ++p) {
        doc.RecomputeProductHistory(QStringLiteral("P%1").arg(p, 4, 10, QLatin1Char('0')), -1, beginning);
    }
    doc.RecomputeAssetBalance(beginning);
    connection.Close();
}

int32_t CBenchBook::TransactionAt(double fraction)
{
    CDbStatement row(*m_connection, QStringLiteral("SELECT TransactionID FROM TransItem ORDER BY TransDate, "
                                                   "ItemOrder, rowid LIMIT 1 OFFSET ?1"));
    row.BindInt64(1, static_cast<qint64>(fraction * m_movements));
    return row.Next() ? row.Int(0) : -1;
}
