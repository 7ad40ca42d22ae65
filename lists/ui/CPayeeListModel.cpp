#include "CPayeeListModel.h"

CPayeeListModel::CPayeeListModel(CInventoryDoc& doc, CPayeeSetup::Kind kind, QObject* parent)
    : QAbstractTableModel(parent), m_payees(doc, kind)
{}

int CPayeeListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CPayeeListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

void CPayeeListModel::Fill()
{
    beginResetModel();
    m_rows = static_cast<int>(m_payees.Payees().size());
    endResetModel();
}

int CPayeeListModel::RowOf(int32_t payeeID) const
{
    return m_payees.Find(payeeID);
}

std::optional<int32_t> CPayeeListModel::PayeeAt(int row) const
{
    const QList<PayeeRecord>& payees = m_payees.Payees();
    return row >= 0 && row < payees.size() ? std::optional<int32_t>(payees[row].PayeeID) : std::nullopt;
}

// The catalogue may have been reloaded since the last fill.
QVariant CPayeeListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return QVariant();
    }
    if (role != Qt::DisplayRole) {
        return QVariant();
    }
    const QList<PayeeRecord>& payees = m_payees.Payees();
    if (index.row() >= payees.size()) {
        return QString();
    }
    return index.column() == 0 ? payees[index.row()].CompanyName : payees[index.row()].Phone;
}

QVariant CPayeeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount) {
        return QVariant();
    }
    if (section == 1) {
        return QStringLiteral("Phone");
    }
    return m_payees.GetKind() == CPayeeSetup::Kind::Customer ? QStringLiteral("Customer Name")
                                                             : QStringLiteral("Vendor Name");
}
