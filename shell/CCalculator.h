#pragma once

#include <QString>

// The key logic of the number pad: a four-function calculator with a percent key. Operators chain
// from left to right without precedence; a division by zero, or a result too large to hold, puts
// it in the error state, which shows "ERROR" and ignores digits, operators, "=" and "%" until C.
//
// The display shows the entry being typed, or else the running total, through the locale's number
// format with the trailing zeros of the decimals dropped ("12.5", "12.", "0."). Typing keeps up to
// three decimals; the display and the result are rounded to the locale's two.
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

    // The number the pad hands back: the display text read as a number (0 for "ERROR").
    double Result() const;
    QString DisplayText() const;
    bool IsError() const { return m_error; }
    bool IsEntryActive() const { return m_entryActive; }

    // The caption of the decimal-point key: the locale's decimal separator.
    static QString DecimalKeyText();

private:
    void Evaluate();
    void EnterErrorState();
    void CheckFinite();
    void RestartDecimals();

    double m_accumulator = 0.0;
    double m_entry = 0.0;
    Operator m_pending = Operator::None;
    bool m_error = false;
    bool m_entryActive = false;
    bool m_decimalMode = false;
    int m_decimalPlaces = 0;
};
