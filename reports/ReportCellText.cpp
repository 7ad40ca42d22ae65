#include "ReportCellText.h"

#include "LocaleNumber.h"

#include <charconv>

namespace {

// std::to_chars rounds as printf does in the C locale, and no locale setting of the process
// can change its decimal point.
QString FixedText(double value, int decimals)
{
    char buffer[400];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

QString MoneyText(double value)
{
    return FixedText(value, 2);
}

QString QuantityText(double value)
{
    return FixedText(value, IsWholeNumber(value) ? 0 : 2);
}

QString PercentText(double value)
{
    return FixedText(value, 2) + QLatin1Char('%');
}
