#include "CSalesSummaryBuilder.h"

#include "LocaleNumber.h"
#include "ReportCellText.h"
#include "TransactionTypes.h"

namespace {

using Align = ReportColumn::Align;

} // namespace

QList<ReportColumn> CSalesSummaryBuilder::Columns()
{
    return {{QStringLiteral("Product"), 90},
            {QStringLiteral("QTY"), 43, Align::Right},
            {QStringLiteral("Amount"), 65, Align::Right},
            {QStringLiteral("Avg Price"), 58, Align::Right},
            {QStringLiteral("COGS"), 45, Align::Right},
            {QStringLiteral("AVG COGS"), 65, Align::Right},
            {QStringLiteral("Gross Margin"), 80, Align::Right},
            {QStringLiteral("Gross Margin %"), 85, Align::Right}};
}

namespace {

double PerUnit(double total, double quantity)
{
    return quantity != 0.0 ? total / quantity : 0.0;
}

QString MarginPercentText(double amount, double cost)
{
    return PercentText(amount != 0.0 ? (amount - cost) / amount * 100 : 0.0);
}

} // namespace

QString CSalesSummaryBuilder::Statement()
{
    return CCategorySummaryBuilder::Statement(kTransSale);
}

void CSalesSummaryBuilder::Build(const QList<ProductSums>& sums, CReportRowSink& rows)
{
    CSalesSummaryBuilder(rows).BuildFrom(sums);
}

void CSalesSummaryBuilder::AddToProduct(const ProductSums& sums)
{
    m_product.quantity += sums.quantity;
    m_product.amount += sums.amount;
    m_product.cost += sums.cost;
}

void CSalesSummaryBuilder::CloseProduct(const QString& product)
{
    const double quantity = RoundToCents(m_product.quantity);
    const double amount = RoundToCents(m_product.amount);
    const double cost = m_product.cost;
    m_rows.AddRow(ReportRow::Kind::Line,
                  {QLatin1Char(' ') + product, QuantityText(quantity), MoneyText(amount),
                   MoneyText(PerUnit(amount, quantity)), MoneyText(cost), MoneyText(PerUnit(cost, quantity)),
                   MoneyText(amount - RoundToCents(cost)), MarginPercentText(amount, cost)});
    m_category.amount += amount;
    m_category.cost += cost;
    m_product = {};
}

void CSalesSummaryBuilder::CloseCategory(const QString& category)
{
    AddTotalRow(ReportRow::Kind::GroupTotal, QStringLiteral("Total ") + category, m_category);
    m_grand.amount += m_category.amount;
    m_grand.cost += m_category.cost;
    m_category = {};
}

void CSalesSummaryBuilder::AddGrandTotal()
{
    AddTotalRow(ReportRow::Kind::GrandTotal, QStringLiteral("Total"), m_grand);
}

void CSalesSummaryBuilder::AddTotalRow(ReportRow::Kind kind, const QString& first, const Sums& sums)
{
    m_rows.AddRow(kind, {first,
                         {},
                         MoneyText(sums.amount),
                         {},
                         MoneyText(sums.cost),
                         {},
                         MoneyText(sums.amount - sums.cost),
                         MarginPercentText(sums.amount, sums.cost)});
}
