#pragma once

#include <QString>

#include <cstdint>

// One line item of a sale or purchase as the entry form keeps it.
struct TransactionLine
{
    int32_t TransactionID = 0;
    QString ProductID;
    QString ProductName; // the product's description
    double Quantity = 0.0;
    double Discount = 0.0;
    double UnitCost = 0.0; // a sale: the product's average cost; a purchase: the buy price
    double OnHand = 0.0;   // the projected stock the line dialog shows
    double Price = 0.0;    // sale or buy price per unit
    int32_t TaxID = 0;
    QString TaxName;
    double TaxRate = 0.0; // percent
    double ItemTotal = 0.0;
    double TaxTotal = 0.0;
    QString CategoryName;
};
