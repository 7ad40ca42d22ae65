#pragma once

#include "DateCellText.h"

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
// Dates: DateCellText, shared with the entry form.
