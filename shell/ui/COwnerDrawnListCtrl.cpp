#include "COwnerDrawnListCtrl.h"

#include "CListRowDelegate.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

COwnerDrawnListCtrl::COwnerDrawnListCtrl(QAbstractItemModel* model, CListRowDelegate* delegate, QHeaderView* header,
                                         QWidget* parent)
    : QTableView(parent), m_rowDelegate(delegate)
{
    delegate->setParent(this);
    setHorizontalHeader(header);
    setItemDelegate(delegate);
    setModel(model);
    setFont(delegate->RowFont());
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The last column reaches the right edge, so the header and a highlighted row span the list.
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(delegate->RowHeight());
    // The header forgets its section sizes when the model is reset.
    connect(model, &QAbstractItemModel::modelReset, this, &COwnerDrawnListCtrl::SetColumnWidths);
    SetColumnWidths();
}

void COwnerDrawnListCtrl::SetColumnWidths()
{
    for (int column = 0; column < model()->columnCount(); ++column) {
        horizontalHeader()->resizeSection(column, m_rowDelegate->ColumnWidth(column));
    }
}

void COwnerDrawnListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    emit Tapped(rowAt(event->position().toPoint().y()));
}

void COwnerDrawnListCtrl::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        const int height = m_rowDelegate->RowHeight();
        m_rowDelegate->PaintEmptyBands(painter, viewport()->rect(), verticalOffset() / height,
                                       columnViewportPosition(0), -(verticalOffset() % height));
    }
    QTableView::paintEvent(event);
}
