#include "CReportListModel.h"

#include "LocaleNumber.h"

void CReportListModel::SetReport(const std::optional<CReport>& report)
{
    beginResetModel();
    m_report = report;
    endResetModel();
}

int CReportListModel::ColumnWidth(int column) const
{
    return m_report ? m_report->Columns().value(column).width : 0;
}

bool CReportListModel::IsNumberColumn(int column) const
{
    return m_report && m_report->Columns().value(column).align == ReportColumn::Align::Right;
}

QString CReportListModel::DisplayText(int column, const QString& text) const
{
    // The report keeps plain texts for its saved file; a person reads the locale's grouping.
    return IsNumberColumn(column) ? LocaleFormOfPlainNumber(text) : text;
}

int CReportListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_report ? 0 : static_cast<int>(m_report->Rows().size());
}

int CReportListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_report ? 0 : static_cast<int>(m_report->Columns().size());
}

Qt::Alignment CReportListModel::AlignmentOf(const ReportColumn& column)
{
    return (column.align == ReportColumn::Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QVariant CReportListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_report || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const ReportRow& row = m_report->Rows()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(index.column(), row.Cell(index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(m_report->Columns()[index.column()]));
    case ShadeRole:
        return static_cast<int>(row.RowShade());
    default:
        return {};
    }
}

QVariant CReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_report || section < 0 || section >= columnCount()) {
        return {};
    }
    const ReportColumn& column = m_report->Columns()[section];
    switch (role) {
    case Qt::DisplayRole:
        return column.caption;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(column));
    default:
        return {};
    }
}
