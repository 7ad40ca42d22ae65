#pragma once

#include "ItemRecord.h"

#include <QList>
#include <QString>

// What a product search field finds: the products whose code or description holds the typed
// text anywhere, letter case aside. Blank text finds every product. Matching is a plain scan,
// quick enough to run on every keystroke over a catalogue of tens of thousands.
class CProductFilter
{
public:
    CProductFilter() = default;
    explicit CProductFilter(const QString& text);

    // The text searched for, without its surrounding blanks.
    const QString& Text() const { return m_text; }
    bool IsBlank() const { return m_text.isEmpty(); }
    bool Matches(const ItemRecord& product) const;
    // The positions of the matching products, in the catalogue's order.
    QList<int> MatchingRows(const QList<ItemRecord>& products) const;

private:
    QString m_text;
};
