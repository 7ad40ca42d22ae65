#include "ProductRowTexts.h"

#include "LocaleNumber.h"

#include <algorithm>
#include <optional>
#include <utility>

ProductRowTexts ProductRowTexts::Of(const ItemRecord& item)
{
    ProductRowTexts texts;
    texts.name = item.ProductID;
    texts.category = item.CategoryName;
    texts.description = item.ProductDesc;
    texts.salePrice = FormatLocaleNumber("%.2lf", item.SalePrice);
    texts.onHand = FormatGroupedQuantity(item.UnitsOnHand);
    texts.avgCost = FormatLocaleNumber("%.2lf", item.AvgCost);
    texts.value = FormatLocaleNumber("%.2lf", item.AvgCost * item.UnitsOnHand);
    return texts;
}

namespace {

// The smallest and largest of the numbers given to it.
struct Range
{
    std::optional<std::pair<double, double>> bounds;

    void Add(double value)
    {
        bounds = bounds ? std::pair(std::min(bounds->first, value), std::max(bounds->second, value))
                        : std::pair(value, value);
    }
};

} // namespace

ProductRowTexts::NumberExtremes ProductRowTexts::ExtremesOf(const QList<ItemRecord>& items)
{
    Range price, cost, value, wholeQuantity, fractionalQuantity;
    for (const ItemRecord& item : items) {
        price.Add(item.SalePrice);
        cost.Add(item.AvgCost);
        value.Add(item.AvgCost * item.UnitsOnHand);
        (IsWholeNumber(item.UnitsOnHand) ? wholeQuantity : fractionalQuantity).Add(item.UnitsOnHand);
    }
    NumberExtremes extremes;
    for (const Range& money : {price, cost, value}) {
        if (money.bounds) {
            extremes.amounts << FormatLocaleNumber("%.2lf", money.bounds->first)
                             << FormatLocaleNumber("%.2lf", money.bounds->second);
        }
    }
    for (const Range& quantity : {wholeQuantity, fractionalQuantity}) {
        if (quantity.bounds) {
            extremes.quantities << FormatGroupedQuantity(quantity.bounds->first)
                                << FormatGroupedQuantity(quantity.bounds->second);
        }
    }
    return extremes;
}
