#pragma once

#include "RegisterRow.h"

#include <QAbstractTableModel>

#include <optional>

class CRegisterRows;

// The register's rows for the list: each row asked of the register's rows when it is drawn (they
// read the book a page at a time), in three columns of two lines (date and product over payee,
// amount over invoice, balance). The model holds no rows of its own, only the count taken at the
// last fill.
class CRegisterListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role
    {
        LowerTextRole = Qt::UserRole, // the second line of a row or of the header
        DateRole                      // column 0: the date before the product
    };
    static constexpr int kColumnCount = 3;

    explicit CRegisterListModel(CRegisterRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the rows' count afresh (a reset of the model).
    void Fill();
    // The texts of a row; nothing when the rows are closed or have no such row.
    std::optional<RegisterRow::Texts> RowTexts(int row) const;

private:
    CRegisterRows& m_rows;
    int m_count = 0;
};
