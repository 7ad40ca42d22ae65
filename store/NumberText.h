#pragma once

#include <QString>

// The shortest text with a "." decimal point that reads back to exactly the same double
// in fixed notation ("0.1", "2.5", "100000", "0.0000001"); independent of any locale.
QString ShortestNumberText(double value);
