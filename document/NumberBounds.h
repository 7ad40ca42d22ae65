#pragma once

#include <QString>

#include <cmath>
#include <optional>

// What the book accepts as a number from a person or a file: finite and at most kMaxMagnitude
// in size. Differences smaller than kNoise are float noise, not changes.
inline constexpr double kMaxMagnitude = 1e12;
inline constexpr double kNoise = 1e-9;

inline bool IsWithinBounds(double value)
{
    return std::isfinite(value) && std::fabs(value) <= kMaxMagnitude;
}

inline bool IsNoise(double difference)
{
    return std::fabs(difference) < kNoise;
}

// A number read from text, or why the text was refused (a sentence for the user).
struct ParsedNumber
{
    std::optional<double> value;
    QString refusal;
    bool outOfRange = false; // refused as a number beyond the bounds, not as text that is no number
};

// Reads text typed in the default locale exactly: optional blanks and sign, digits with the
// locale's group separators in their places, the locale's decimal separator, and nothing else.
// "abc", "7,5" under a "." locale, "1e5" and values beyond the bounds are refused.
ParsedNumber ParseUserNumber(const QString& text);

// Reads a plain number as scripts write it whatever the locale: "-12.5", no grouping, no
// exponent. Refused like ParseUserNumber.
ParsedNumber ParsePlainNumberText(const QString& text);

// "'abc' is not a number." / "'2e13' is out of range: at most 1,000,000,000,000."
QString NotANumberText(const QString& text);
QString OutOfRangeText(const QString& text);
// "The line's amount, 2,000,000,000,000.00, is out of range: ..." for what, an amount already
// formatted in the locale.
QString AmountOutOfRangeText(const QString& what, const QString& amount);
