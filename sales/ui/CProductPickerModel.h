#pragma once

#include "ItemRecord.h"

#include <QAbstractListModel>
#include <QFont>
#include <QList>

#include <vector>

// The line dialog's drop-down list of products: the catalogue's products that match a search,
// each category's group opened by its heading, which cannot be chosen. It holds only positions in
// the catalogue, so a search over thousands of products costs no item per row.
class CProductPickerModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    CProductPickerModel(const QList<ItemRecord>& products, const QFont& headingFont, QObject* parent);

    // rows: positions in the catalogue, in its order (grouped by category).
    void Show(const QList<int>& rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Entry
    {
        int product = 0;
        bool heading = false;
    };

    const QList<ItemRecord>& m_products;
    QFont m_headingFont;
    std::vector<Entry> m_entries;
};
