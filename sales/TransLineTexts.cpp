#include "TransLineTexts.h"

#include "LocaleNumber.h"

TransLineTexts TransLineTexts::Of(const TransactionLine& line, bool isSale)
{
    TransLineTexts texts;
    texts.productID = line.ProductID;
    texts.quantity = QString::asprintf(IsWholeNumber(line.Quantity) ? "%.0f" : "%.2lf", line.Quantity);
    texts.description = line.ProductName;
    texts.price = QString::asprintf("%.2lf", line.Price);
    if (isSale && line.TaxName.compare(QLatin1String("NONE"), Qt::CaseInsensitive) != 0) {
        texts.taxName = line.TaxName;
    }
    texts.amount = QString::asprintf("%.2lf", line.ItemTotal);
    return texts;
}
