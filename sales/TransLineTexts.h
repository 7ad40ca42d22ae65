#pragma once

#include "TransactionLine.h"

#include <QString>

// The texts one row of the entry form's line list shows, printf-style: the product code and the
// quantity (no decimals when whole) over the description; the price over the tax name (sales
// only, and not when it reads "None" in any letter case); the amount.
struct TransLineTexts
{
    QString productID;
    QString quantity;
    QString description;
    QString price;
    QString taxName;
    QString amount;

    static TransLineTexts Of(const TransactionLine& line, bool isSale);
};
