#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>

// One value crossing the record access layer: null, 32-bit integer, double, text, date-time or
// boolean. Copyable and cheap; texts are shared.
class CDbVariant
{
public:
    enum class Kind
    {
        Null,
        Int32,
        Double,
        Text,
        DateTime,
        Bool
    };

    // Type codes accepted by FromTyped.
    static constexpr int kTypeInt32 = 3;
    static constexpr int kTypeError = 10;
    static constexpr int kTypeBool = 11;

    CDbVariant() = default;
    CDbVariant(int32_t value) : m_value(value) {}
    CDbVariant(double value) : m_value(value) {}
    CDbVariant(const QString& value) : m_value(value) {}
    CDbVariant(const char* value) : m_value(QString::fromUtf8(value)) {}
    CDbVariant(const QDateTime& value) : m_value(value) {}
    // A bool would silently become an integer; booleans are built with FromBool.
    CDbVariant(bool) = delete;
    static CDbVariant FromBool(bool value);

    // Builds a value from 32 bits and a type code: 3 integer, 10 error code (kept as its integer),
    // 11 boolean (any non-zero value is true). Any other code is reported through the error hook
    // and yields a 32-bit integer.
    static CDbVariant FromTyped(int32_t value, int typeCode);

    Kind GetKind() const { return static_cast<Kind>(m_value.index()); }
    bool IsNull() const { return GetKind() == Kind::Null; }

    // Conversions never fail: a value that does not convert gives 0, an empty text, false or an
    // invalid date-time.
    int32_t ToInt32() const;
    double ToDouble() const;
    bool ToBool() const;
    QDateTime ToDateTime() const;
    // Text in the user locale's form: numbers with its decimal separator and no grouping, dates
    // in its short form; a null gives "[#Empty#]".
    QString ToText() const;

    bool operator==(const CDbVariant& other) const = default;

private:
    std::variant<std::monostate, int32_t, double, QString, QDateTime, bool> m_value;
};

// The text a null field reads as.
inline const QString EmptyFieldText = QStringLiteral("[#Empty#]");
