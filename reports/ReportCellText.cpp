#include "ReportCellText.h"

#include "LocaleNumber.h"

#include <charconv>

// std::to_chars rounds as printf does in the C locale, and no locale setting of the process
// can change its decimal point.
CNumberText::CNumberText(double value, int decimals)
{
    char buffer[kCapacity];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    m_size = result.ec == std::errc() ? result.ptr - buffer : 0;
    for (qsizetype i = 0; i < m_size; ++i) {
        m_text[i] = static_cast<unsigned char>(buffer[i]);
    }
}

QString MoneyText(double value)
{
    return MoneyCell(value).ToString();
}

CNumberText MoneyCell(double value)
{
    return CNumberText(value, 2);
}

QString QuantityText(double value)
{
    return QuantityCell(value).ToString();
}

CNumberText QuantityCell(double value)
{
    return CNumberText(value, IsWholeNumber(value) ? 0 : 2);
}

QString PercentText(double value)
{
    return MoneyText(value) + QLatin1Char('%');
}
