#include "CValuationSummaryBuilder.h"

#include "AsciiFold.h"
#include "LocaleNumber.h"
#include "ReportCellText.h"

namespace {

using Align = ReportColumn::Align;

} // namespace

QList<ReportColumn> CValuationSummaryBuilder::Columns()
{
    return {{QStringLiteral("Product"), 90},
            {QStringLiteral("On Hand"), 55, Align::Right},
            {QStringLiteral("Avg Cost"), 55, Align::Right},
            {QStringLiteral("Value"), 60, Align::Right},
            {QStringLiteral("Price"), 63, Align::Right},
            {QStringLiteral("Retail Value"), 80, Align::Right}};
}

void CValuationSummaryBuilder::Build(const QList<ItemRecord>& products, CReportRowSink& rows)
{
    CValuationSummaryBuilder builder(rows);
    for (const ItemRecord& product : products) {
        builder.Add(product);
    }
    builder.Finish();
}

void CValuationSummaryBuilder::Add(const ItemRecord& product)
{
    if (!m_inGroup || !AsciiEqualIgnoringCase(product.CategoryName, m_category)) {
        StartGroup(product.CategoryName);
    }
    const double value = product.AvgCost * product.UnitsOnHand;
    const double retail = product.SalePrice * product.UnitsOnHand;
    m_rows.AddRow(ReportRow::Kind::Line,
                  {QLatin1Char(' ') + product.ProductID, QuantityText(product.UnitsOnHand), MoneyText(product.AvgCost),
                   MoneyText(value), MoneyText(product.SalePrice), MoneyText(retail)});
    m_group.onHand += RoundToCents(product.UnitsOnHand);
    m_group.value += RoundToCents(value);
    m_group.retail += RoundToCents(retail);
}

void CValuationSummaryBuilder::StartGroup(const QString& category)
{
    CloseGroup();
    m_inGroup = true;
    m_category = category;
    m_group = {};
    m_rows.AddRow(ReportRow::Kind::Heading, {category});
}

void CValuationSummaryBuilder::CloseGroup()
{
    if (!m_inGroup) {
        return;
    }
    const Sums rounded{RoundToCents(m_group.onHand), RoundToCents(m_group.value), m_group.retail};
    m_rows.AddRow(
        ReportRow::Kind::GroupTotal,
        {m_category, QuantityText(rounded.onHand), {}, MoneyText(rounded.value), {}, MoneyText(rounded.retail)});
    m_grand.onHand += rounded.onHand;
    m_grand.value += rounded.value;
    m_grand.retail += rounded.retail;
    m_rows.AddBlankRow();
}

void CValuationSummaryBuilder::Finish()
{
    if (!m_inGroup) {
        return;
    }
    CloseGroup();
    m_rows.AddRow(ReportRow::Kind::GrandTotal, {QStringLiteral("Total"),
                                                QuantityText(m_grand.onHand),
                                                {},
                                                MoneyText(m_grand.value),
                                                {},
                                                MoneyText(m_grand.retail)});
}
