#pragma once

#include <QString>

#include <optional>

// The key logic of the number pad: a four-function calculator with a percent key. Operators chain
// from left to right without precedence; a division by zero, or a result beyond the book's bound
// on numbers (kMaxMagnitude), puts it in the error state, which shows "ERROR" and ignores digits,
// operators, "=" and "%" until C. A digit that would take the entry beyond the bound is ignored.
//
// The display shows the entry being typed, or else the running total, rounded to two decimals in
// the locale's number format with the trailing zeros of the decimals dropped ("12.5", "12.",
// "0."). Typing keeps up to three decimals; the result is the number the display shows.
class CCalculator
{
public:
    enum class Operator
    {
        None,
        Add,
        Subtract,
        Multiply,
        Divide
    };
    // How long OK keeps an evaluated pending operation on the display before the pad closes.
    static constexpr int kOkPauseMs = 1000;

    explicit CCalculator(double start = 0.0);

    // d from 0 to 9; any other value is ignored.
    void PressDigit(int d);
    void PressPoint();
    void PressNegate();
    void PressClearEntry();
    void PressClear();
    // "/", "*", "-" and "+": evaluate what is pending, then remember the operator.
    void PressOperator(Operator op);
    void PressEquals();
    void PressPercent();
    // Evaluates a pending operation. True when there was one: the caller then shows the display
    // for kOkPauseMs before it closes, so that the result can be read.
    bool PressOk();

    // The number the pad hands back: the one on the display, rounded to two decimals as shown;
    // nothing in the error state.
    std::optional<double> Result() const;
    QString DisplayText() const;
    bool IsError() const { return m_error; }
    bool IsEntryActive() const { return m_entryActive; }

    // The caption of the decimal-point key: the locale's decimal separator.
    static QString DecimalKeyText();

private:
    void Evaluate();
    void EnterErrorState();
    void CheckBounds();
    double DisplayedNumber() const;
    void RestartDecimals();

    double m_accumulator = 0.0;
    double m_entry = 0.0;
    Operator m_pending = Operator::None;
    bool m_error = false;
    bool m_entryActive = false;
    bool m_decimalMode = false;
    int m_decimalPlaces = 0;
};
