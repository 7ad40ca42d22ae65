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
    // Measuring every cell of a decade's report would hold the window for seconds.
    const bool everyCell = m_model->rowCount() <= kMeasuredRows;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int widest = metrics.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) + captionMargins;
        const auto fit = [&](const QString& text) {
            widest = std::max(widest, metrics.horizontalAdvance(text) + CReportRowDelegate::TextInsets());
        };
        if (everyCell) {
            for (int row = 0; row < m_model->rowCount(); ++row) {
                fit(m_model->index(row, column).data().toString());
            }
        } else {
            // The longest text; for numbers as many digits (the widest characters of a number)
            // with room for the grouping of any number that long, for other texts as many
            // average letters.
            const QString longest = m_model->Report()->LongestCell(column);
            fit(m_model->DisplayText(column, longest));
            const int length = static_cast<int>(longest.size());
            if (m_model->IsNumberColumn(column)) {
                fit(QString(length + length / 3, QLatin1Char('8')));
            } else {
                widest = std::max(widest, metrics.averageCharWidth() * length + CReportRowDelegate::TextInsets());
            }
        }
        horizontalHeader()->resizeSection(column, std::max(Scaled(m_model->ColumnWidth(column)), widest));
    }
}
