#include "CBenchBook.h"

#include "CBenchPrompter.h"
#include "CBookCopy.h"
#include "CDbStatement.h"
#include "CDbTransaction.h"
#include "CGeneratedBook.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

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

// The rows written straight into a new file, then derived.
void CBenchBook::Generate(const QString& path, int movements)
{
    QFile::remove(path);
    CDbConnection connection(path);
    CBenchPrompter prompter;
    CInventoryDoc doc(connection, prompter);
    doc.SetDataFilePath(path);
    doc.LoadCatalogue([](const QString&) {});
    CGeneratedBook::Write(doc, movements, FirstDay(movements), LastDay(), kProducts);
    connection.Close();
}

int32_t CBenchBook::TransactionAt(double fraction)
{
    CDbStatement row(*m_connection, QStringLiteral("SELECT TransactionID FROM TransItem ORDER BY TransDate, "
                                                   "ItemOrder, rowid LIMIT 1 OFFSET ?1"));
    row.BindInt64(1, static_cast<qint64>(fraction * m_movements));
    return row.Next() ? row.Int(0) : -1;
}
