#pragma once

#include "CReportRowSink.h"
#include "ReportColumn.h"

#include <QList>

class CCsvFileWriter;

// A report written as CSV while it is built, row by row: the column captions and a line of
// commas (one fewer than the columns) before the first row, then one line per row.
class CReportCsvRows final : public CReportRowSink
{
public:
    CReportCsvRows(CCsvFileWriter& csv, QList<ReportColumn> columns);

    // The captions and the line of commas; written by the first row unless written before.
    void WriteHeading();
    void AddCells(ReportRow::Kind kind, std::span<const QStringView> cells) override;
    qsizetype RowCount() const { return m_rowCount; }

private:
    CCsvFileWriter& m_csv;
    QList<ReportColumn> m_columns;
    bool m_headingWritten = false;
    qsizetype m_rowCount = 0;
};
