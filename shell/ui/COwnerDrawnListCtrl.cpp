#include "COwnerDrawnListCtrl.h"

#include "CListRowDelegate.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
    m_rowDelegate->FitToRows(*model());
    for (int column = 0; column < model()->columnCount(); ++column) {
        horizontalHeader()->resizeSection(column, m_rowDelegate->ColumnWidth(column));
    }
}

void COwnerDrawnListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    emit Tapped(rowAt(event->position().toPoint().y()));
}

// The first click of the two has tapped the row.
void COwnerDrawnListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (rowAt(event->position().toPoint().y()) >= 0) {
        RequestEdit();
    }
}

// Edit opens a dialog that may refill this list: it runs once the list is done with the event.
void COwnerDrawnListCtrl::RequestEdit()
{
    QMetaObject::invokeMethod(this, &COwnerDrawnListCtrl::EditRequested, Qt::QueuedConnection);
}

int COwnerDrawnListCtrl::SelectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void COwnerDrawnListCtrl::keyPressEvent(QKeyEvent* event)
{
    const int rows = model()->rowCount();
    const int selected = SelectedRow();
    const int page = std::max(1, viewport()->height() / std::max(1, m_rowDelegate->RowHeight()) - 1);
    int next = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        next = selected < 0 ? 0 : selected - 1;
        break;
    case Qt::Key_Down:
        next = selected + 1;
        break;
    case Qt::Key_PageUp:
        next = selected - page;
        break;
    case Qt::Key_PageDown:
        next = std::max(selected, 0) + page;
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = rows - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selected >= 0) {
            RequestEdit();
        }
        return;
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    if (rows == 0) {
        return;
    }
    next = std::clamp(next, 0, rows - 1);
    emit Tapped(next);
    scrollTo(model()->index(next, 0));
}

void COwnerDrawnListCtrl::SetEmptyHint(const QString& hint)
{
    m_emptyHint = hint;
    viewport()->update();
}

QString COwnerDrawnListCtrl::ShownHint() const
{
    return model()->rowCount() == 0 ? m_emptyHint : QString();
}

void COwnerDrawnListCtrl::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        const int height = m_rowDelegate->RowHeight();
        m_rowDelegate->PaintEmptyBands(painter, viewport()->rect(), verticalOffset() / height,
                                       columnViewportPosition(0), -(verticalOffset() % height));
        if (const QString hint = ShownHint(); !hint.isEmpty()) {
            // Over the first band, where the first row will be, on a plain line of its own so
            // the band's colours and rules do not cross it.
            const QRect line(0, 0, viewport()->width(), height);
            painter.fillRect(line, palette().color(QPalette::Base));
            painter.setFont(m_rowDelegate->RowFont());
            painter.setPen(palette().color(QPalette::PlaceholderText));
            painter.drawText(line.adjusted(height / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, hint);
        }
    }
    QTableView::paintEvent(event);
}
