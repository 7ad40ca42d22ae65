#include "CReportBuilder.h"

#include "CByItemReportBuilder.h"
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

ReportItem ReadItem(const CDbStatement& rows, int fieldCount)
{
    ReportItem item;
    item.product = rows.Text(kProduct);
    ReadDate(rows.Text(kDate), item);
    item.type = rows.Int(kType);
    item.name = rows.Text(kName);
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
    return item;
}

} // namespace

CReport CReportBuilder::Build(ReportKind kind, const ReportRange& range)
{
    if (kind == ReportKind::ValuationSummary) {
        return CValuationSummaryBuilder::Build(m_doc.Products());
    }
    if (kind == ReportKind::SalesSummary || kind == ReportKind::PurchasesSummary) {
        const std::optional<QList<CCategorySummaryBuilder::ProductSums>> sums = ReadSums(kind, range);
        if (!sums) {
            m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Report)"));
        }
        const QList<CCategorySummaryBuilder::ProductSums> read =
            sums.value_or(QList<CCategorySummaryBuilder::ProductSums>());
        return kind == ReportKind::SalesSummary ? CSalesSummaryBuilder::Build(read)
                                                : CPurchasesSummaryBuilder::Build(read);
    }
    // The movements of the range, read one at a time as the report takes them.
    CDbStatement rows(m_doc.Connection(), Statement(kind));
    if (!rows.IsValid()) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Report)"));
    } else {
        rows.Bind(1, range.FromText()).Bind(2, range.ToText());
    }
    const int fieldCount = rows.ColumnCount();
    const ReportItemSource items = [&rows, fieldCount](ReportItem& item) {
        if (!rows.Next()) {
            return false;
        }
        item = ReadItem(rows, fieldCount);
        return true;
    };
    switch (kind) {
    case ReportKind::ValuationDetail:
        return CValuationDetailBuilder::Build(items, range.to);
    default:
        return CByItemReportBuilder::Build(kind, items, range.to);
    }
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

std::optional<QList<CCategorySummaryBuilder::ProductSums>> CReportBuilder::ReadSums(ReportKind kind,
                                                                                    const ReportRange& range)
{
    CDbStatement rows(m_doc.Connection(), Statement(kind));
    if (!rows.IsValid()) {
        return std::nullopt;
    }
    rows.Bind(1, range.FromText()).Bind(2, range.ToText());
    QList<CCategorySummaryBuilder::ProductSums> sums;
    while (rows.Next()) {
        sums.append({rows.Text(0), rows.Text(1), rows.Double(2), rows.Double(3), rows.Double(4)});
    }
    return sums;
}
