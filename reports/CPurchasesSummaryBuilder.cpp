#include "CPurchasesSummaryBuilder.h"

#include "LocaleNumber.h"
#include "ReportCellText.h"
#include "TransactionTypes.h"

namespace {

using Align = ReportColumn::Align;

} // namespace

QList<ReportColumn> CPurchasesSummaryBuilder::Columns()
{
    return {{QStringLiteral("Product"), 85},
            {QStringLiteral("Quantity"), 63, Align::Right},
            {QStringLiteral("Amount"), 85, Align::Right}};
}

QString CPurchasesSummaryBuilder::Statement()
{
    return CCategorySummaryBuilder::Statement(kTransPurchase);
}

void CPurchasesSummaryBuilder::Build(const QList<ProductSums>& sums, CReportRowSink& rows)
{
    CPurchasesSummaryBuilder(rows).BuildFrom(sums);
}

void CPurchasesSummaryBuilder::AddToProduct(const ProductSums& sums)
{
    m_productQuantity += sums.quantity;
    m_productAmount += sums.amount;
}

void CPurchasesSummaryBuilder::CloseProduct(const QString& product)
{
    const double amount = RoundToCents(m_productAmount);
    m_rows.AddRow(ReportRow::Kind::Line,
                  {QLatin1Char(' ') + product, QuantityText(RoundToCents(m_productQuantity)), MoneyText(amount)});
    m_categoryAmount += amount;
    m_productQuantity = 0.0;
    m_productAmount = 0.0;
}

void CPurchasesSummaryBuilder::CloseCategory(const QString& category)
{
    m_rows.AddRow(ReportRow::Kind::GroupTotal, {QStringLiteral("Total ") + category, {}, MoneyText(m_categoryAmount)});
    m_grandAmount += m_categoryAmount;
    m_categoryAmount = 0.0;
}

void CPurchasesSummaryBuilder::AddGrandTotal()
{
    m_rows.AddRow(ReportRow::Kind::GrandTotal, {QStringLiteral("Total"), {}, MoneyText(m_grandAmount)});
}
