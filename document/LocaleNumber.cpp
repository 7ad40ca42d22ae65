#include "LocaleNumber.h"

#include "NumberBounds.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// strtod's reading of a "." text: leading blanks, an optional sign, the longest number.
double LeadingNumber(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(*begin))) {
        ++begin;
    }
    bool negative = false;
    if (begin < end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    double value = 0.0;
    if (std::from_chars(begin, end, value).ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

// Adds one unit in the last place of a decimal digit string; true when it carried out of it.
bool IncrementDigits(QString& digits)
{
    for (int i = static_cast<int>(digits.size()) - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return false;
        }
        digits[i] = QLatin1Char('0');
    }
    return true;
}

QString GroupDigits(const QString& digits, const QString& separator)
{
    QString grouped;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits[i];
    }
    return grouped;
}

// The locale's number form of a printf text made of digits, one "." and a leading minus, with
// the given number of decimals; nothing for any other text. Rounds half up on the decimal
// digits, as the text reads.
std::optional<QString> LocaleNumberForm(const QString& printed, int decimals = 2)
{
    static const QRegularExpression plain(QStringLiteral(R"(^(-?)(\d*)\.(\d*)$)"));
    const QRegularExpressionMatch match = plain.match(printed);
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0)) {
        return std::nullopt;
    }
    const QLocale locale;
    QString whole = match.captured(2).isEmpty() ? QStringLiteral("0") : match.captured(2);
    QString fraction = (match.captured(3) + QString(decimals, QLatin1Char('0'))).left(decimals);
    const QString dropped = match.captured(3).mid(decimals);
    if (!dropped.isEmpty() && dropped[0] >= QLatin1Char('5')) {
        QString digits = whole + fraction;
        if (IncrementDigits(digits)) {
            digits.prepend(QLatin1Char('1'));
        }
        whole = digits.chopped(decimals);
        fraction = digits.right(decimals);
    }
    const bool zero = !(whole + fraction).contains(QRegularExpression(QStringLiteral("[1-9]")));
    const QString sign = match.capturedLength(1) > 0 && !zero ? locale.negativeSign() : QString();
    return sign + GroupDigits(whole, locale.groupSeparator()) + locale.decimalPoint() + fraction;
}

} // namespace

double ParseLocaleNumber(const QString& text)
{
    const QLocale locale;
    QString decimal = locale.decimalPoint().left(20);
    QString group = locale.groupSeparator().left(20);
    if (decimal.isEmpty()) {
        decimal = QStringLiteral(".");
    }
    if (group.isEmpty()) {
        group = QStringLiteral(",");
    }
    QString plain = text;
    plain.remove(group);
    plain.replace(decimal, QStringLiteral("."));
    return LeadingNumber(plain);
}

QString FormatLocaleNumber(const char* format, double value)
{
    const QString printed = QString::asprintf(format, value);
    if (!printed.contains(QLatin1Char('.'))) {
        return printed;
    }
    return LocaleNumberForm(printed).value_or(printed);
}

QString LocaleFormOfPlainNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral(R"(^(-?)(\d+)(?:\.(\d+))?(%?)$)"));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch()) {
        return text;
    }
    const QLocale locale;
    QString shown = match.capturedLength(1) > 0 ? locale.negativeSign() : QString();
    shown += GroupDigits(match.captured(2), locale.groupSeparator());
    if (match.capturedLength(3) > 0) {
        shown += locale.decimalPoint() + match.captured(3);
    }
    return shown + match.captured(4);
}

QString FormatRate(double rate)
{
    const QString thousandths = QString::asprintf("%.3f", rate);
    const int decimals = thousandths.endsWith(QLatin1Char('0')) ? 2 : 3;
    return LocaleNumberForm(thousandths, decimals).value_or(thousandths);
}

double CentsOf(double value)
{
    return std::floor(value * 100 + 0.5);
}

double RoundToCents(double value)
{
    // Dividing gives the double nearest to the whole cents; multiplying by 0.01 can miss it by a
    // unit in the last place (0.57 would be stored as 0.5700000000000001).
    return CentsOf(value) / 100;
}

bool IsWholeNumber(double value)
{
    return IsWithinBounds(value) && value == std::trunc(value);
}

QString FormatQuantity(double value)
{
    return FormatLocaleNumber(IsWholeNumber(value) ? "%.0lf" : "%.2lf", value);
}

QString FormatGroupedQuantity(double value)
{
    const QString text = FormatQuantity(value);
    return IsWholeNumber(value) ? LocaleFormOfPlainNumber(text) : text;
}

int32_t TextToLong(const QString& text)
{
    const QString trimmed = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == QLatin1Char('+') || trimmed[i] == QLatin1Char('-'))) {
        negative = trimmed[i] == QLatin1Char('-');
        ++i;
    }
    int64_t value = 0;
    for (; i < trimmed.size() && trimmed[i] >= QLatin1Char('0') && trimmed[i] <= QLatin1Char('9'); ++i) {
        value = std::min<int64_t>(value * 10 + (trimmed[i].unicode() - '0'), int64_t{1} << 32);
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
