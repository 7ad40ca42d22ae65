#pragma once

#include <QDate>
#include <QString>

// Dates as lists, reports and the entry form show them: the locale's short date. The C locale has
// no user form; it gets month/day/two-digit year (7 March 2005 gives "3/7/05").

// The format for QLocale::toString and date pickers.
QString DateCellFormat();
QString DateCellText(const QDate& date);
