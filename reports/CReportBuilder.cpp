#include "CReportBuilder.h"

#include "CByItemReportBuilder.h"
#include "CDbConnection.h"
#include "CDbStatement.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CPurchasesSummaryBuilder.h"
#include "CSalesSummaryBuilder.h"
#include "CValuationDetailBuilder.h"
#include "CValuationSummaryBuilder.h"
#include "DateText.h"
#include "ReportRange.h"
#include "TransactionTypes.h"

namespace {

// Positions in every line-by-line report statement; Price only where selected.
enum Field
{
    kProduct,
    kDate,
    kType,
    kName,
    kInvoice,
    kQuantity,
    kUnitCost,
    kAvgCost,
    kOnHand,
    kPrice
};

// The store keeps date-times as "YYYY-MM-DD HH:MM:SS"; that form is read directly, any other
// through the store's parser.
void ReadDate(const QString& text, ReportItem& item)
{
    if (ReadStoredDateParts(text, item.day, item.time)) {
        return;
    }
    const std::optional<QDateTime> parsed = ParseStoreDate(text);
    item.day = parsed ? parsed->date() : QDate();
    item.time = parsed ? parsed->time() : QTime();
}

void ReadItem(const CDbStatement& rows, int fieldCount, ReportItem& item)
{
    // A sorted read gives each product and name in long runs.
    rows.ReadText(kProduct, item.product);
    ReadDate(rows.Text(kDate), item);
    item.type = rows.Int(kType);
    rows.ReadText(kName, item.name);
    item.invoice = rows.Text(kInvoice);
    item.quantity = rows.Double(kQuantity);
    if (item.type == kTransSale) {
        item.quantity = -item.quantity;
    }
    item.unitCost = rows.Double(kUnitCost);
    item.avgCost = rows.Double(kAvgCost);
    item.onHand = rows.Double(kOnHand);
    item.value = item.onHand * item.avgCost;
    if (fieldCount > kPrice) {
        item.price = rows.Double(kPrice);
    }
}

// How many rows are read between two calls of the progress callback.
constexpr qint64 kRowsPerProgress = 4096;

// While a report is read, a Cancel stops the store mid-statement too (a decade's rows are sorted
// before the first arrives); the interruption ends with the read.
class CInterruption
{
public:
    CInterruption(CDbConnection& connection, const CReportBuilder::Progress& progress, const qint64& rowsRead)
        : m_connection(connection), m_active(static_cast<bool>(progress))
    {
        if (m_active) {
            m_connection.SetInterruption([&progress, &rowsRead] { return !progress(rowsRead); });
        }
    }
    ~CInterruption()
    {
        if (m_active) {
            m_connection.SetInterruption({});
        }
    }
    CInterruption(const CInterruption&) = delete;
    CInterruption& operator=(const CInterruption&) = delete;

private:
    CDbConnection& m_connection;
    bool m_active;
};

} // namespace

CReport CReportBuilder::Build(ReportKind kind, const ReportRange& range)
{
    CReport report(kind, Columns(kind));
    Build(kind, range, report);
    return report;
}

CReportBuilder::Outcome CReportBuilder::Build(ReportKind kind, const ReportRange& range, CReportRowSink& rows)
{
    if (kind == ReportKind::ValuationSummary) {
        CValuationSummaryBuilder::Build(m_doc.Products(), rows);
        return Outcome::Built;
    }
    const Outcome outcome = BuildRange(m_doc.Connection(), kind, range, rows);
    if (outcome == Outcome::Failed) {
        m_doc.Prompter().ShowMessage(FailureMessage());
    }
    return outcome;
}

QList<ReportColumn> CReportBuilder::Columns(ReportKind kind)
{
    switch (kind) {
    case ReportKind::ValuationDetail:
        return CValuationDetailBuilder::Columns();
    case ReportKind::ValuationSummary:
        return CValuationSummaryBuilder::Columns();
    case ReportKind::SalesSummary:
        return CSalesSummaryBuilder::Columns();
    case ReportKind::PurchasesSummary:
        return CPurchasesSummaryBuilder::Columns();
    default:
        return CByItemReportBuilder::Columns(kind);
    }
}

