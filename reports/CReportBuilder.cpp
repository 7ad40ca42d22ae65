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

// Positions in every report statement; Price and CategoryName only where selected.
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
    kPrice,
    kCategory
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
    if (fieldCount > kCategory) {
        item.category = rows.Text(kCategory);
    }
    return item;
}

} // namespace

CReport CReportBuilder::Build(ReportKind kind, const ReportRange& range)
{
    if (kind == ReportKind::ValuationSummary) {
        return CValuationSummaryBuilder::Build(m_doc.Products());
    }
    const std::optional<QList<ReportItem>> read = ReadItems(kind, range);
    if (!read) {
        m_doc.Prompter().ShowMessage(QStringLiteral("Unable to execute command(Report)"));
    }
    const QList<ReportItem> items = read.value_or(QList<ReportItem>());
    switch (kind) {
    case ReportKind::ValuationDetail:
        return CValuationDetailBuilder::Build(items, range.to);
    case ReportKind::SalesSummary:
        return CSalesSummaryBuilder::Build(items, range.to);
    case ReportKind::PurchasesSummary:
        return CPurchasesSummaryBuilder::Build(items, range.to);
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

std::optional<QList<ReportItem>> CReportBuilder::ReadItems(ReportKind kind, const ReportRange& range)
{
    CDbStatement rows(m_doc.Connection(), Statement(kind));
    if (!rows.IsValid()) {
        return std::nullopt;
    }
    rows.Bind(1, range.FromText()).Bind(2, range.ToText());
    const int fieldCount = rows.ColumnCount();
    QList<ReportItem> items;
    while (rows.Next()) {
        items.append(ReadItem(rows, fieldCount));
    }
    return items;
}
