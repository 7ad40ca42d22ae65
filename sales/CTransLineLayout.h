#pragma once

#include <QRect>

// Where the texts of one cell of the entry form's line list go. A row is two lines high and each
// cell is split at half its height; a text starts one blank inside its cell. Column 0 holds the
// product code and, past a short rule nameWidth from the column's left, the quantity, over the
// description, which spans the column. Pure geometry, tested without a painter.
class CTransLineLayout
{
public:
    CTransLineLayout(const QRect& cell, int blank, int nameWidth);

    int Middle() const { return m_middle; }
    // The text boxes of the upper and lower halves.
    QRect Upper() const;
    QRect Lower() const;
    // Column 0's upper half: the product code, the rule after it, the quantity.
    QRect Name() const;
    int RuleX() const;
    QRect Quantity() const;

private:
    QRect m_cell;
    int m_blank;
    int m_nameWidth;
    int m_middle;
};
