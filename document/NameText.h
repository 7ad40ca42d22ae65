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

// Whether a field is one line (names, cities, numbers) or may run over several (notes, addresses).
enum class TextLines
{
    One,
    Many
};

// Why the text cannot be stored in the field named caption ("company name"): it holds a control
// character (C0, DEL or C1: bell, escape, ...), which lists and terminals would show raw or obey.
// A multi-line field may hold tabs and line breaks; a one-line field may not. Empty when it can.
QString ControlCharacterRefusal(const QString& caption, const QString& text, TextLines lines);
// Why a list's name (a category's, a tax's) cannot be stored: emptyRefusal when it is empty, else
// the control-character refusal of its one line. Empty when it can.
QString ListNameRefusal(const QString& caption, const QString& emptyRefusal, const QString& name);
