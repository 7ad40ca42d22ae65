#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The days a report covers, as two points in time: the local midnight that starts the first day
// and the local midnight that starts the day after the last one, so the last day is covered
// whole even when a change of clocks makes it 23 or 25 hours long.
struct ReportRange
{
    QDateTime from;
    QDateTime to;

    static ReportRange Days(const QDate& first, const QDate& last);

    // The bounds as the report statements compare them with TransDate: each bound's local date at
    // midnight in the store's form ("2026-01-09 00:00:00").
    QString FromText() const { return BoundText(from); }
    QString ToText() const { return BoundText(to); }

private:
    static QString BoundText(const QDateTime& bound);
};
