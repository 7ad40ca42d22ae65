#pragma once

#include "CTestBook.h"
#include "SalePurchasePosting.h"

#include <QDateTime>
#include <QString>

// Postings on a test book the way the entry form makes them: a sale line costs the product's
// average cost at the time, a purchase line its price. Dates are "2026-01-D HH:00:00".
class CBookScenario
{
public:
    struct Line
    {
        QString product;
        double quantity;
        double price;
    };

    CBookScenario();
    CTestBook& Book() { return m_book; }
    CInventoryDoc& Doc() { return m_book.Doc(); }

    static QDateTime Day(int day, int hour = 12);
    void AddProduct(const QString& name, double unitCost = 0, int category = 0);
    int32_t Purchase(const QDateTime& date, const QList<Line>& lines, int32_t vendorID = -1);
    int32_t Sale(const QDateTime& date, const QList<Line>& lines);
    // Saves transaction id again with a new date and lines, as the entry form's edit does.
    int32_t Edit(int32_t id, const QDateTime& date, const QList<Line>& lines);
    const ItemRecord& Product(const QString& name);
    // "UnitCost|AvgCost|UnitsOnHand|LineTotal" of the TransItem rows of a product, in the order its
    // history is derived (the register's).
    QStringList Snapshots(const QString& product);
    // Item's "UnitsOnHand|UnitCost|AvgCost|PayeeID".
    QString ItemRow(const QString& product);

private:
    int32_t Post(int32_t id, int32_t type, const QDateTime& previous, const QDateTime& date, const QList<Line>& lines,
                 int32_t vendorID);
    QList<TransactionLine> Lines(int32_t type, const QList<Line>& lines);

    CTestBook m_book;
};
