#include "CCalculator.h"

#include "LocaleNumber.h"

#include <QLocale>

#include <cmath>

namespace {
// Typed decimals beyond this place add nothing.
constexpr int kMaxDecimalPlaces = 3;
} // namespace

CCalculator::CCalculator(double start) : m_accumulator(start)
{
    CheckFinite();
}

void CCalculator::PressDigit(int d)
{
    if (m_error || d < 0 || d > 9) {
        return;
    }
    if (!m_entryActive) {
        m_entry = 0.0;
        m_decimalPlaces = 0;
    }
    // Digits after "+/-" lengthen the number on its own side of zero: -4 then 5 is -45.
    const double signedDigit = std::signbit(m_entry) ? -d : d;
    if (m_decimalMode) {
        if (m_decimalPlaces < kMaxDecimalPlaces) {
            ++m_decimalPlaces;
            m_entry += signedDigit * std::pow(10.0, -m_decimalPlaces);
        }
    } else {
        m_entry = m_entry * 10 + signedDigit;
    }
    m_entryActive = true;
    CheckFinite();
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

// A total beyond the range of a double would read back as infinity: it is an error like a
// division by zero, never a number handed to a price or a quantity.
void CCalculator::CheckFinite()
{
    if (!std::isfinite(m_accumulator) || !std::isfinite(m_entry)) {
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
    CheckFinite();
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
    CheckFinite();
}

bool CCalculator::PressOk()
{
    if (m_pending == Operator::None) {
        return false;
    }
    PressEquals();
    return true;
}

double CCalculator::Result() const
{
    return ParseLocaleNumber(DisplayText());
}

QString CCalculator::DisplayText() const
{
    if (m_error) {
        return QStringLiteral("ERROR");
    }
    QString text = FormatLocaleNumber("%lf", m_entryActive ? m_entry : m_accumulator);
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
