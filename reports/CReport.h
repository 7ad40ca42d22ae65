#pragma once

#include "CReportRowSink.h"
#include "ReportColumn.h"
#include "ReportKind.h"
#include "ReportRow.h"

#include <QList>
#include <QStringList>

// A built report: its kind, its columns and its rows of cell texts, top to bottom. Every row has
// exactly one text per column; cells a row does not fill are empty.
class CReport final : public CReportRowSink
{
public:
    CReport(ReportKind kind, QList<ReportColumn> columns);

    ReportKind Kind() const { return m_kind; }
    const QList<ReportColumn>& Columns() const { return m_columns; }
    const QList<ReportRow>& Rows() const { return m_rows; }
    bool IsEmpty() const { return m_rows.isEmpty(); }
    QStringList Captions() const;

    void AddCells(ReportRow::Kind kind, std::span<const QStringView> cells) override;
    // The longest text of a column (the first of equal length): a list too long to measure
    // every cell of sizes the column by it.
    QString LongestCell(qsizetype column) const { return m_longest.value(column); }

private:
    ReportKind m_kind;
    QList<ReportColumn> m_columns;
    QList<ReportRow> m_rows;
    QStringList m_longest;
};
