#pragma once

#include "CPayeeSetup.h"

class CCsvFileWriter;
class CInventoryDoc;

// The customer or vendor list as a CSV file (see ExchangeLayout): the header line, then one line
// per payee in list order (by company name; the own company is no vendor of the list).
class CPayeeExport
{
public:
    CPayeeExport(CInventoryDoc& doc, CPayeeSetup::Kind kind) : m_doc(doc), m_kind(kind) {}

    void WriteRows(CCsvFileWriter& csv) const;
    // Asks where to save ("Customers" or "Vendors" in the documents folder), then writes the
    // file. Shows "Can not open the file" when it cannot be written. True when written.
    bool Run();

private:
    CInventoryDoc& m_doc;
    CPayeeSetup::Kind m_kind;
};
