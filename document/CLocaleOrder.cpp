#include "CLocaleOrder.h"

#include <QLocale>

namespace {

// The POSIX locale names no language, and Qt compares code points for it (É after Z, and sort keys
// that heed letter case). The language-neutral order of the Unicode collation, which English uses
// as it is, puts accented letters beside their base letters instead.
QLocale CollationLocale()
{
    const QLocale user;
    return user.language() == QLocale::C ? QLocale(QLocale::English) : user;
}

} // namespace

CLocaleOrder::CLocaleOrder() : m_collator(CollationLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

// Sort keys are computed once per record: comparing them is far cheaper than collating the texts
// again for every comparison of a sort.
QList<QCollatorSortKey> CLocaleOrder::SortKeys(const QStringList& texts) const
{
    QList<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString& text : texts) {
        keys.append(m_collator.sortKey(text));
    }
    return keys;
}

bool CLocaleOrder::KeysLess(const QList<QCollatorSortKey>& a, const QList<QCollatorSortKey>& b)
{
    for (qsizetype i = 0; i < a.size() && i < b.size(); ++i) {
        const int order = a[i].compare(b[i]);
        if (order != 0) {
            return order < 0;
        }
    }
    return a.size() < b.size();
}
