#include "FloorReads.h"

#include <sqlite3.h>

double ReadAllRows(sqlite3_stmt* stmt)
{
    const int columns = sqlite3_column_count(stmt);
    double sum = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int column = 0; column < columns; ++column) {
            if (sqlite3_column_type(stmt, column) == SQLITE_TEXT) {
                sum += sqlite3_column_bytes(stmt, column);
            } else {
                sum += sqlite3_column_double(stmt, column);
            }
        }
    }
    sqlite3_reset(stmt);
    return sum;
}
