#include "CReportCsvRows.h"

#include "CCsvFileWriter.h"

CReportCsvRows::CReportCsvRows(CCsvFileWriter& csv, QList<ReportColumn> columns)
    : m_csv(csv), m_columns(std::move(columns))
{}

void CReportCsvRows::WriteHeading()
{
    if (m_headingWritten) {
        return;
    }
    m_headingWritten = true;
    // Right-aligned columns hold the numbers; the others hold names and dates.
    QList<qsizetype> numbers;
    QStringList captions;
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].align == ReportColumn::Align::Right) {
            numbers << i;
        }
        captions << m_columns[i].caption;
    }
    m_csv.SetNumberColumns(numbers);
    m_csv.WriteRow(captions);
    m_csv.WriteRow(QStringList(m_columns.size()));
}

void CReportCsvRows::AddCells(ReportRow::Kind kind, std::span<const QStringView> cells)
{
    Q_UNUSED(kind);
    WriteHeading();
    ++m_rowCount;
    m_csv.WriteRow(cells.first(std::min(cells.size(), static_cast<size_t>(m_columns.size()))), m_columns.size());
}
