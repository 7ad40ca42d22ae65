#pragma once

#include <QDateTime>
#include <QString>

class CInventoryDoc;

// A busy shop's book written straight into its data file, for benchmarks and for tests that need
// a book too large to post: `products` products (GeneratedProductCode(0), ...) and `movements`
// TransItem rows, one to five per transaction, purchases and sales in the same random order every
// time, dated evenly from start to end, with their Transaction rows and the counters, in one
// transaction. Nothing is derived: on-hand, average cost and running value are left for the book's
// replays. The book is a file with the schema installed; false when a row cannot be written.
bool WriteGeneratedMovements(CInventoryDoc& doc, int products, int movements, const QDateTime& start,
                             const QDateTime& end);
QString GeneratedProductCode(int product);
