#include "ReportRange.h"

// startOfDay, not midnight: where clocks skip midnight the day starts at its first real moment.
ReportRange ReportRange::Days(const QDate& first, const QDate& last)
{
    return {first.startOfDay(), last.addDays(1).startOfDay()};
}

QString ReportRange::BoundText(const QDateTime& bound)
{
    return bound.date().toString(QStringLiteral("yyyy-MM-dd 00:00:00"));
}
