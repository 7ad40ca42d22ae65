#include "CProductListCtrl.h"

#include "CProductHeaderCtrl.h"
#include "CProductListModel.h"
#include "CProductRowDelegate.h"

#include <QMouseEvent>
#include <QPainter>

CProductListCtrl::CProductListCtrl(CProductListModel* model, QWidget* parent)
    : QTableView(parent), m_delegate(new CProductRowDelegate(this))
{
    setHorizontalHeader(new CProductHeaderCtrl(m_delegate->NameWidth(), this));
    setItemDelegate(m_delegate);
    setModel(model);
    setFont(m_delegate->RowFont());
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The last column reaches the right edge, so the header and a highlighted row span the list.
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(m_delegate->RowHeight());
    // The header forgets its section sizes when the model is reset.
    connect(model, &QAbstractItemModel::modelReset, this, &CProductListCtrl::SetColumnWidths);
    SetColumnWidths();
}

void CProductListCtrl::SetColumnWidths()
{
    for (int column = 0; column < CProductListModel::kColumnCount; ++column) {
        horizontalHeader()->resizeSection(column, m_delegate->ColumnWidth(column));
    }
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
    QTableView::mousePressEvent(event);
    const QPoint point = event->position().toPoint();
    const int row = rowAt(point.y());
    emit Tapped(row, HitsOnHandIcon(row, point));
}

// Rows are painted over bands that look like empty rows, so the part of the list below the last
// row, and right of the last column, is striped like the rows.
void CProductListCtrl::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        const int height = m_delegate->RowHeight();
        m_delegate->PaintEmptyBands(painter, viewport()->rect(), columnViewportPosition(0),
                                    -(verticalOffset() % height));
    }
    QTableView::paintEvent(event);
}
