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

void CReport::AddRow(ReportRow::Kind kind, QStringList cells)
{
    const qsizetype count = m_columns.size();
    cells.resize(count);
    m_rows.append({kind, std::move(cells)});
}

void CReport::AddBlankRow()
{
    AddRow(ReportRow::Kind::Blank, {});
}
