#include "CProductRowLayout.h"

#include <algorithm>

namespace {
// The least of column 0 that the number columns may leave it, in handheld pixels.
constexpr int kLeastNameColumn = 90;
} // namespace

CProductRowLayout::CProductRowLayout(const Metrics& metrics, const QRect& row, int blank, int clientRight)
    : m_metrics(metrics), m_row(row), m_blank(blank), m_clientRight(clientRight), m_middle(row.top() + row.height() / 2)
{}

CProductRowLayout::Metrics CProductRowLayout::Fitted(int scale, int amountWidth, int blank)
{
    const Metrics handheld;
    Metrics metrics;
    metrics.iconSize *= scale;
    metrics.iconSpan *= scale;
    const int needed = amountWidth + 2 * blank;
    metrics.priceWidth = std::max(handheld.priceWidth * scale, needed);
    metrics.costWidth = std::max(handheld.costWidth * scale, needed);
    const int rowWidth =
        (handheld.nameWidth + handheld.categoryWidth + handheld.priceWidth + handheld.costWidth) * scale;
    // Past this the row grows instead, and the list scrolls sideways.
    const int nameColumn = std::max(rowWidth - metrics.priceWidth - metrics.costWidth, kLeastNameColumn * scale);
    metrics.nameWidth = nameColumn * handheld.nameWidth / (handheld.nameWidth + handheld.categoryWidth);
    metrics.categoryWidth = nameColumn - metrics.nameWidth;
    return metrics;
}

QRect CProductRowLayout::Upper(int left, int right) const
{
    return QRect(QPoint(left, m_row.top()), QPoint(right - 1, m_middle - 1));
}

QRect CProductRowLayout::Lower(int left, int right) const
{
    return QRect(QPoint(left, m_middle), QPoint(right - 1, m_row.bottom()));
}

QRect CProductRowLayout::UpperHalf() const
{
    return Upper(m_row.left(), m_clientRight);
}

QRect CProductRowLayout::LowerHalf() const
{
    return Lower(m_row.left(), m_clientRight);
}

QRect CProductRowLayout::NameText() const
{
    return Upper(m_row.left() + m_blank / 2, NameRuleX());
}

int CProductRowLayout::NameRuleX() const
{
    return m_row.left() + m_metrics.nameWidth - m_blank / 2;
}

// The label area of column 0 ends one blank before the column does.
QRect CProductRowLayout::CategoryText() const
{
    return Upper(m_row.left() + m_metrics.nameWidth + m_blank / 2, m_row.left() + NameColumnWidth() - m_blank);
}

QRect CProductRowLayout::DescriptionText() const
{
    return Lower(m_row.left() + m_blank / 2, m_row.left() + NameColumnWidth() - m_blank);
}

int CProductRowLayout::PriceColumnX() const
{
    return m_row.left() + NameColumnWidth();
}

QRect CProductRowLayout::PriceText() const
{
    return Upper(PriceColumnX() + m_blank, PriceColumnX() + m_metrics.priceWidth - m_blank);
}

// The quantity stops one half-row before the inner right edge, leaving room for the icon.
QRect CProductRowLayout::OnHandText() const
{
    const int innerRight = PriceColumnX() + m_metrics.priceWidth - m_blank;
    return Lower(PriceColumnX() + m_blank, innerRight - m_row.height() / 2);
}

QRect CProductRowLayout::Icon() const
{
    const int innerRight = PriceColumnX() + m_metrics.priceWidth - m_blank;
    return QRect(innerRight + m_blank / 2 - m_metrics.iconSize, m_middle, m_metrics.iconSize, m_metrics.iconSize);
}

int CProductRowLayout::CostColumnX() const
{
    return PriceColumnX() + m_metrics.priceWidth;
}

QRect CProductRowLayout::AvgCostText() const
{
    return Upper(CostColumnX() + m_blank, CostColumnX() + m_metrics.costWidth - m_blank);
}

QRect CProductRowLayout::ValueText() const
{
    return Lower(CostColumnX() + m_blank, CostColumnX() + m_metrics.costWidth - m_blank);
}
