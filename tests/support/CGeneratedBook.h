#pragma once

#include <QDate>
#include <QString>

class CInventoryDoc;

// A large book made fast, for benchmarks and for tests of how the window copes with one:
// products P0000 up, and movements (TransItem rows, one to five per transaction, purchases and
// sales) spread evenly over the days, written straight into the book's file (not a server book).
class CGeneratedBook
{
public:
    enum class Derive
    {
        Yes, // the running stock and values replayed, as posting would leave them
        No   // left at zero, for reading only
    };

    static constexpr int kProducts = 1000;

    // Into the open, empty book of doc; false when a row cannot be written.
    static bool Write(CInventoryDoc& doc, int movements, const QDate& first, const QDate& last,
                      int products = kProducts, Derive derive = Derive::Yes);
    static QString ProductCode(int product);
};
