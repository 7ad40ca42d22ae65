#include "ProductRowTexts.h"

#include "LocaleNumber.h"

ProductRowTexts ProductRowTexts::Of(const ItemRecord& item)
{
    ProductRowTexts texts;
    texts.name = item.ProductID;
    texts.category = item.CategoryName;
    texts.description = item.ProductDesc;
    texts.salePrice = FormatLocaleNumber("%.2lf", item.SalePrice);
    texts.onHand = FormatQuantity(item.UnitsOnHand);
    texts.avgCost = FormatLocaleNumber("%.2lf", item.AvgCost);
    texts.value = FormatLocaleNumber("%.2lf", item.AvgCost * item.UnitsOnHand);
    return texts;
}