QString CReportBuilder::FailureMessage()
{
    return QStringLiteral("Unable to execute command(Report)");
}

CReportBuilder::Outcome CReportBuilder::BuildRange(CDbConnection& connection, ReportKind kind, const ReportRange& range,
                                                   CReportRowSink& rows, const Progress& progress)
{
    Outcome outcome = Outcome::Built;
    if (kind == ReportKind::SalesSummary || kind == ReportKind::PurchasesSummary) {
        const std::optional<QList<CCategorySummaryBuilder::ProductSums>> sums =
            ReadSums(connection, kind, range, progress, outcome);
        if (outcome == Outcome::Cancelled) {
            return outcome;
        }
        // A summary that could not be read is shown with its headings only.
        const QList<CCategorySummaryBuilder::ProductSums> read =
            sums.value_or(QList<CCategorySummaryBuilder::ProductSums>());
        if (kind == ReportKind::SalesSummary) {
            CSalesSummaryBuilder::Build(read, rows);
        } else {
            CPurchasesSummaryBuilder::Build(read, rows);
        }
        return outcome;
    }
    qint64 rowsRead = 0;
    const CInterruption interruption(connection, progress, rowsRead);
    // The movements of the range, read one at a time as the report takes them.
    CDbStatement statement(connection, Statement(kind));
    if (!statement.IsValid()) {
        outcome = Outcome::Failed;
    } else {
        statement.Bind(1, range.FromText()).Bind(2, range.ToText());
    }
    const int fieldCount = statement.ColumnCount();
    const ReportItemSource items = [&](ReportItem& item) {
        if (outcome != Outcome::Built) {
            return false;
        }
        if (progress && ++rowsRead % kRowsPerProgress == 0 && !progress(rowsRead)) {
            outcome = Outcome::Cancelled;
            return false;
        }
        if (!statement.Next()) {
            if (statement.Failed()) {
                outcome = progress && !progress(rowsRead) ? Outcome::Cancelled : Outcome::Failed;
            }
            return false;
        }
        ReadItem(statement, fieldCount, item);
        return true;
    };
    switch (kind) {
    case ReportKind::ValuationDetail:
        CValuationDetailBuilder::Build(items, range.to, rows);
        break;
    default:
        CByItemReportBuilder::Build(kind, items, range.to, rows);
        break;
    }
    return outcome;
}

QString CReportBuilder::Statement(ReportKind kind)
{
    switch (kind) {
    case ReportKind::ValuationDetail:
        return CValuationDetailBuilder::Statement();
    case ReportKind::SalesSummary:
        return CSalesSummaryBuilder::Statement();
    case ReportKind::PurchasesSummary:
        return CPurchasesSummaryBuilder::Statement();
    default:
        return CByItemReportBuilder::Statement(kind);
    }
}

std::optional<QList<CCategorySummaryBuilder::ProductSums>>
CReportBuilder::ReadSums(CDbConnection& connection, ReportKind kind, const ReportRange& range, const Progress& progress,
                         Outcome& outcome)
{
    const qint64 rowsRead = 0;
    const CInterruption interruption(connection, progress, rowsRead);
    CDbStatement statement(connection, Statement(kind));
    if (!statement.IsValid()) {
        outcome = Outcome::Failed;
        return std::nullopt;
    }
    statement.Bind(1, range.FromText()).Bind(2, range.ToText());
    QList<CCategorySummaryBuilder::ProductSums> sums;
    while (statement.Next()) {
        sums.append(
            {statement.Text(0), statement.Text(1), statement.Double(2), statement.Double(3), statement.Double(4)});
    }
    if (statement.Failed()) {
        outcome = progress && !progress(rowsRead) ? Outcome::Cancelled : Outcome::Failed;
        return std::nullopt;
    }
    return sums;
}
