#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>
#include <functional>

// One TransItem row read for a report. Sales count as negative quantities.
struct ReportItem
{
    QString product;
    QDate day;  // TransDate's local date
    QTime time; // and its time of day
    int32_t type = 0;
    QString invoice;
    QString name;
    double quantity = 0.0;
    double unitCost = 0.0;
    double onHand = 0.0;  // the product's stock after the movement
    double avgCost = 0.0; // the product's average cost after the movement
    double price = 0.0;   // 0 when the statement does not select it
    double value = 0.0;   // onHand * avgCost

    // Both are local times: comparing them as read keeps reading the rows free of time zone work.
    bool IsBefore(const QDateTime& bound) const
    {
        return day < bound.date() || (day == bound.date() && time < bound.time());
    }
};

// Gives the next item read (a report of a decade reads a million, one at a time rather than all
// held at once); false after the last.
using ReportItemSource = std::function<bool(ReportItem& item)>;
