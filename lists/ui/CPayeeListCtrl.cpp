#include "CPayeeListCtrl.h"

#include "CListHeaderCtrl.h"
#include "CPayeeListModel.h"
#include "CPayeeRowDelegate.h"

#include <QMouseEvent>
#include <QPainter>

CPayeeListCtrl::CPayeeListCtrl(CPayeeListModel* model, QWidget* parent)
    : QTableView(parent), m_delegate(new CPayeeRowDelegate(this))
{
    setHorizontalHeader(new CListHeaderCtrl(kHeaderBackground, this));
    setItemDelegate(m_delegate);
    setModel(model);
    setFont(m_delegate->RowFont());
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The phone column takes what the name leaves of the width, so the list never scrolls sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(m_delegate->RowHeight());
    // The header forgets its section sizes when the model is reset.
    connect(model, &QAbstractItemModel::modelReset, this, &CPayeeListCtrl::SetColumnWidths);
    SetColumnWidths();
}

void CPayeeListCtrl::SetColumnWidths()
{
    for (int column = 0; column < CPayeeListModel::kColumnCount; ++column) {
        horizontalHeader()->resizeSection(column, m_delegate->ColumnWidth(column));
    }
}

void CPayeeListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    emit Tapped(rowAt(event->position().toPoint().y()));
}

// The rows are painted over bands that look like empty rows, so the list below its last row
// goes on striped.
void CPayeeListCtrl::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        const int height = m_delegate->RowHeight();
        m_delegate->PaintEmptyBands(painter, viewport()->rect(), verticalOffset() / height,
                                    -(verticalOffset() % height));
    }
    QTableView::paintEvent(event);
}
