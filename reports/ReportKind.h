#pragma once

#include <QString>

#include <optional>

// The six reports, numbered as the kind list offers them.
enum class ReportKind
{
    ValuationDetail = 0,
    ValuationSummary = 1,
    SalesByItem = 2,
    SalesSummary = 3,
    PurchasesByItem = 4,
    PurchasesSummary = 5
};

inline constexpr int kReportKindCount = 6;

// The kind at a position of the kind list; nothing outside 0 to 5.
std::optional<ReportKind> ReportKindAt(int index);
// The kind list's text ("Sales Report by Item").
QString ReportKindText(ReportKind kind);
// Every kind but the current valuation summary covers a range of days.
bool ReportKindNeedsDates(ReportKind kind);
// The name a saved report is offered under, without folder or extension ("SaleItems").
QString ReportKindFileName(ReportKind kind);
// The command line's word for the kind ("sales-by-item"), and the kind of such a word.
QString ReportKindCommandName(ReportKind kind);
std::optional<ReportKind> ReportKindFromCommandName(const QString& name);
