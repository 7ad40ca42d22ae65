#pragma once

struct sqlite3_stmt;

// The floors of the benchmarks: what plain SQLite costs for the same rows.

// Steps through every row of stmt reading every column (texts by their length), then resets it;
// the sum keeps the compiler from skipping the reads.
double ReadAllRows(sqlite3_stmt* stmt);
