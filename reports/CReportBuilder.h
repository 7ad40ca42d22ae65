#pragma once

#include "CCategorySummaryBuilder.h"
#include "CReport.h"
#include "ReportItem.h"
#include "ReportKind.h"

#include <QList>

#include <optional>

class CInventoryDoc;
struct ReportRange;

// Builds any of the six reports from the document: the date-range kinds read the movements of
// the range afresh, the valuation summary reads the catalogue in memory. Reads only.
class CReportBuilder
{
public:
    explicit CReportBuilder(CInventoryDoc& doc) : m_doc(doc) {}

    // The range is ignored by the valuation summary. When the movements cannot be read, shows
    // "Unable to execute command(Report)" and gives the report with its headings only.
    CReport Build(ReportKind kind, const ReportRange& range);

private:
    static QString Statement(ReportKind kind);
    // The per-product sums of a summary kind over the range; nothing when the statement does not run.
    std::optional<QList<CCategorySummaryBuilder::ProductSums>> ReadSums(ReportKind kind, const ReportRange& range);

    CInventoryDoc& m_doc;
};
