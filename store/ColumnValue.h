#pragma once

#include "CDbVariant.h"

#include <optional>

struct sqlite3_stmt;

// How values of the layer's variant type are stored in, and read from, SQLite columns of a
// declared type (INT, FLOAT, TEXT, DATETIME, BIT): DATETIME holds "YYYY-MM-DD HH:MM:SS" text,
// BIT holds 0 or 1.

// The value as the column of that declared type will hold it; nothing when it cannot go there
// (a text that is no date into a DATETIME column).
std::optional<CDbVariant> FitToColumn(const CDbVariant& value, const QString& declaredType);

CDbVariant ReadColumnValue(sqlite3_stmt* stmt, int column, const QString& declaredType);

// Binds the value to the 1-based parameter; false when SQLite refuses it.
bool BindValue(sqlite3_stmt* stmt, int parameter, const CDbVariant& value);
