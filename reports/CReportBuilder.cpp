#include "CReportBuilder.h"

#include "CByItemReportBuilder.h"
#include "CDbRecordset.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CPurchasesSummaryBuilder.h"
#include "CSalesSummaryBuilder.h"
#include "CValuationDetailBuilder.h"
#include "CValuationSummaryBuilder.h"
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

// A null text is shown as nothing, not as the store's empty-field mark.
QString TextField(CDbRecordset& rows, int index)
{
    const CDbVariant value = rows.GetFieldValue(index);
    return value.IsNull() ? QString() : value.ToText();
}

double NumberField(CDbRecordset& rows, int index)
{
    return rows.GetFieldValue(index).ToDouble();
}

ReportItem ReadItem(CDbRecordset& rows)
{
    ReportItem item;
    item.product = TextField(rows, kProduct);
    item.date = rows.GetFieldDate(kDate);
    item.type = rows.GetFieldValue(kType).ToInt32();
    item.name = TextField(rows, kName);
    item.invoice = TextField(rows, kInvoice);
    item.quantity = NumberField(rows, kQuantity);
    if (item.type == kTransSale) {
        item.quantity = -item.quantity;
    }
    item.unitCost = NumberField(rows, kUnitCost);
    item.avgCost = NumberField(rows, kAvgCost);
    item.onHand = NumberField(rows, kOnHand);
    item.value = item.onHand * item.avgCost;
    if (rows.FieldCount() > kPrice) {
        item.price = NumberField(rows, kPrice);
    }
    if (rows.FieldCount() > kCategory) {
        item.category = TextField(rows, kCategory);
    }
    return item;
}

} // namespace

CReport CReportBuilder::Build(ReportKind kind, const ReportRange& range)
{
    if (kind == ReportKind::ValuationSummary) {
        return CValuationSummaryBuilder::Build(m_doc.Products());
    }
    const std::optional<QList<ReportItem>> read = ReadItems(Statement(kind, range));
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

QString CReportBuilder::Statement(ReportKind kind, const ReportRange& range)
{
    switch (kind) {
    case ReportKind::ValuationDetail:
        return CValuationDetailBuilder::Statement(range);
    case ReportKind::SalesSummary:
        return CSalesSummaryBuilder::Statement(range);
    case ReportKind::PurchasesSummary:
        return CPurchasesSummaryBuilder::Statement(range);
    default:
        return CByItemReportBuilder::Statement(kind, range);
    }
}

std::optional<QList<ReportItem>> CReportBuilder::ReadItems(const QString& statement)
{
    CDbRecordset rows(m_doc.Connection());
    if (!rows.Open(statement, CDbRecordset::kOpenForwardOnly, CDbRecordset::kLockReadOnly)) {
        return std::nullopt;
    }
    QList<ReportItem> items;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        items.append(ReadItem(rows));
    }
    return items;
}
