#pragma once

#include "CReport.h"

#include <QStringList>

// A report as lines of cells joined by "|", for comparing whole reports.
inline QStringList ReportLines(const CReport& report)
{
    QStringList lines;
    for (const ReportRow& row : report.Rows()) {
        lines << row.Cells().join(QLatin1Char('|'));
    }
    return lines;
}
