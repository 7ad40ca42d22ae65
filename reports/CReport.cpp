#include "CReport.h"

CReport::CReport(ReportKind kind, QList<ReportColumn> columns)
    : m_kind(kind), m_columns(std::move(columns)), m_longest(m_columns.size())
{}

QStringList CReport::Captions() const
{
    QStringList captions;
    for (const ReportColumn& column : m_columns) {
        captions << column.caption;
    }
    return captions;
}

void CReport::AddCells(ReportRow::Kind kind, std::span<const QStringView> cells)
{
    m_rows.append(ReportRow(kind, cells, m_columns.size()));
    for (qsizetype i = 0; i < static_cast<qsizetype>(cells.size()) && i < m_longest.size(); ++i) {
        if (cells[i].size() > m_longest[i].size()) {
            m_longest[i] = cells[i].toString();
        }
    }
}
