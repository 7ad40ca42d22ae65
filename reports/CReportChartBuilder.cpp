#include "CReportChartBuilder.h"

#include "CReport.h"

namespace {

struct SeriesColumn
{
    const char* name;
    int column;
};

// The series of a kind: the columns of its group total rows.
QList<SeriesColumn> SeriesColumns(ReportKind kind)
{
    switch (kind) {
    case ReportKind::ValuationSummary:
        return {{"Value", 3}};
    case ReportKind::SalesSummary:
        return {{"Amount", 2}, {"COGS", 4}, {"Gross Margin", 6}};
    default:
        return {};
    }
}

QString ChartTitle(ReportKind kind)
{
    return kind == ReportKind::ValuationSummary ? QStringLiteral("Inventory Value by Category")
                                                : QStringLiteral("Sales by Category");
}

} // namespace

bool CReportChartBuilder::HasChart(ReportKind kind)
{
    return !SeriesColumns(kind).isEmpty();
}

std::optional<ReportChart> CReportChartBuilder::Build(const CReport& report)
{
    const QList<SeriesColumn> columns = SeriesColumns(report.Kind());
    // The detail reports have no chart; their million rows need not be looked through.
    if (columns.isEmpty()) {
        return std::nullopt;
    }
    ReportChart chart{ChartTitle(report.Kind()), {}, {}};
    for (const SeriesColumn& column : columns) {
        chart.series.append({QString::fromLatin1(column.name), {}});
    }
    // A category's name is its heading; its numbers are on its total row.
    QString category;
    for (const ReportRow& row : report.Rows()) {
        if (row.RowKind() == ReportRow::Kind::Heading) {
            category = row.Cell(0);
        } else if (row.RowKind() == ReportRow::Kind::GroupTotal) {
            chart.categories << category;
            for (int i = 0; i < columns.size(); ++i) {
                chart.series[i].values << row.Cell(columns[i].column).toDouble();
            }
        }
    }
    if (columns.isEmpty() || chart.categories.isEmpty()) {
        return std::nullopt;
    }
    return chart;
}
