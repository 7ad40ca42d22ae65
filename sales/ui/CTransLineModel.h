#pragma once

#include <QAbstractTableModel>

class CTransactionForm;

// The entry form's lines as the list shows them, in three columns of two lines each: product code
// and quantity over the description, price over the tax (sales), amount. Header and cells use the
// roles of CProductListModel for the lower line and for the text beside the code.
class CTransLineModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumnCount = 3;

    explicit CTransLineModel(const CTransactionForm& form, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The form's lines were added or removed.
    void Refill();
    // The line of this row was changed.
    void RowChanged(int row);

private:
    const CTransactionForm& m_form;
    int m_rows = 0;
};
