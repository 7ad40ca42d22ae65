#pragma once

#include <QString>

// The shortest text with a "." decimal point that reads back to exactly the same double
// ("0.1", "2.5", "1234", "1e-07"); independent of any locale.
QString ShortestNumberText(double value);
