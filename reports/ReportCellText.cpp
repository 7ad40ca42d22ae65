#include "ReportCellText.h"

#include "LocaleNumber.h"

#include <QLocale>

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

QString DateCellText(const QDate& date)
{
    const QLocale locale;
    if (locale.language() != QLocale::C) {
        const QString text = locale.toString(date, QLocale::ShortFormat);
        if (!text.isEmpty()) {
            return text;
        }
    }
    const int year = date.year() % 100;
    return QString::asprintf(year < 10 ? "%d/%d/0%d" : "%d/%d/%d", date.month(), date.day(), year);
}
