#include "NumberBounds.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>

namespace {

// The digits of a number in C form ("-1234.5"), or nothing when text breaks the grammar.
std::optional<QByteArray> CanonicalDigits(QString text, const QString& decimal, const QString& group,
                                          const QString& minus, const QString& plus)
{
    text = text.trimmed();
    QByteArray out;
    if (text.startsWith(minus)) {
        out += '-';
        text.remove(0, minus.size());
    } else if (text.startsWith(plus)) {
        text.remove(0, plus.size());
    } else if (text.startsWith(QLatin1Char('-'))) {
        out += '-';
        text.remove(0, 1);
    }
    const qsizetype point = decimal.isEmpty() ? -1 : text.indexOf(decimal);
    const QString whole = point < 0 ? text : text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + decimal.size());
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    if (!digits.match(fraction).hasMatch() || (whole.isEmpty() && fraction.isEmpty())) {
        return std::nullopt;
    }
    // Group separators only between groups of three, counted from the decimal separator.
    const QStringList groups = group.isEmpty() ? QStringList{whole} : whole.split(group);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString& part = groups[i];
        const bool sizeFits =
            i == 0 ? (groups.size() == 1 || (part.size() >= 1 && part.size() <= 3)) : part.size() == 3;
        if (!digits.match(part).hasMatch() || !sizeFits) {
            return std::nullopt;
        }
        out += part.toLatin1();
    }
    if (out.isEmpty() || out == "-") {
        out += '0';
    }
    if (!fraction.isEmpty()) {
        out += '.' + fraction.toLatin1();
    }
    return out;
}

ParsedNumber Checked(const QString& text, const std::optional<QByteArray>& digits)
{
    ParsedNumber parsed;
    double value = 0.0;
    const auto read = digits ? std::from_chars(digits->constData(), digits->constData() + digits->size(), value)
                             : std::from_chars_result{nullptr, std::errc::invalid_argument};
    if (!digits || read.ptr != digits->constData() + digits->size() ||
        (read.ec != std::errc() && read.ec != std::errc::result_out_of_range)) {
        parsed.refusal = NotANumberText(text);
    } else if (read.ec == std::errc::result_out_of_range || !IsWithinBounds(value)) {
        parsed.refusal = OutOfRangeText(text);
        parsed.outOfRange = true;
    } else {
        parsed.value = value;
    }
    return parsed;
}

} // namespace

ParsedNumber ParseUserNumber(const QString& text)
{
    const QLocale locale;
    return Checked(text, CanonicalDigits(text, locale.decimalPoint(), locale.groupSeparator(), locale.negativeSign(),
                                         locale.positiveSign()));
}

ParsedNumber ParsePlainNumberText(const QString& text)
{
    return Checked(text,
                   CanonicalDigits(text, QStringLiteral("."), QString(), QStringLiteral("-"), QStringLiteral("+")));
}

QString NotANumberText(const QString& text)
{
    return QStringLiteral("'%1' is not a number.").arg(text);
}

QString OutOfRangeText(const QString& text)
{
    return QStringLiteral("'%1' is out of range: numbers may be at most 1,000,000,000,000 in size.").arg(text);
}

QString AmountOutOfRangeText(const QString& what, const QString& amount)
{
    return QStringLiteral("%1, %2, is out of range: amounts may be at most 1,000,000,000,000.").arg(what, amount);
}
