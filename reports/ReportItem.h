#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// One TransItem row read for a report. Sales count as negative quantities.
struct ReportItem
{
    QString product;
    QDateTime date;
    int32_t type = 0;
    QString invoice;
    QString name;
    double quantity = 0.0;
    double unitCost = 0.0;
    double onHand = 0.0;  // the product's stock after the movement
    double avgCost = 0.0; // the product's average cost after the movement
    double price = 0.0;   // 0 when the statement does not select it
    double value = 0.0;   // onHand * avgCost
    QString category;     // empty when the statement does not select it
};
