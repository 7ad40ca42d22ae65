#pragma once

#include <QString>

#include <optional>

// Numbers as scripts write them: a "." point, no grouping, the whole text a number.
std::optional<double> ParsePlainNumber(const QString& text);
std::optional<int> ParsePlainInteger(const QString& text);
