#include "CTransLineModel.h"

#include "CProductListModel.h"
#include "CTransactionForm.h"
#include "LocaleNumber.h"
#include "TransLineTexts.h"

CTransLineModel::CTransLineModel(const CTransactionForm& form, QObject* parent)
    : QAbstractTableModel(parent), m_form(form), m_rows(static_cast<int>(form.Lines().size()))
{}

int CTransLineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CTransLineModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

void CTransLineModel::Refill()
{
    beginResetModel();
    m_rows = static_cast<int>(m_form.Lines().size());
    endResetModel();
}

void CTransLineModel::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

QVariant CTransLineModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.row() >= m_form.Lines().size()) {
        return QVariant();
    }
    const TransLineTexts texts = TransLineTexts::Of(m_form.Lines()[index.row()], m_form.IsSale());
    // The form keeps printf texts; a person reads the locale's grouping.
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == 0   ? texts.productID
               : index.column() == 1 ? LocaleFormOfPlainNumber(texts.price)
                                     : LocaleFormOfPlainNumber(texts.amount);
    case CProductListModel::LowerTextRole:
        return index.column() == 0 ? texts.description : index.column() == 1 ? texts.taxName : QString();
    case CProductListModel::CategoryRole:
        return index.column() == 0 ? QVariant(LocaleFormOfPlainNumber(texts.quantity)) : QVariant();
    default:
        return QVariant();
    }
}

QVariant CTransLineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QVariant();
    }
    static const char* const upper[kColumnCount] = {"Name/Number", "Price", "Amount"};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(upper[section]);
    case CProductListModel::LowerTextRole:
        return section == 0   ? QStringLiteral("Description")
               : section == 1 ? (m_form.IsSale() ? QStringLiteral("Tax") : QString())
                              : QString();
    case CProductListModel::CategoryRole:
        return section == 0 ? QVariant(QStringLiteral("Quantity")) : QVariant();
    default:
        return QVariant();
    }
}
