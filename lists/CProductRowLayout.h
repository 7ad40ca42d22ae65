#pragma once

#include <QRect>

// Where the parts of one two-line product row go: the upper and lower halves, the text boxes,
// the vertical rules and the on-hand icon. Pure geometry, so it is tested without a painter.
//
// Column 0 holds the name (and, past a rule, the category) over the description; column 1 the
// sale price over the quantity with the on-hand icon; column 2 the average cost over the value.
class CProductRowLayout
{
public:
    struct Metrics
    {
        int nameWidth = 80;     // the name part of column 0
        int categoryWidth = 50; // the category part of column 0
        int priceWidth = 53;    // column 1
        int costWidth = 60;     // column 2
        int iconSize = 12;
        int iconSpan = 14; // how far right of the icon's left edge a tap still hits it
    };

    // row: the row's bounds; blank: the width of one blank in the row font; clientRight: the
    // right edge of the list's client area.
    CProductRowLayout(const Metrics& metrics, const QRect& row, int blank, int clientRight);

    // The handheld's columns times the scale, the number columns widened where needed so that an
    // amount text amountWidth pixels wide fits between their blanks. Column 0 gives up what they
    // gain, so the row keeps its width, down to a least width past which the row grows; its name
    // and category parts keep their proportion.
    static Metrics Fitted(int scale, int amountWidth, int blank);

    QRect UpperHalf() const;
    QRect LowerHalf() const;
    int Middle() const { return m_middle; }

    QRect NameText() const;
    int NameRuleX() const;
    QRect CategoryText() const;
    QRect DescriptionText() const;

    int PriceColumnX() const;
    QRect PriceText() const;
    QRect OnHandText() const;
    QRect Icon() const;
    // Left and right x a tap must fall between (ends included) to hit the icon.
    int IconSpanLeft() const { return Icon().left(); }
    int IconSpanRight() const { return Icon().left() + m_metrics.iconSpan; }

    int CostColumnX() const;
    QRect AvgCostText() const;
    QRect ValueText() const;

    // The full width of column 0 (name and category parts).
    int NameColumnWidth() const { return m_metrics.nameWidth + m_metrics.categoryWidth; }

private:
    QRect Upper(int left, int right) const;
    QRect Lower(int left, int right) const;

    Metrics m_metrics;
    QRect m_row;
    int m_blank;
    int m_clientRight;
    int m_middle;
};
