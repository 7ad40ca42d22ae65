#pragma once

#include "CDbVariant.h"

#include <optional>

struct sqlite3_stmt;

// How values of the layer's variant type are stored in, and read from, SQLite columns of a
// declared type (INT, FLOAT, TEXT, DATETIME, BIT): DATETIME holds "YYYY-MM-DD HH:MM:SS" text,
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

CDbVariant ReadColumnValue(sqlite3_stmt* stmt, int column, ColumnKind kind);

// A value as a column of that kind gives it: a text in a DATETIME column is the date it names (a
// text that names none stays text); any other value is returned as it is.
CDbVariant ValueOfKind(const CDbVariant& value, ColumnKind kind);

// Binds the value to the 1-based parameter; false when SQLite refuses it.
bool BindValue(sqlite3_stmt* stmt, int parameter, const CDbVariant& value);
