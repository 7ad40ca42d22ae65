#pragma once

#include "CPayeeSetup.h"

#include <QAbstractTableModel>

// The rows of a payee list: the catalogue's customers or vendors, read when a row is drawn, with
// the company name and the phone number. The model holds no rows of its own, only the count
// taken at the last fill; a row past the end of the catalogue's list reads empty.
class CPayeeListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumnCount = 2;

    CPayeeListModel(CInventoryDoc& doc, CPayeeSetup::Kind kind, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the catalogue's payee count afresh (a reset of the model).
    void Fill();
    // The row of the payee; -1 when the list has none with that id.
    int RowOf(int32_t payeeID) const;
    // The payee of the row; none past the end of the list.
    std::optional<int32_t> PayeeAt(int row) const;

private:
    CPayeeSetup m_payees;
    int m_rows = 0;
};
