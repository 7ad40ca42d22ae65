#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// The two CSV formats of the list exchange: their header lines and what each field holds.
namespace ExchangeLayout {

// Customers and vendors: each field's header text and the PayeeRecord text it holds (Country
// has no field).
inline constexpr std::array<std::pair<const char*, int>, 10> kPayeeFields = {{
    {"Company", 0},
    {"Street Address", 1},
    {"City", 2},
    {"State", 3},
    {"Zip Code", 4},
    {"Contact Name", 6},
    {"Phone", 7},
    {"Fax", 8},
    {"Email", 9},
    {"Note", 10},
}};

// Products: the fields in order.
enum ProductField
{
    kProductName,
    kProductDesc,
    kCategory,
    kSalePrice,
    kOnHand,
    kSaleTax,
    kUnitCost,
    kVendor,
    kNote,
    kProductFieldCount
};

inline constexpr std::array<const char*, kProductFieldCount> kProductHeader = {
    "Product Name", "Product Desc", "Category", "Sale Price", "On Hand", "Sale Tax", "Unit Cost", "Vendor", "Note"};

inline QStringList PayeeHeader()
{
    QStringList header;
    for (const auto& field : kPayeeFields) {
        header << QLatin1String(field.first);
    }
    return header;
}

inline QStringList ProductHeader()
{
    QStringList header;
    for (const char* text : kProductHeader) {
        header << QLatin1String(text);
    }
    return header;
}

} // namespace ExchangeLayout
