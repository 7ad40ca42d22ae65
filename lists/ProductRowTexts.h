#pragma once

#include "ItemRecord.h"

#include <QString>

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
};
