#pragma once

#include "ItemRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// The texts one row of the product list shows: prices and costs with two decimals in the
// locale's form, the quantity with none when whole, and the stock value (average cost x on hand).
struct ProductRowTexts
{
    QString name;
    QString category;
    QString description;
    QString salePrice;
    QString onHand;
    QString avgCost;
    QString value;

    static ProductRowTexts Of(const ItemRecord& item);

    // The number texts of the items' largest and smallest prices, costs, values and quantities
    // (whole and fractional quantities apart): the widest texts the number columns hold, found
    // without formatting every row.
    struct NumberExtremes
    {
        QStringList amounts;
        QStringList quantities;
    };
    static NumberExtremes ExtremesOf(const QList<ItemRecord>& items);
};
