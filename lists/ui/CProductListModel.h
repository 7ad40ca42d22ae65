#pragma once

#include "ProductRowTexts.h"

#include <QAbstractTableModel>

#include <optional>

class CInventoryDoc;

// The product list's rows: the catalogue's products, read when a row is drawn, in three columns
// of two lines each (name over description, sale price over on hand, average cost over value).
// The model holds no rows of its own, only the count taken at the last fill, so a fill is one
// row-count change however many products there are.
class CProductListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role
    {
        LowerTextRole = Qt::UserRole, // the second line of a row or of the header
        CategoryRole                  // column 0: the category beside the name
    };
    static constexpr int kColumnCount = 3;

    explicit CProductListModel(const CInventoryDoc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Takes the catalogue's product count afresh (a reset of the model).
    void Fill();
    // The texts of a row; nothing for a row the catalogue no longer has.
    std::optional<ProductRowTexts> RowTexts(int row) const;
    // The widest number texts of the catalogue's products.
    ProductRowTexts::NumberExtremes NumberExtremes() const;

private:
    const CInventoryDoc& m_doc;
    int m_rows = 0;
};
