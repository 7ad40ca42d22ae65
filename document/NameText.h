#pragma once

#include <QString>

// Names of categories, taxes, products and payees are stored trimmed and in Unicode NFC, so a
// name typed with a precomposed letter and one typed with a combining mark are one name.
QString NormalizedName(const QString& text);

// True when two names are the same name: equal after NFC and full Unicode case folding.
bool SameName(const QString& a, const QString& b);

// The form in which same names are equal, for finding names by hash (SameName(a, b) is
// NameKey(a) == NameKey(b)).
QString NameKey(const QString& name);
