#include "CCategorySummaryBuilder.h"

#include "AsciiFold.h"

QString CCategorySummaryBuilder::Statement(int32_t transType)
{
    // Each line rounded as RoundToCents rounds it (the same double operations), so the sums are
    // those of adding the lines one by one.
    return QStringLiteral("SELECT ProductID,CategoryName,sum(floor(Quantity*100+0.5)/100),"
                          "sum(floor(Price*Quantity*100+0.5)/100),sum(AvgCost*Quantity) FROM TransItem "
                          "where TransDate>=?1 and  TransDate<?2 and TransType=%1 "
                          "group by CategoryName,ProductID order by CategoryName,ProductID")
        .arg(transType);
}

void CCategorySummaryBuilder::BuildFrom(const QList<ProductSums>& sums)
{
    for (const ProductSums& product : sums) {
        Add(product);
    }
    Finish();
}

// A product of another category is another product row, even under the same name: a product
// moved to another category keeps its earlier lines in the old one.
void CCategorySummaryBuilder::Add(const ProductSums& item)
{
    const bool newCategory = !m_started || !AsciiEqualIgnoringCase(item.category, m_category);
    const bool newProduct = newCategory || !AsciiEqualIgnoringCase(item.product, m_product);
    if (m_started && newProduct) {
        CloseProduct(m_product);
    }
    if (m_started && newCategory) {
        CloseCategory(m_category);
        m_rows.AddBlankRow();
    }
    if (newCategory) {
        m_category = item.category;
        m_rows.AddRow(ReportRow::Kind::Heading, {item.category});
    }
    if (newProduct) {
        m_product = item.product;
    }
    m_started = true;
    AddToProduct(item);
}

// The last product and category count in the totals like every other.
void CCategorySummaryBuilder::Finish()
{
    if (!m_started) {
        return;
    }
    CloseProduct(m_product);
    CloseCategory(m_category);
    m_rows.AddBlankRow();
    AddGrandTotal();
}
