#pragma once

#include <QDate>
#include <QHash>
#include <QString>

// The date cells of the days a report shows, each formatted once: a decade's million rows fall
// on a few thousand days, and formatting a date through the locale costs more than the rest of
// its row. One cache serves one build (the locale does not change during it).
class CDayTexts
{
public:
    // DateCellText of the day.
    const QString& Text(const QDate& day);

private:
    QHash<qint64, QString> m_texts;
};
