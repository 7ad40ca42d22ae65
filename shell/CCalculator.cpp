#include "CCalculator.h"

#include "LocaleNumber.h"
#include "NumberBounds.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {
// Typed decimals beyond this place add nothing.
constexpr int kMaxDecimalPlaces = 3;

// Two decimals, rounded half up on the third of the six that printf gives: the rounding the
// display has always shown (1.005, stored as 1.00499999..., prints 1.005000 and shows 1.01).
// Counted in whole cents, which a double holds exactly within the bound.
double RoundedAsDisplayed(double value)
{
    char printed[64];
    const int length = std::snprintf(printed, sizeof printed, "%.6f", std::fabs(value));
    const char* point = printed + length - 7;
    int64_t whole = 0;
    std::from_chars(printed, point, whole);
    const int64_t cents = whole * 100 + (point[1] - '0') * 10 + (point[2] - '0') + (point[3] >= '5' ? 1 : 0);
    if (cents == 0) {
        return 0.0;
    }
    return (value < 0 ? -cents : cents) / 100.0;
}
} // namespace

CCalculator::CCalculator(double start) : m_accumulator(start)
{
    CheckBounds();
}

void CCalculator::PressDigit(int d)
{
    if (m_error || d < 0 || d > 9) {
        return;
    }
    double entry = m_entryActive ? m_entry : 0.0;
    int places = m_entryActive ? m_decimalPlaces : 0;
    // Digits after "+/-" lengthen the number on its own side of zero: -4 then 5 is -45.
    const double signedDigit = std::signbit(entry) ? -d : d;
    if (!m_decimalMode) {
        entry = entry * 10 + signedDigit;
    } else if (places < kMaxDecimalPlaces) {
        ++places;
        entry += signedDigit * std::pow(10.0, -places);
    }
    // A digit the book could not take is refused; the entry stays as it was.
    if (!IsWithinBounds(entry)) {
        return;
    }
    m_entry = entry;
    m_decimalPlaces = places;
    m_entryActive = true;
}

void CCalculator::PressPoint()
{
    m_decimalMode = true;
}

void CCalculator::PressNegate()
{
    if (m_entryActive) {
        m_entry = -m_entry;
    } else {
        m_accumulator = -m_accumulator;
    }
}

void CCalculator::PressClearEntry()
{
    if (m_entryActive) {
        // The next digit starts a fresh number, not a decimal of the cleared one.
        m_entry = 0.0;
        RestartDecimals();
    } else {
        m_accumulator = 0.0;
    }
}

void CCalculator::PressClear()
{
    m_accumulator = 0.0;
    m_entry = 0.0;
    m_pending = Operator::None;
    m_error = false;
    m_entryActive = false;
    RestartDecimals();
}

void CCalculator::RestartDecimals()
{
    m_decimalMode = false;
    m_decimalPlaces = 0;
}

void CCalculator::EnterErrorState()
{
    m_error = true;
    m_entryActive = false;
    m_decimalMode = false;
    m_pending = Operator::None;
}

// A total the book would refuse (or infinity) is an error like a division by zero, never a
// number handed to a price or a quantity. Entries cannot pass the bound: their digits are refused.
void CCalculator::CheckBounds()
{
    if (!IsWithinBounds(m_accumulator)) {
        EnterErrorState();
    }
}

void CCalculator::Evaluate()
{
    if (m_entryActive) {
        switch (m_pending) {
        case Operator::None:
            m_accumulator = m_entry;
            break;
        case Operator::Add:
            m_accumulator = m_entry + m_accumulator;
            break;
        case Operator::Subtract:
            m_accumulator = m_accumulator - m_entry;
            break;
        case Operator::Multiply:
            m_accumulator = m_entry * m_accumulator;
            break;
        case Operator::Divide:
            if (m_entry == 0.0) {
                EnterErrorState();
                return;
            }
            m_accumulator = m_accumulator / m_entry;
            break;
        }
    }
    m_entryActive = false;
    m_decimalMode = false;
    CheckBounds();
}

void CCalculator::PressOperator(Operator op)
{
    if (m_error) {
        return;
    }
    Evaluate();
    if (!m_error) {
        m_pending = op;
    }
}

void CCalculator::PressEquals()
{
    PressOperator(Operator::None);
}

void CCalculator::PressPercent()
{
    if (m_error) {
        return;
    }
    if (m_entryActive) {
        switch (m_pending) {
        case Operator::None:
            m_accumulator = m_entry * 0.01;
            break;
        case Operator::Add:
            m_accumulator = (m_entry * 0.01 + 1) * m_accumulator;
            break;
        case Operator::Subtract:
            m_accumulator = m_accumulator - m_entry * m_accumulator * 0.01;
            break;
        case Operator::Multiply:
            m_accumulator = m_entry * m_accumulator * 0.01;
            break;
        case Operator::Divide:
            if (m_entry == 0.0) {
                EnterErrorState();
                return;
            }
            m_accumulator = m_accumulator / m_entry * 100;
            break;
        }
    }
    m_entryActive = false;
    m_decimalMode = false;
    m_pending = Operator::None;
    CheckBounds();
}

bool CCalculator::PressOk()
{
    if (m_pending == Operator::None) {
        return false;
    }
    PressEquals();
    return true;
}

double CCalculator::DisplayedNumber() const
{
    return RoundedAsDisplayed(m_entryActive ? m_entry : m_accumulator);
}

std::optional<double> CCalculator::Result() const
{
    if (m_error) {
        return std::nullopt;
    }
    return DisplayedNumber();
}

QString CCalculator::DisplayText() const
{
    if (m_error) {
        return QStringLiteral("ERROR");
    }
    QString text = FormatLocaleNumber("%.2lf", DisplayedNumber());
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    return text;
}

QString CCalculator::DecimalKeyText()
{
    const QString separator = QLocale().decimalPoint().left(64);
    return separator.isEmpty() ? QStringLiteral(".") : separator;
}
