#include "ReportKind.h"

namespace {

struct KindTexts
{
    const char* text;
    const char* fileName;
    const char* commandName;
};

const KindTexts kKinds[kReportKindCount] = {
    {"Inventory Valuation Item Detail Report", "ValuationDetail", "valuation-detail"},
    {"Inventory Current Valuation Summary Report", "ValuationSummary", "valuation-summary"},
    {"Sales Report by Item", "SaleItems", "sales-by-item"},
    {"Sales Summary Report", "SaleSummary", "sales-summary"},
    {"Purchases Report by Item", "PurchaseItems", "purchases-by-item"},
    {"Purchases Summary Report", "PurchaseSummary", "purchases-summary"},
};

const KindTexts& TextsOf(ReportKind kind)
{
    return kKinds[static_cast<int>(kind)];
}

} // namespace

std::optional<ReportKind> ReportKindAt(int index)
{
    if (index < 0 || index >= kReportKindCount) {
        return std::nullopt;
    }
    return static_cast<ReportKind>(index);
}

QString ReportKindText(ReportKind kind)
{
    return QString::fromLatin1(TextsOf(kind).text);
}

bool ReportKindNeedsDates(ReportKind kind)
{
    return kind != ReportKind::ValuationSummary;
}

QString ReportKindFileName(ReportKind kind)
{
    return QString::fromLatin1(TextsOf(kind).fileName);
}

QString ReportKindCommandName(ReportKind kind)
{
    return QString::fromLatin1(TextsOf(kind).commandName);
}

std::optional<ReportKind> ReportKindFromCommandName(const QString& name)
{
    for (int index = 0; index < kReportKindCount; ++index) {
        if (name == QLatin1String(kKinds[index].commandName)) {
            return static_cast<ReportKind>(index);
        }
    }
    return std::nullopt;
}
