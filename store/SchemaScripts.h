#pragma once

#include <QString>

// The six schema scripts of the data file, one statement per line, each line ended by a line
// feed: 1 the Version table; 2 AutoNumber, Categories, Customer; 3 Item, PayeeType; 4 Tax,
// Transaction; 5 TransItem, TransType; 6 Vendor. Every table is dropped, created, indexed on its
// key as [PrimaryKey] and seeded.
constexpr int kSchemaScriptCount = 6;

// The text of script 1 to 6; empty for any other number.
QString SchemaScript(int number);
