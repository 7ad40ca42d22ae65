#pragma once

#include <QCollator>
#include <QList>
#include <QString>

#include <algorithm>

// The order of the lists a person reads: the user's language, letter case aside ("Élise" beside
// "Eli", not after "Zoë"), the same on a file and on a server, whatever order the store returns.
// Sorting is stable, so names the language counts as equal keep the store's order.
class CLocaleOrder
{
public:
    CLocaleOrder();

    // Sorts records by the texts keyOf gives, compared in turn (the first that differs decides).
    template <typename Record, typename KeyOf>
    void Sort(QList<Record>& records, KeyOf keyOf) const
    {
        QList<std::pair<QList<QCollatorSortKey>, Record>> keyed;
        keyed.reserve(records.size());
        for (Record& record : records) {
            keyed.append({SortKeys(keyOf(record)), std::move(record)});
        }
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return KeysLess(a.first, b.first); });
        records.clear();
        for (auto& entry : keyed) {
            records.append(std::move(entry.second));
        }
    }

private:
    QList<QCollatorSortKey> SortKeys(const QStringList& texts) const;
    static bool KeysLess(const QList<QCollatorSortKey>& a, const QList<QCollatorSortKey>& b);

    QCollator m_collator;
};
