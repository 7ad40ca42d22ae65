#include "CValuationDetailBuilder.h"

#include "AsciiFold.h"
#include "LocaleNumber.h"
#include "ReportCellText.h"
#include "TransactionTypes.h"

namespace {

using Align = ReportColumn::Align;

} // namespace

QList<ReportColumn> CValuationDetailBuilder::Columns()
{
    return {{QStringLiteral("Product"), 90},
            {QStringLiteral("Date"), 43},
            {QStringLiteral("Name"), 60},
            {QStringLiteral("INV#"), 40},
            {QStringLiteral("QTY"), 40, Align::Right},
            {QStringLiteral("Cost"), 40, Align::Right},
            {QStringLiteral("On Hand"), 55, Align::Right},
            {QStringLiteral("Avg Cost"), 55, Align::Right},
            {QStringLiteral("Value"), 60, Align::Right}};
}

namespace {

QString MovementText(const ReportItem& item)
{
    switch (item.type) {
    case kTransPurchase:
        return QStringLiteral(" Buy");
    case kTransSale:
        return QStringLiteral(" Sale");
    case kTransAdjustment:
        return QStringLiteral(" Adjust");
    case kTransOpeningBalance:
        return item.name.contains(QLatin1String("Open")) ? QStringLiteral(" Open") : QStringLiteral(" Close");
    default:
        return QStringLiteral(" Other");
    }
}

} // namespace

QString CValuationDetailBuilder::Statement()
{
    // Rows of one product and date in the order the history replay takes them, which is the register's.
    return QStringLiteral(
        "SELECT ProductID,TransDate,TransType,CompanyName,InvoiceNum,Quantity,UnitCost,AvgCost,"
        "UnitsOnHand FROM TransItem "
        "where TransDate>=?1 and  TransDate<?2 order by ProductID, TransDate, ItemOrder, TransactionID, rowid");
}

CValuationDetailBuilder::CValuationDetailBuilder(const QDateTime& toBound, CReportRowSink& rows)
    : m_rows(rows), m_toBound(toBound)
{}

void CValuationDetailBuilder::Build(const ReportItemSource& items, const QDateTime& toBound, CReportRowSink& rows)
{
    CValuationDetailBuilder builder(toBound, rows);
    ReportItem item;
    while (items(item)) {
        builder.Add(item);
    }
    builder.Finish();
}

void CValuationDetailBuilder::Add(const ReportItem& item)
{
    if (!item.IsBefore(m_toBound)) {
        return;
    }
    if (!m_inGroup || !AsciiEqualIgnoringCase(item.product, m_groupProduct)) {
        StartGroup(item);
    } else {
        // Each row moves the value by its own amount: a purchase at its price, anything else at
        // the average cost after it.
        const double cost = item.type == kTransPurchase ? item.unitCost : item.avgCost;
        m_running = RoundToCents(m_running) + item.quantity * cost;
    }
    m_lastOnHand = item.onHand;
    m_rows.AddRow(ReportRow::Kind::Line,
                  {MovementText(item), m_days.Text(item.day), item.name, item.invoice, QuantityCell(item.quantity),
                   item.type == kTransPurchase ? MoneyCell(item.unitCost) : CNumberText(), QuantityCell(item.onHand),
                   MoneyCell(item.avgCost), MoneyCell(m_running)});
}

void CValuationDetailBuilder::StartGroup(const ReportItem& item)
{
    CloseGroup();
    m_inGroup = true;
    m_groupProduct = item.product;
    m_rows.AddRow(ReportRow::Kind::Heading, {item.product});
    m_running = item.value;
}

void CValuationDetailBuilder::CloseGroup()
{
    if (!m_inGroup) {
        return;
    }
    const double value = RoundToCents(m_running);
    m_grandTotal += value;
    m_rows.AddRow(ReportRow::Kind::GroupTotal, {QStringLiteral("Total ") + m_groupProduct,
                                                {},
                                                {},
                                                {},
                                                {},
                                                {},
                                                QuantityText(RoundToCents(m_lastOnHand)),
                                                {},
                                                MoneyText(value)});
    m_rows.AddBlankRow();
}

void CValuationDetailBuilder::Finish()
{
    if (!m_inGroup) {
        return;
    }
    CloseGroup();
    m_rows.AddRow(ReportRow::Kind::GrandTotal,
                  {QStringLiteral("Total"), {}, {}, {}, {}, {}, {}, {}, MoneyText(m_grandTotal)});
}
