#include "CProductListModel.h"

#include "CInventoryDoc.h"

#include <algorithm>

CProductListModel::CProductListModel(const CInventoryDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc)
{}

int CProductListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CProductListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

void CProductListModel::Fill()
{
    beginResetModel();
    if (m_filter.IsBlank()) {
        m_matches.clear();
        m_rows = static_cast<int>(m_doc.Products().size());
    } else {
        m_matches = m_filter.MatchingRows(m_doc.Products());
        m_rows = static_cast<int>(m_matches.size());
    }
    endResetModel();
}

int CProductListModel::CatalogueRow(int row) const
{
    if (row < 0 || row >= m_rows) {
        return -1;
    }
    return m_filter.IsBlank() ? row : m_matches[row];
}

int CProductListModel::RowOf(int catalogueRow) const
{
    if (catalogueRow < 0) {
        return -1;
    }
    if (m_filter.IsBlank()) {
        return catalogueRow < m_rows ? catalogueRow : -1;
    }
    const auto found = std::lower_bound(m_matches.cbegin(), m_matches.cend(), catalogueRow);
    return found != m_matches.cend() && *found == catalogueRow ? static_cast<int>(found - m_matches.cbegin()) : -1;
}

// The catalogue may have been reloaded since the last fill; a row past its end reads empty.
std::optional<ProductRowTexts> CProductListModel::RowTexts(int row) const
{
    const int product = CatalogueRow(row);
    if (product < 0 || product >= m_doc.Products().size()) {
        return std::nullopt;
    }
    return ProductRowTexts::Of(m_doc.Products()[product]);
}

ProductRowTexts::NumberExtremes CProductListModel::NumberExtremes() const
{
    return ProductRowTexts::ExtremesOf(m_doc.Products());
}

QVariant CProductListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return QVariant();
    }
    if (role != Qt::DisplayRole && role != LowerTextRole && role != CategoryRole) {
        return QVariant();
    }
    const std::optional<ProductRowTexts> texts = RowTexts(index.row());
    if (!texts) {
        return QString();
    }
    if (role == CategoryRole) {
        return index.column() == 0 ? QVariant(texts->category) : QVariant();
    }
    const bool lower = role == LowerTextRole;
    switch (index.column()) {
    case 0:
        return lower ? texts->description : texts->name;
    case 1:
        return lower ? texts->onHand : texts->salePrice;
    default:
        return lower ? texts->value : texts->avgCost;
    }
}

QVariant CProductListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QVariant();
    }
    static const char* const upper[kColumnCount] = {"Name/Number", "Sale Price", "Avg Cost"};
    static const char* const lower[kColumnCount] = {"Description", "On Hand", "Value"};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(upper[section]);
    case LowerTextRole:
        return QString::fromLatin1(lower[section]);
    case CategoryRole:
        return section == 0 ? QVariant(QStringLiteral("Category")) : QVariant();
    default:
        return QVariant();
    }
}
