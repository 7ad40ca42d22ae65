#pragma once

#include "ReportChart.h"
#include "ReportKind.h"

#include <optional>

class CReport;

// The chart of a report, drawn from the report's own rows so that it shows exactly what the list
// shows: the valuation summary as the value per category, the sales summary as amount, cost of
// goods and gross margin per category. Other kinds have no chart.
class CReportChartBuilder
{
public:
    static bool HasChart(ReportKind kind);
    // Nothing for a kind without a chart or a report without categories.
    static std::optional<ReportChart> Build(const CReport& report);
};
