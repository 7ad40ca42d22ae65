#include "CDayTexts.h"

#include "DateCellText.h"

const QString& CDayTexts::Text(const QDate& day)
{
    const qint64 key = day.isValid() ? day.toJulianDay() : std::numeric_limits<qint64>::min();
    auto found = m_texts.find(key);
    if (found == m_texts.end()) {
        found = m_texts.insert(key, DateCellText(day));
    }
    return *found;
}
