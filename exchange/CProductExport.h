#pragma once

#include <QString>

class CCsvFileWriter;
class CInventoryDoc;

// The product list as a CSV file (see ExchangeLayout): the header line, then one line per
// product in list order (category, then name), with its sale tax and vendor by name (empty when
// it has none) and its three numbers with two decimals, the locale's decimal separator and no
// grouping, as the import reads them back.
class CProductExport
{
public:
    explicit CProductExport(CInventoryDoc& doc) : m_doc(doc) {}

    // Reads the vendors in id order to find each product's vendor, and in name order again after.
    void WriteRows(CCsvFileWriter& csv);
    // Asks where to save ("Products" in the documents folder), then writes the file. Shows "Can
    // not open the file" when it cannot be written. True when written.
    bool Run();

    // "12.50", or "12,50" under a locale with a decimal comma.
    static QString NumberText(double value);

private:
    QString TaxName(int32_t taxID) const;
    QString VendorName(int32_t payeeID) const;

    CInventoryDoc& m_doc;
};
