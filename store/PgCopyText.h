#pragma once

#include "CDbVariant.h"

#include <QByteArray>

#include <vector>

// Rows in the server's text COPY format: fields separated by tabs, a row ended by a line feed, a
// null as \N, and a backslash, tab, line feed or carriage return inside a value escaped with a
// backslash, so that no value can end its field, its row or the data early.

// Appends one field holding value as StoredText writes it (numbers in full, dates in the stored
// form), or \N for a null.
void AppendCopyField(QByteArray& row, const CDbVariant& value);

// One field of a row the server sent: its bytes with escapes undone, or null.
struct CopyField
{
    QByteArray text;
    bool null = false;
};

// Splits a row (its line feed may be there or not) into fields, reusing fields' storage.
void SplitCopyRow(const char* row, qsizetype length, std::vector<CopyField>& fields);
