#pragma once

#include "CCsvRecordImporter.h"
#include "ItemRecord.h"

#include <QHash>

#include <cstdint>
#include <optional>

class CInventoryDoc;

// The records of a product file (see ExchangeLayout). The category is required; an empty sale
// tax is "None"; an empty vendor is none. A category, tax (rate 0) or vendor not in its list yet
// is created once and found by the lines after it. A product already in the list (letter case
// aside, as the setup dialog compares names) is rewritten with the line's values, its average
// cost kept, and a changed quantity on hand is posted as an adjustment of the difference; any
// other line adds a product with an opening balance of its quantity, also of 0.
//
// Numbers are read as a person types them in the user's locale, within the book's bounds; an
// empty number field is 0. A line with a number field that is no number, or out of range,
// without a product name or category, with a control character where its field allows none, or
// that the store refuses stops the import.
class CProductImport final : public CCsvRecordImporter
{
public:
    explicit CProductImport(CInventoryDoc& doc) : m_doc(doc) {}

    int FieldCount() const override;
    QString ProgressText() const override;
    void Begin() override;
    LineResult Import(const QStringList& cells, int line) override;
    void Reload() override;

private:
    // An id by name from the index, or a new one; create writes the new row and says whether it could.
    // Nothing, after the stop message with failure, when the store refused the new row.
    template <typename Create>
    std::optional<int32_t> FindOrCreate(QHash<QString, int32_t>& index, int32_t& next, const QString& name,
                                        const Create& create, const QString& failure, int line);
    // The id of the category, the tax ("None" for no name) and the vendor (-1 for no name).
    std::optional<int32_t> CategoryID(const QString& name, int line);
    std::optional<int32_t> TaxID(const QString& name, int line);
    std::optional<int32_t> VendorID(const QString& name, int line);
    std::optional<ItemRecord> ReadLine(const QStringList& fields, int line);
    std::optional<double> ReadNumber(const QString& text, int line);
    // Nothing when the store refused the row.
    std::optional<LineResult> Add(const QString& key, const ItemRecord& product);
    std::optional<LineResult> Update(ItemRecord& stored, ItemRecord product);
    bool WriteRow(const QString& storedID, const ItemRecord& product);

    CInventoryDoc& m_doc;
    QHash<QString, int32_t> m_categories;
    QHash<QString, int32_t> m_taxes;
    QHash<QString, int32_t> m_vendors;
    QHash<QString, ItemRecord> m_products;
    int32_t m_nextCategoryID = 0;
    int32_t m_nextTaxID = 0;
    int32_t m_nextVendorID = 1;
};
