#pragma once

#include <QDate>
#include <QString>

// The texts of report cells. Numbers are C printf texts whatever the locale: a "." point, no
// grouping, and printf's rounding (2.125 gives "2.12"), so a saved report reads the same
// everywhere.

// "%.2lf"
QString MoneyText(double value);
// "%.0lf" when the value is whole, "%.2lf" otherwise.
QString QuantityText(double value);
// "%.2f%%"
QString PercentText(double value);
// The locale's short date; under the C locale, which has no user form, "M/D/YY" (7 March 2005
// gives "3/7/05").
QString DateCellText(const QDate& date);
