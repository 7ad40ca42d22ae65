#include "CRegisterListCtrl.h"

#include "CRegisterHeaderCtrl.h"
#include "CRegisterListModel.h"
#include "CRegisterRowDelegate.h"

#include <QMouseEvent>
#include <QPainter>

CRegisterListCtrl::CRegisterListCtrl(CRegisterListModel* model, QWidget* parent)
    : QTableView(parent), m_delegate(new CRegisterRowDelegate(this))
{
    setHorizontalHeader(new CRegisterHeaderCtrl(*m_delegate, this));
    setItemDelegate(m_delegate);
    setModel(model);
    setFont(m_delegate->RowFont());
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
    verticalHeader()->setDefaultSectionSize(m_delegate->RowHeight());
    // The header forgets its section sizes when the model is reset.
    connect(model, &QAbstractItemModel::modelReset, this, &CRegisterListCtrl::SetColumnWidths);
    SetColumnWidths();
}

void CRegisterListCtrl::SetColumnWidths()
{
    for (int column = 0; column < CRegisterListModel::kColumnCount; ++column) {
        horizontalHeader()->resizeSection(column, m_delegate->ColumnWidth(column));
    }
}

void CRegisterListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    emit Tapped(rowAt(event->position().toPoint().y()));
}

// Rows are painted over bands that look like empty rows, so the list goes on striped below its
// last row.
void CRegisterListCtrl::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        const int height = m_delegate->RowHeight();
        m_delegate->PaintEmptyBands(painter, viewport()->rect(), columnViewportPosition(0),
                                    -(verticalOffset() % height));
    }
    QTableView::paintEvent(event);
}
