#pragma once

#include "CProductFilter.h"
#include "ProductRowTexts.h"

#include <QAbstractTableModel>

#include <optional>

class CInventoryDoc;

// The product list's rows: the catalogue's products, read when a row is drawn, in three columns
// of two lines each (name over description, sale price over on hand, average cost over value).
// The model holds no rows of its own, only the count taken at the last fill, so a fill is one
// row-count change however many products there are. Under a search only the matching products
// are rows, each naming its place in the catalogue.
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

    // Takes the catalogue's products afresh (a reset of the model).
    void Fill();
    // Keeps only the products the filter finds, from the next fill on.
    void SetFilter(const CProductFilter& filter) { m_filter = filter; }
    const CProductFilter& Filter() const { return m_filter; }
    // The catalogue's position of a row's product, -1 for no row; and the row of a catalogue
    // position, -1 when it is not listed.
    int CatalogueRow(int row) const;
    int RowOf(int catalogueRow) const;
    // The texts of a row; nothing for a row the catalogue no longer has.
    std::optional<ProductRowTexts> RowTexts(int row) const;
    // The widest number texts of the catalogue's products.
    ProductRowTexts::NumberExtremes NumberExtremes() const;

private:
    const CInventoryDoc& m_doc;
    CProductFilter m_filter;
    int m_rows = 0;
    QList<int> m_matches; // the catalogue rows listed under a search; unused without one
};
