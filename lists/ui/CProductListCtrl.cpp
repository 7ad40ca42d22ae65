#include "CProductListCtrl.h"

#include "CProductHeaderCtrl.h"
#include "CProductListModel.h"
#include "CProductRowDelegate.h"

#include <QMouseEvent>

CProductListCtrl::CProductListCtrl(CProductListModel* model, QWidget* parent)
    : CProductListCtrl(model, new CProductRowDelegate, parent)
{}

// The header draws its rule where the delegate's name part ends.
CProductListCtrl::CProductListCtrl(CProductListModel* model, CProductRowDelegate* delegate, QWidget* parent)
    : COwnerDrawnListCtrl(model, delegate, new CProductHeaderCtrl(delegate->NameWidth()), parent), m_delegate(delegate)
{
    // After the columns were fitted to the refilled rows (connected first, so called first).
    const auto followRule = [this] {
        static_cast<CProductHeaderCtrl*>(horizontalHeader())->SetNameWidth(m_delegate->NameWidth());
    };
    connect(model, &QAbstractItemModel::modelReset, this, followRule);
    followRule();
}

QRect CProductListCtrl::RowBounds(int row) const
{
    return QRect(columnViewportPosition(0), rowViewportPosition(row), m_delegate->RowWidth(), rowHeight(row));
}

bool CProductListCtrl::HitsOnHandIcon(int row, const QPoint& point) const
{
    if (row < 0 || row >= model()->rowCount()) {
        return false;
    }
    const CProductRowLayout layout = m_delegate->Layout(RowBounds(row), viewport()->width());
    const QRect lower = layout.LowerHalf();
    return point.x() >= layout.IconSpanLeft() && point.x() <= layout.IconSpanRight() && point.y() >= lower.top() &&
           point.y() <= lower.bottom();
}

void CProductListCtrl::mousePressEvent(QMouseEvent* event)
{
    COwnerDrawnListCtrl::mousePressEvent(event);
    const QPoint point = event->position().toPoint();
    const int row = rowAt(point.y());
    if (HitsOnHandIcon(row, point)) {
        emit OnHandIconTapped(row);
    }
}
