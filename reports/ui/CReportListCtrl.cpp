#include "CReportListCtrl.h"

#include "CReportListModel.h"
#include "CReportRowDelegate.h"
#include "UiScale.h"

#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>

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

// The report's widths at the current scale, widened to the widest caption or cell so that no
// date, invoice number or amount is cut; the list scrolls sideways instead.
void CReportListCtrl::SetColumnWidths()
{
    const QFontMetrics metrics(CReportRowDelegate::ListFont());
    const int captionMargins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 1;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int widest = metrics.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) + captionMargins;
        for (int row = 0; row < m_model->rowCount(); ++row) {
            widest = std::max(widest, metrics.horizontalAdvance(m_model->index(row, column).data().toString()) +
                                          CReportRowDelegate::TextInsets());
        }
        horizontalHeader()->resizeSection(column, std::max(Scaled(m_model->ColumnWidth(column)), widest));
    }
}
