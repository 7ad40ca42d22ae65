#pragma once

#include "CBenchPrompter.h"
#include "CDbConnection.h"
#include "CInventoryDoc.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A generated book for the benchmarks: 1,000 products and a given number of movements (TransItem
// rows, one to five per transaction) spread evenly from FirstDay to LastDay (2025 and 2026; a
// decade for a million movements, a busy shop's), fully derived. Each size is built
// once per machine (in the temporary folder) and copied for every benchmark that changes it. Given
// a server (the URI of a PostgreSQL server without a database), the copy goes into a new database
// there, so the same operations are measured on a shared book.
class CBenchBook
{
public:
    explicit CBenchBook(int movements, const QString& server = QString());
    ~CBenchBook();

    CInventoryDoc& Doc() { return *m_doc; }
    CDbConnection& Connection() { return *m_connection; }
    const QString& Path() const { return m_path; }
    int Movements() const { return m_movements; }

    // The TransactionID of the transaction the book's rows are sorted nth in.
    int32_t TransactionAt(double fraction);

    static constexpr int kProducts = 1000;
    static QDate FirstDay(int movements);
    static QDate LastDay();

private:
    static QString Template(int movements);
    static void Generate(const QString& path, int movements);

    int m_movements;
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<CDbConnection> m_connection;
    std::unique_ptr<CBenchPrompter> m_prompter;
    std::unique_ptr<CInventoryDoc> m_doc;
};
