#include "ReportRow.h"

ReportRow::Shade ReportRow::RowShade() const
{
    const QString first = cells.value(0);
    if (first.isEmpty()) {
        return Shade::White;
    }
    return first.startsWith(QLatin1Char(' ')) ? Shade::Grey : Shade::Tint;
}
