#pragma once

#include "CCategorySummaryBuilder.h"
#include "CReport.h"
#include "ReportColumn.h"
#include "ReportItem.h"
#include "ReportKind.h"

#include <QList>

#include <functional>
#include <optional>

class CDbConnection;
class CInventoryDoc;
class CReportRowSink;
struct ReportRange;

// Builds any of the six reports from the document: the date-range kinds read the movements of
// the range afresh, the valuation summary reads the catalogue in memory. Reads only.
class CReportBuilder
{
public:
    enum class Outcome
    {
        Built,
        Failed,   // the movements could not be read (whole)
        Cancelled // the progress callback said stop
    };
    // Called now and then while a report is read, with the rows read so far (0 while the store
    // still sorts them); false stops the build soon after.
    using Progress = std::function<bool(qint64 rowsRead)>;

    explicit CReportBuilder(CInventoryDoc& doc) : m_doc(doc) {}

    // The range is ignored by the valuation summary. When the movements cannot be read, shows
    // FailureMessage() and gives the report with its headings only.
    CReport Build(ReportKind kind, const ReportRange& range);
    // The same, the rows going to rows as they are made (for writing a large report straight to
    // its file). Shows FailureMessage() when the movements cannot be read.
    Outcome Build(ReportKind kind, const ReportRange& range, CReportRowSink& rows);

    static QList<ReportColumn> Columns(ReportKind kind);
    static QString FailureMessage();

    // A kind that covers a range (every kind but the valuation summary), read through connection:
    // the document's, or a worker thread's own connection to the same book. Shows nothing.
    static Outcome BuildRange(CDbConnection& connection, ReportKind kind, const ReportRange& range,
                              CReportRowSink& rows, const Progress& progress = {});

private:
    static QString Statement(ReportKind kind);
    // The per-product sums of a summary kind over the range; nothing when the statement does not run.
    static std::optional<QList<CCategorySummaryBuilder::ProductSums>>
    ReadSums(CDbConnection& connection, ReportKind kind, const ReportRange& range, const Progress& progress,
             Outcome& outcome);

    CInventoryDoc& m_doc;
};
