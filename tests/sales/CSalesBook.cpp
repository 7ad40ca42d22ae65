#include "CSalesBook.h"

#include "SqlText.h"

#include <gtest/gtest.h>

namespace {
QString Quoted(const QString& text)
{
    return QLatin1Char('\'') + QuoteSqlText(text) + QLatin1Char('\'');
}
} // namespace

CSalesBook::CSalesBook()
{
    Doc().SetClock([] { return Now(); });
}

QDateTime CSalesBook::Now()
{
    return QDateTime(QDate(2026, 1, 20), QTime(15, 45, 30));
}

void CSalesBook::AddProduct(const Product& product)
{
    EXPECT_TRUE(m_book.Exec(QStringLiteral("INSERT INTO Item (ProductID, ProductDesc, CategoryID, PayeeID, TaxID, "
                                           "UnitsOnHand, UnitCost, SalePrice, AvgCost) values (%1, %2, %3, %4, %5, "
                                           "%6, %7, %8, %9)")
                                .arg(Quoted(product.id), Quoted(product.description))
                                .arg(product.categoryID)
                                .arg(product.vendorID)
                                .arg(product.taxID)
                                .arg(product.onHand)
                                .arg(product.unitCost)
                                .arg(product.salePrice)
                                .arg(product.avgCost)));
}

void CSalesBook::AddTax(int id, const QString& name, double rate)
{
    EXPECT_TRUE(m_book.Exec(QStringLiteral("INSERT INTO Tax (TaxID, TaxName, TaxRate) values (%1, %2, %3)")
                                .arg(id)
                                .arg(Quoted(name))
                                .arg(rate)));
}

void CSalesBook::AddPayee(const QString& table, int id, const QString& name, const QString& address,
                          const QString& city, const QString& state, const QString& postalCode, const QString& note)
{
    EXPECT_TRUE(m_book.Exec(
        QStringLiteral("INSERT INTO %1 (PayeeID, CompanyName, Address, City, State, PostalCode, "
                       "Note) values (%2, %3, %4, %5, %6, %7, %8)")
            .arg(table)
            .arg(id)
            .arg(Quoted(name), Quoted(address), Quoted(city), Quoted(state), Quoted(postalCode), Quoted(note))));
}

void CSalesBook::Reload()
{
    Doc().ReloadCatalogue();
}
