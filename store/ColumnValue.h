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

// A value as a column of that kind gives it: a text in a DATETIME column is the date it names (a
// text that names none stays text); any other value is returned as it is.
CDbVariant ValueOfKind(const CDbVariant& value, ColumnKind kind);

// The text a value is stored or sent as: numbers in full with a ".", dates in the stored form.
QString StoredText(const CDbVariant& value);
