#include "CTransLineLayout.h"

CTransLineLayout::CTransLineLayout(const QRect& cell, int blank, int nameWidth)
    : m_cell(cell), m_blank(blank), m_nameWidth(nameWidth), m_middle(cell.top() + cell.height() / 2)
{}

QRect CTransLineLayout::Upper() const
{
    return QRect(QPoint(m_cell.left() + m_blank, m_cell.top()), QPoint(m_cell.right() - m_blank, m_middle - 1));
}

QRect CTransLineLayout::Lower() const
{
    return QRect(QPoint(m_cell.left() + m_blank, m_middle), QPoint(m_cell.right() - m_blank, m_cell.bottom()));
}

QRect CTransLineLayout::Name() const
{
    QRect name = Upper();
    name.setRight(RuleX() - m_blank);
    return name;
}

int CTransLineLayout::RuleX() const
{
    return m_cell.left() + m_nameWidth;
}

QRect CTransLineLayout::Quantity() const
{
    QRect quantity = Upper();
    quantity.setLeft(RuleX() + m_blank);
    return quantity;
}
