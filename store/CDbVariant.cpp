#include "CDbVariant.h"

#include "ComIssueError.h"
#include "DateText.h"
#include "NumberText.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>

CDbVariant CDbVariant::FromBool(bool value)
{
    CDbVariant result;
    result.m_value = value;
    return result;
}

CDbVariant CDbVariant::FromTyped(int32_t value, int typeCode)
{
    switch (typeCode) {
    case kTypeInt32:
    case kTypeError:
        return CDbVariant(value);
    case kTypeBool:
        return FromBool(value != 0);
    default:
        ComIssueError(kErrorInvalidArgument);
        return CDbVariant(value);
    }
}

namespace {
double TextToDouble(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* begin = bytes.constData();
    if (*begin == '+') {
        ++begin;
    }
    double value = 0;
    const auto result = std::from_chars(begin, bytes.constData() + bytes.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

int32_t ClampToInt32(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(value);
}
} // namespace

int32_t CDbVariant::ToInt32() const
{
    switch (GetKind()) {
    case Kind::Int32:
        return std::get<int32_t>(m_value);
    case Kind::Double:
        return ClampToInt32(std::get<double>(m_value));
    case Kind::Bool:
        return std::get<bool>(m_value) ? 1 : 0;
    case Kind::Text:
        return ClampToInt32(TextToDouble(std::get<QString>(m_value)));
    default:
        return 0;
    }
}

double CDbVariant::ToDouble() const
{
    switch (GetKind()) {
    case Kind::Int32:
        return std::get<int32_t>(m_value);
    case Kind::Double:
        return std::get<double>(m_value);
    case Kind::Bool:
        return std::get<bool>(m_value) ? 1.0 : 0.0;
    case Kind::Text:
        return TextToDouble(std::get<QString>(m_value));
    default:
        return 0.0;
    }
}

bool CDbVariant::ToBool() const
{
    switch (GetKind()) {
    case Kind::Bool:
        return std::get<bool>(m_value);
    case Kind::Int32:
    case Kind::Double:
    case Kind::Text:
        return ToDouble() != 0.0;
    default:
        return false;
    }
}

QDateTime CDbVariant::ToDateTime() const
{
    switch (GetKind()) {
    case Kind::DateTime:
        return std::get<QDateTime>(m_value);
    case Kind::Text:
        return ParseStoreDate(std::get<QString>(m_value)).value_or(QDateTime());
    default:
        return QDateTime();
    }
}

QString CDbVariant::ToText() const
{
    const QLocale locale;
    switch (GetKind()) {
    case Kind::Null:
        return EmptyFieldText;
    case Kind::Int32:
        return QString::number(std::get<int32_t>(m_value));
    case Kind::Double: {
        QString text = ShortestNumberText(std::get<double>(m_value));
        return text.replace(QLatin1Char('.'), locale.decimalPoint());
    }
    case Kind::Text:
        return std::get<QString>(m_value);
    case Kind::DateTime: {
        const QDateTime value = std::get<QDateTime>(m_value);
        if (value.time() == QTime(0, 0)) {
            return locale.toString(value.date(), QLocale::ShortFormat);
        }
        return locale.toString(value, QLocale::ShortFormat);
    }
    case Kind::Bool:
        return std::get<bool>(m_value) ? QStringLiteral("1") : QStringLiteral("0");
    }
    return EmptyFieldText;
}
