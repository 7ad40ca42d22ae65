#include "CReport.h"

CReport::CReport(ReportKind kind, QList<ReportColumn> columns) : m_kind(kind), m_columns(std::move(columns)) {}

QStringList CReport::Captions() const
{
    QStringList captions;
    for (const ReportColumn& column : m_columns) {
        captions << column.caption;
    }
    return captions;
}

void CReport::AddRow(ReportRow::Kind kind, const QStringList& cells)
{
    m_rows.append(ReportRow(kind, cells, m_columns.size()));
}
