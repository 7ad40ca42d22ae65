#include "CProductFilter.h"

CProductFilter::CProductFilter(const QString& text) : m_text(text.trimmed()) {}

bool CProductFilter::Matches(const ItemRecord& product) const
{
    return m_text.isEmpty() || product.ProductID.contains(m_text, Qt::CaseInsensitive) ||
           product.ProductDesc.contains(m_text, Qt::CaseInsensitive);
}

QList<int> CProductFilter::MatchingRows(const QList<ItemRecord>& products) const
{
    QList<int> rows;
    if (m_text.isEmpty()) {
        rows.reserve(products.size());
    }
    for (int row = 0; row < products.size(); ++row) {
        if (Matches(products[row])) {
            rows.append(row);
        }
    }
    return rows;
}
