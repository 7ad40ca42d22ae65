#include "CByItemReportBuilder.h"

#include "AsciiFold.h"
#include "LocaleNumber.h"
#include "ReportCellText.h"
#include "TransactionTypes.h"

namespace {

using Align = ReportColumn::Align;

} // namespace

QList<ReportColumn> CByItemReportBuilder::Columns(ReportKind kind)
{
    const bool sales = kind == ReportKind::SalesByItem;
    return {{QStringLiteral("Product"), 90},
            {QStringLiteral("Date"), 43},
            {QStringLiteral("Name"), sales ? 65 : 60},
            {QStringLiteral("INV#"), 40},
            {QStringLiteral("QTY"), sales ? 45 : 40, Align::Right},
            {QStringLiteral("Price"), sales ? 45 : 40, Align::Right},
            {QStringLiteral("Amount"), sales ? 55 : 50, Align::Right}};
}

QString CByItemReportBuilder::Statement(ReportKind kind)
{
    // Only the lines of the report's type are read (and sorted); lines of one product and date in
    // the order the history replay takes them, which is the register's.
    return QStringLiteral("SELECT ProductID,TransDate,TransType,CompanyName,InvoiceNum,Quantity,UnitCost,AvgCost,"
                          "UnitsOnHand,Price FROM TransItem "
                          "where TransDate>=?1 and  TransDate<?2 and TransType=%1 "
                          "order by ProductID, TransDate, ItemOrder, TransactionID, rowid")
        .arg(kind == ReportKind::SalesByItem ? kTransSale : kTransPurchase);
}

CByItemReportBuilder::CByItemReportBuilder(ReportKind kind, CReportRowSink& rows)
    : m_rows(rows), m_sales(kind == ReportKind::SalesByItem)
{}

void CByItemReportBuilder::Build(ReportKind kind, const ReportItemSource& items, const QDateTime& toBound,
                                 CReportRowSink& rows)
{
    CByItemReportBuilder builder(kind, rows);
    ReportItem item;
    while (items(item)) {
        if (builder.Takes(item, toBound)) {
            builder.Add(item);
        }
    }
    builder.Finish();
}

bool CByItemReportBuilder::Takes(const ReportItem& item, const QDateTime& toBound) const
{
    return item.IsBefore(toBound) && item.type == (m_sales ? kTransSale : kTransPurchase);
}

void CByItemReportBuilder::Add(const ReportItem& item)
{
    // Sales were read as negative quantities; the report shows what was sold.
    const double quantity = m_sales ? -item.quantity : item.quantity;
    const double amount = item.price * quantity;
    if (!m_inGroup || !AsciiEqualIgnoringCase(item.product, m_groupProduct)) {
        StartGroup(item.product);
    }
    m_groupQuantity += RoundToCents(quantity);
    m_groupAmount += RoundToCents(amount);
    m_rows.AddRow(ReportRow::Kind::Line,
                  {m_sales ? QStringLiteral(" Sale") : QStringLiteral(" Purchase"), m_days.Text(item.day), item.name,
                   item.invoice, QuantityCell(quantity), MoneyCell(item.price), MoneyCell(amount)});
}

void CByItemReportBuilder::StartGroup(const QString& product)
{
    CloseGroup();
    m_inGroup = true;
    m_groupProduct = product;
    m_groupQuantity = 0.0;
    m_groupAmount = 0.0;
    m_rows.AddRow(ReportRow::Kind::Heading, {product});
}

void CByItemReportBuilder::CloseGroup()
{
    if (!m_inGroup) {
        return;
    }
    const double amount = RoundToCents(m_groupAmount);
    m_grandTotal += amount;
    m_rows.AddRow(ReportRow::Kind::GroupTotal, {QStringLiteral("Total ") + m_groupProduct,
                                                {},
                                                {},
                                                {},
                                                QuantityText(RoundToCents(m_groupQuantity)),
                                                {},
                                                MoneyText(amount)});
    m_rows.AddBlankRow();
}

// The grand total is the sum of the product totals above it, each counted once.
void CByItemReportBuilder::Finish()
{
    if (!m_inGroup) {
        return;
    }
    CloseGroup();
    m_rows.AddRow(ReportRow::Kind::GrandTotal, {QStringLiteral("Total"), {}, {}, {}, {}, {}, MoneyText(m_grandTotal)});
}
