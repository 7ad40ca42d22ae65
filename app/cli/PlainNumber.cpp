#include "PlainNumber.h"

#include <charconv>
#include <cmath>

std::optional<double> ParsePlainNumber(const QString& text)
{
    QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.startsWith('+')) {
        bytes.remove(0, 1);
    }
    double value = 0;
    const auto result = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    if (bytes.isEmpty() || result.ec != std::errc() || result.ptr != bytes.constData() + bytes.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParsePlainInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
