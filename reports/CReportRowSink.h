#pragma once

#include "ReportRow.h"

#include <QStringList>

// Where the rows of a report go as they are built, top to bottom: kept whole for the screen
// (CReport), or written out one by one (a CSV file) so that a report of a million rows is never
// held twice.
class CReportRowSink
{
public:
    virtual ~CReportRowSink() = default;

    // One text per column; cells beyond the columns are dropped, missing ones are empty.
    virtual void AddRow(ReportRow::Kind kind, const QStringList& cells) = 0;
    void AddBlankRow() { AddRow(ReportRow::Kind::Blank, {}); }

protected:
    CReportRowSink() = default;
    CReportRowSink(const CReportRowSink&) = default;
    CReportRowSink& operator=(const CReportRowSink&) = default;
};
