#pragma once

#include <QString>

#include <optional>

// A whole number as scripts write it ("-12"), the whole text a number within 32 bits.
std::optional<int> ParsePlainInteger(const QString& text);
