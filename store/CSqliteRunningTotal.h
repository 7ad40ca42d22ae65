#pragma once

#include "RunningTotal.h"

#include <cstdint>
#include <string>
#include <vector>

class CDbEngine;
struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

// Writes a RunningTotal into a SQLite book. One UPDATE walks the order's index and sums as it
// goes, writing each changed row where it stands: about what a plain UPDATE of the same rows
// costs. SQLite does not promise the order an UPDATE visits its rows in, so each row is checked
// against the order read from the index first; from a row out of order on (another plan), nothing
// more is written, and the rows are read in order and the rest written by a second statement.
class CSqliteRunningTotal
{
public:
    // Makes the SQL functions the writes call known to the connection.
    void Register(sqlite3* db);
    bool Write(CDbEngine& engine, const RunningTotal& total);

private:
    struct Pending
    {
        int64_t rowid;
        double value;
    };

    // False when the statement failed; visitedInOrder false when the rows were not visited in
    // the total's order (the caller then writes in two passes).
    bool WriteInOnePass(CDbEngine& engine, const RunningTotal& total, bool& visitedInOrder);
    bool ReadOrder(CDbEngine& engine, const RunningTotal& total);
    bool WriteInTwoPasses(CDbEngine& engine, const RunningTotal& total);
    void Start(const RunningTotal& total);
    // Adds a row's amount; true, noting its new value, when the stored one differs.
    bool Add(int64_t rowid, double amount, bool stored, double storedValue);

    static void Accumulate(sqlite3_context* context, int count, sqlite3_value** arguments);
    static void PendingValue(sqlite3_context* context, int count, sqlite3_value** arguments);

    double m_sum = 0;
    double m_divisor = 1;
    // The rowids in the total's order, and how many of them the UPDATE visited in that order.
    std::vector<int64_t> m_order;
    size_t m_visited = 0;
    bool m_inOrder = true;
    // The changed rows and their values, in the order noted; sorted by rowid only when a look-up
    // asks for another row than the one noted last.
    std::vector<Pending> m_pending;
    bool m_sorted = true;
    size_t m_next = 0;
};
