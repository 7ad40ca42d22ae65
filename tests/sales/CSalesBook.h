#pragma once

#include "CTestBook.h"

#include <QDateTime>
#include <QString>

// A test book for the entry form: catalogue rows written straight into the file and the
// catalogue loaded again, the document's clock fixed at 2026-01-20 15:45:30.
class CSalesBook
{
public:
    struct Product
    {
        QString id;
        QString description;
        double onHand = 0;
        double salePrice = 0;
        double unitCost = 0;
        double avgCost = 0;
        int taxID = 1; // "None"
        int vendorID = -1;
        int categoryID = 0; // "Hardware"
    };

    CSalesBook();

    CTestBook& Book() { return m_book; }
    CInventoryDoc& Doc() { return m_book.Doc(); }
    CScriptedPrompter& Prompter() { return m_book.Prompter(); }

    static QDateTime Now();
    void AddProduct(const Product& product);
    void AddTax(int id, const QString& name, double rate);
    // table: "Customer" or "Vendor"; id -100 is the own company.
    void AddPayee(const QString& table, int id, const QString& name, const QString& address = QString(),
                  const QString& city = QString(), const QString& state = QString(),
                  const QString& postalCode = QString(), const QString& note = QString());
    // Reads the catalogue again after rows were added.
    void Reload();

private:
    CTestBook m_book;
};
