#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// TransType codes of Transaction and TransItem rows.
constexpr int32_t kTransPurchase = 0;
constexpr int32_t kTransSale = 1;
constexpr int32_t kTransAdjustment = 2;
constexpr int32_t kTransOpeningBalance = 3;

// The date text written into TransDate: year/month/day hour:minute:second without leading zeros.
inline QString TransDateText(const QDateTime& date)
{
    return QString::asprintf("%d/%d/%d %d:%d:%d", date.date().year(), date.date().month(), date.date().day(),
                             date.time().hour(), date.time().minute(), date.time().second());
}
