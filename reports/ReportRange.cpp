#include "ReportRange.h"

// startOfDay, not midnight: where clocks skip midnight the day starts at its first real moment.
ReportRange ReportRange::Days(const QDate& first, const QDate& last)
{
    return {first.startOfDay(), last.addDays(1).startOfDay()};
}

QString ReportRange::BoundText(const QDateTime& bound)
{
    const QDate date = bound.date();
    return QString::asprintf("%d/%d/%d", date.year(), date.month(), date.day());
}
