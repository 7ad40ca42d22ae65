#include "CProductPickerModel.h"

CProductPickerModel::CProductPickerModel(const QList<ItemRecord>& products, const QFont& headingFont, QObject* parent)
    : QAbstractListModel(parent), m_products(products), m_headingFont(headingFont)
{
    m_headingFont.setBold(true);
}

void CProductPickerModel::Show(const QList<int>& rows)
{
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(rows.size() + rows.size() / 8 + 1);
    for (const int row : rows) {
        if (m_entries.empty() || m_products[row].CategoryID != m_products[m_entries.back().product].CategoryID) {
            m_entries.push_back({row, true});
        }
        m_entries.push_back({row, false});
    }
    endResetModel();
}

int CProductPickerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

QVariant CProductPickerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const Entry& entry = m_entries[static_cast<size_t>(index.row())];
    // The catalogue may have been read again since the search.
    if (entry.product >= m_products.size()) {
        return QVariant();
    }
    const ItemRecord& product = m_products[entry.product];
    if (entry.heading) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return product.CategoryName;
        case Qt::AccessibleTextRole:
            return QStringLiteral("Category %1").arg(product.CategoryName);
        case Qt::FontRole:
            return m_headingFont;
        default:
            return QVariant();
        }
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::UserRole:
    case Qt::AccessibleTextRole:
        return product.ProductID;
    default:
        return QVariant();
    }
}

Qt::ItemFlags CProductPickerModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount() || m_entries[static_cast<size_t>(index.row())].heading) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}
