#pragma once

#include "DateCellText.h"

#include <QString>
#include <QStringView>

// The texts of report cells. Numbers are C printf texts whatever the locale: a "." point, no
// grouping, and printf's rounding (2.125 gives "2.12"), so a saved report reads the same
// everywhere.

// A number cell's text held in place rather than in a block of its own, for the million rows
// of a large report; seen as a QStringView while it lives.
class CNumberText
{
public:
    CNumberText() = default;
    CNumberText(double value, int decimals);

    operator QStringView() const { return QStringView(m_text, m_size); }
    QString ToString() const { return QStringView(*this).toString(); }

private:
    // The longest fixed form of a double: 309 digits, a sign, a point and the decimals.
    static constexpr int kCapacity = 320;

    char16_t m_text[kCapacity];
    qsizetype m_size = 0;
};

// "%.2lf"
QString MoneyText(double value);
CNumberText MoneyCell(double value);
// "%.0lf" when the value is whole, "%.2lf" otherwise.
QString QuantityText(double value);
CNumberText QuantityCell(double value);
// "%.2f%%"
QString PercentText(double value);
// Dates: DateCellText, shared with the entry form.
