#pragma once

#include "CDbVariant.h"

#include <optional>

// How values of the layer's variant type are stored in, and read from, columns of a declared
// type (INT, FLOAT, TEXT, DATETIME, BIT): DATETIME holds "YYYY-MM-DD HH:MM:SS" (text on a file),
// BIT holds 0 or 1.

enum class ColumnKind
{
    Integer,
    Real,
    Text,
    DateTime,
    Bool,
    Any
};

// The kind of a column by its declared type, as SQLite's affinity rules read it.
ColumnKind ColumnKindOf(const QString& declaredType);

// The value as a column of that kind will hold it; nothing when it cannot go there (a text that
// is no date into a DATETIME column).
std::optional<CDbVariant> FitToColumn(const CDbVariant& value, ColumnKind kind);

// A text value as a column of that kind reads it: a date-time column's text becomes a date.
CDbVariant TextValue(const QString& text, ColumnKind kind);

// The text a value is stored or sent as: numbers in full with a ".", dates in the stored form.
QString StoredText(const CDbVariant& value);
