#include "CRegisterRowLayout.h"

#include <algorithm>

namespace {
constexpr int kRowWidth = 243;
constexpr int kLeastProductWidth = 60;
} // namespace

CRegisterRowLayout::Metrics CRegisterRowLayout::Fitted(int scale, int dateTextWidth, int amountTextWidth, int blank)
{
    const Metrics handheld;
    Metrics metrics;
    metrics.dateWidth = std::max(handheld.dateWidth * scale, dateTextWidth + blank);
    metrics.amountWidth = std::max(handheld.amountWidth * scale, amountTextWidth + blank);
    metrics.balanceWidth = std::max(handheld.balanceWidth * scale, amountTextWidth + blank);
    // Past its least width the product part stops giving way: the row grows and scrolls sideways.
    metrics.productWidth = std::max(kRowWidth * scale - metrics.dateWidth - metrics.amountWidth - metrics.balanceWidth,
                                    kLeastProductWidth * scale);
    return metrics;
}

int CRegisterRowLayout::ColumnWidth(const Metrics& metrics, int column)
{
    switch (column) {
    case 0:
        return metrics.dateWidth + metrics.productWidth;
    case 1:
        return metrics.amountWidth;
    default:
        return metrics.balanceWidth;
    }
}

int CRegisterRowLayout::RowWidth(const Metrics& metrics)
{
    return ColumnWidth(metrics, 0) + ColumnWidth(metrics, 1) + ColumnWidth(metrics, 2);
}

CRegisterRowLayout::CRegisterRowLayout(const Metrics& metrics, const QRect& row, int blank)
    : m_metrics(metrics), m_row(row), m_inset(blank / 2), m_middle(row.top() + row.height() / 2)
{}

QRect CRegisterRowLayout::Upper(int left, int right) const
{
    return QRect(QPoint(left, m_row.top()), QPoint(right - 1, m_middle - 1));
}

QRect CRegisterRowLayout::Lower(int left, int right) const
{
    return QRect(QPoint(left, m_middle), QPoint(right - 1, m_row.bottom()));
}

QRect CRegisterRowLayout::UpperHalf() const
{
    return Upper(m_row.left(), m_row.left() + RowWidth(m_metrics));
}

QRect CRegisterRowLayout::LowerHalf() const
{
    return Lower(m_row.left(), m_row.left() + RowWidth(m_metrics));
}

int CRegisterRowLayout::DateRuleX() const
{
    return m_row.left() + m_metrics.dateWidth;
}

int CRegisterRowLayout::AmountColumnX() const
{
    return m_row.left() + ColumnWidth(m_metrics, 0);
}

int CRegisterRowLayout::BalanceColumnX() const
{
    return AmountColumnX() + m_metrics.amountWidth;
}

QRect CRegisterRowLayout::DateText() const
{
    return Upper(m_row.left() + m_inset, DateRuleX() - m_inset);
}

QRect CRegisterRowLayout::ProductText() const
{
    return Upper(DateRuleX() + m_inset, AmountColumnX() - m_inset);
}

QRect CRegisterRowLayout::PayeeText() const
{
    return Lower(m_row.left() + m_inset, AmountColumnX() - m_inset);
}

QRect CRegisterRowLayout::AmountText() const
{
    return Upper(AmountColumnX() + m_inset, BalanceColumnX() - m_inset);
}

QRect CRegisterRowLayout::InvoiceText() const
{
    return Lower(AmountColumnX() + m_inset, BalanceColumnX() - m_inset);
}

QRect CRegisterRowLayout::BalanceText() const
{
    return Upper(BalanceColumnX() + m_inset, BalanceColumnX() + m_metrics.balanceWidth - m_inset);
}
