#include "ColumnValue.h"

#include "DateText.h"
#include "NumberText.h"

#include <charconv>
#include <cmath>

ColumnKind ColumnKindOf(const QString& declaredType)
{
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME"))) {
        return ColumnKind::DateTime;
    }
    if (type == QLatin1String("BIT") || type.startsWith(QLatin1String("BOOL"))) {
        return ColumnKind::Bool;
    }
    if (type.contains(QLatin1String("INT"))) {
        return ColumnKind::Integer;
    }
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
        type.contains(QLatin1String("TEXT"))) {
        return ColumnKind::Text;
    }
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
        type.contains(QLatin1String("DOUB"))) {
        return ColumnKind::Real;
    }
    return ColumnKind::Any;
}

namespace {

// A text that is wholly a number in the "." form, as SQLite's numeric affinity would take it.
std::optional<double> PlainNumber(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    if (result.ec != std::errc() || result.ptr != bytes.constData() + bytes.size()) {
        return std::nullopt;
    }
    return value;
}

bool IsWhole32(double value)
{
    return std::isfinite(value) && value == std::trunc(value) && value >= -2147483648.0 && value <= 2147483647.0;
}

CDbVariant AsNumber(double value, bool preferInteger)
{
    if (preferInteger && IsWhole32(value)) {
        return CDbVariant(static_cast<int32_t>(value));
    }
    return CDbVariant(value);
}

} // namespace

QString StoredText(const CDbVariant& value)
{
    switch (value.GetKind()) {
    case CDbVariant::Kind::Double:
        return ShortestNumberText(value.ToDouble());
    case CDbVariant::Kind::DateTime:
        return StoreDateText(value.ToDateTime());
    case CDbVariant::Kind::Text:
        return value.ToText();
    default:
        return QString::number(value.ToInt32());
    }
}

namespace {

std::optional<CDbVariant> FitNumeric(const CDbVariant& value, bool preferInteger)
{
    switch (value.GetKind()) {
    case CDbVariant::Kind::Int32:
    case CDbVariant::Kind::Double:
    case CDbVariant::Kind::Bool:
        return AsNumber(value.ToDouble(), preferInteger);
    case CDbVariant::Kind::Text:
        if (const auto number = PlainNumber(value.ToText())) {
            return AsNumber(*number, preferInteger);
        }
        return value;
    case CDbVariant::Kind::DateTime:
        return CDbVariant(StoreDateText(value.ToDateTime()));
    default:
        return value;
    }
}

} // namespace

std::optional<CDbVariant> FitToColumn(const CDbVariant& value, ColumnKind kind)
{
    if (value.IsNull()) {
        return value;
    }
    switch (kind) {
    case ColumnKind::DateTime:
        if (value.GetKind() == CDbVariant::Kind::DateTime) {
            return value;
        }
        if (value.GetKind() == CDbVariant::Kind::Text) {
            if (const auto date = ParseStoreDate(value.ToText())) {
                return CDbVariant(*date);
            }
        }
        return std::nullopt;
    case ColumnKind::Bool:
        if (value.GetKind() == CDbVariant::Kind::Text && !PlainNumber(value.ToText())) {
            return std::nullopt;
        }
        return CDbVariant::FromBool(value.GetKind() == CDbVariant::Kind::Text ? *PlainNumber(value.ToText()) != 0
                                                                              : value.ToBool());
    case ColumnKind::Integer:
        return FitNumeric(value, true);
    case ColumnKind::Real:
        return FitNumeric(value, false);
    case ColumnKind::Text:
        return CDbVariant(StoredText(value));
    case ColumnKind::Any:
        return value;
    }
    return value;
}

CDbVariant ValueOfKind(const CDbVariant& value, ColumnKind kind)
{
    if (kind == ColumnKind::DateTime && value.GetKind() == CDbVariant::Kind::Text) {
        if (const auto date = ParseStoreDate(value.ToText())) {
            return CDbVariant(*date);
        }
    }
    return value;
}
