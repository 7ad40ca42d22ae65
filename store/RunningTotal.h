#pragma once

#include "CDbVariant.h"

#include <QString>
#include <QStringList>

#include <vector>

// A column rewritten as a running total: each row the filter selects, taken in the order given,
// gets (start + the sum of amount over it and every row before it) / divisor. The amounts are
// whole numbers (cents), so the sums are exact on either store and come out the same; a row
// already holding its value is not written.
struct RunningTotal
{
    QString table;
    QString column;
    // An SQL expression over the row's columns (SQLite's dialect, as every statement).
    QString amount;
    // The keys of one order, each an SQL expression; the last is rowid, so no two rows tie.
    QStringList order;
    // An index whose order is that order, for a store that can walk it; empty for none.
    QString index;
    // A WHERE condition with parameters ?1, ?2, ...; empty for every row.
    QString filter;
    std::vector<CDbVariant> parameters;
    double start = 0;
    double divisor = 1;
};
