#include "DateCellText.h"

#include <QLocale>

QString DateCellFormat()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QStringLiteral("M/d/yy") : locale.dateFormat(QLocale::ShortFormat);
}

QString DateCellText(const QDate& date)
{
    return QLocale().toString(date, DateCellFormat());
}
