#pragma once

#include <QString>

#include <cstdint>

// One product: a row of Item joined with its category.
struct ItemRecord
{
    QString ProductID; // the product code the user types; the key
    QString ProductDesc;
    QString ProductNote;
    int32_t CategoryID = 0;
    QString CategoryName;
    int32_t PayeeID = -1; // the product's vendor; -1 when none
    int32_t TaxID = -1;   // -1 when none
    double UnitsOnHand = 0.0;
    double UnitsOnOrder = 0.0;
    double SalePrice = 0.0;
    double UnitCost = 0.0; // last purchase price
    double AvgCost = 0.0;  // moving average cost
};
