#pragma once

#include <QRect>

// Where the parts of one two-line register row go: the halves, the column rules and the text
// boxes. Pure geometry, so it is tested without a painter; the header uses it too, so its
// captions stand over the texts they name.
//
// Column 0 holds the date and, past a rule, the product over the payee; column 1 the amount over
// the invoice number; column 2 the balance. Every text is inset by half a blank.
class CRegisterRowLayout
{
public:
    struct Metrics
    {
        int dateWidth = 45; // the date part of column 0
        int productWidth = 90;
        int amountWidth = 50;  // column 1
        int balanceWidth = 65; // column 2
    };

    // The handheld's columns times the scale within a row of the product list's width (what the
    // window holds beside a scroll bar), the date part widened to hold dateTextWidth and the
    // number columns amountTextWidth between half blanks. The product part gives up what they gain,
    // down to a least width past which the row grows.
    static Metrics Fitted(int scale, int dateTextWidth, int amountTextWidth, int blank);
    static int ColumnWidth(const Metrics& metrics, int column);
    static int RowWidth(const Metrics& metrics);

    // row: the row's bounds (from the left edge of column 0); blank: one blank of the row font.
    CRegisterRowLayout(const Metrics& metrics, const QRect& row, int blank);

    QRect UpperHalf() const;
    QRect LowerHalf() const;
    int Middle() const { return m_middle; }

    int DateRuleX() const;
    int AmountColumnX() const;
    int BalanceColumnX() const;

    QRect DateText() const;
    QRect ProductText() const;
    QRect PayeeText() const;
    QRect AmountText() const;
    QRect InvoiceText() const;
    QRect BalanceText() const;

private:
    QRect Upper(int left, int right) const;
    QRect Lower(int left, int right) const;

    Metrics m_metrics;
    QRect m_row;
    int m_inset;
    int m_middle;
};
