#pragma once

#include "CCsvImport.h"

#include <QString>

#include <optional>

class CInventoryDoc;

// The import and export of the three lists, as the File menu and quillet-cli run them: each asks
// the document's prompter for its file.
class CListExchange
{
public:
    enum class List
    {
        Customers,
        Vendors,
        Products
    };

    static CCsvImport::Result Import(CInventoryDoc& doc, List list);
    // True when the file was written.
    static bool Export(CInventoryDoc& doc, List list);

    // "customers", "vendors", "products" and back.
    static QString Word(List list);
    static std::optional<List> FromWord(const QString& word);
};
