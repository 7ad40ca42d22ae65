#pragma once

#include <QString>

#include <cstdint>

// Number texts as the user sees and types them, in the default QLocale.

// Deletes the locale's group separators, reads its decimal separator as ".", then takes the
// longest leading number (like strtod). "[#Empty#]" and other non-numbers give 0.
double ParseLocaleNumber(const QString& text);

// Formats with the printf-style format (in the C locale); a result holding "." is then given the
// locale's grouping and decimal separator with two decimals. A result the locale formatting does
// not accept (a leading plus sign, "inf") is kept as printf made it.
QString FormatLocaleNumber(const char* format, double value);

// A plain number text as reports hold it ("-3000000000", "1234.50", "16.00%") in the locale's
// form with its grouping ("-3,000,000,000", "1,234.50", "16.00%"); any other text as it is.
QString LocaleFormOfPlainNumber(const QString& text);

// A percentage rate as the user sees it: two decimals, three when it has a third ("8.50",
// "8.875"), in the locale's form; a finer rate shows rounded to three.
QString FormatRate(double rate);

// floor(x * 100 + 0.5): the whole cents of an amount, halves rounded up (-0.125 gives -12).
double CentsOf(double value);
// CentsOf(x) cents: the double nearest to that many hundredths.
double RoundToCents(double value);

// True when the value has no fraction and lies within the numbers the book holds (NumberBounds.h).
bool IsWholeNumber(double value);

// A quantity: no decimals when whole, two otherwise ("3", "2.50", "1,234.50").
QString FormatQuantity(double value);

// A quantity as a list shows it: FormatQuantity, whole numbers grouped too ("3,000,000,000").
QString FormatGroupedQuantity(double value);

// Optional blanks and sign, then the leading digits; 0 when there are none. Clamped to 32 bits.
int32_t TextToLong(const QString& text);
