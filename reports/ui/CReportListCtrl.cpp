#include "CReportListCtrl.h"

#include "CReportListModel.h"
#include "CReportRowDelegate.h"
#include "UiScale.h"

#include <QHeaderView>

CReportListCtrl::CReportListCtrl(CReportListModel* model, QWidget* parent) : QTableView(parent), m_model(model)
{
    setItemDelegate(new CReportRowDelegate(this));
    setModel(model);
    setFont(CReportRowDelegate::ListFont());
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->setFont(CReportRowDelegate::ListFont());
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(CReportRowDelegate::RowHeight());
    // The header forgets its section sizes when the model is reset.
    connect(model, &QAbstractItemModel::modelReset, this, &CReportListCtrl::SetColumnWidths);
}

void CReportListCtrl::SetColumnWidths()
{
    for (int column = 0; column < m_model->columnCount(); ++column) {
        horizontalHeader()->resizeSection(column, Scaled(m_model->ColumnWidth(column)));
    }
}
