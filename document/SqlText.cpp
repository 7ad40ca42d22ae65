#include "SqlText.h"

QString QuoteSqlText(const QString& text)
{
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QLatin1String("''"));
}
