#include "CRegisterListModel.h"

#include "CRegisterRows.h"

CRegisterListModel::CRegisterListModel(CRegisterRows& rows, QObject* parent) : QAbstractTableModel(parent), m_rows(rows)
{}

int CRegisterListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int CRegisterListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

void CRegisterListModel::Fill()
{
    beginResetModel();
    m_count = static_cast<int>(m_rows.Count());
    endResetModel();
}

std::optional<RegisterRow::Texts> CRegisterListModel::RowTexts(int row) const
{
    const std::optional<RegisterRow> read = m_rows.Read(row);
    return read ? std::optional(read->CellTexts()) : std::nullopt;
}

QVariant CRegisterListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return QVariant();
    }
    if (role != Qt::DisplayRole && role != LowerTextRole && role != DateRole) {
        return QVariant();
    }
    const std::optional<RegisterRow::Texts> texts = RowTexts(index.row());
    if (!texts) {
        return QString();
    }
    if (role == DateRole) {
        return index.column() == 0 ? QVariant(texts->date) : QVariant();
    }
    const bool lower = role == LowerTextRole;
    switch (index.column()) {
    case 0:
        return lower ? texts->payee : texts->product;
    case 1:
        return lower ? texts->invoice : texts->amount;
    default:
        return lower ? QString() : texts->balance;
    }
}

QVariant CRegisterListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QVariant();
    }
    static const char* const upper[kColumnCount] = {"Product", "Amount", "Balance"};
    static const char* const lower[kColumnCount] = {"Payee", "Inv Num", ""};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(upper[section]);
    case LowerTextRole:
        return QString::fromLatin1(lower[section]);
    case DateRole:
        return section == 0 ? QVariant(QStringLiteral("Date")) : QVariant();
    default:
        return QVariant();
    }
}
