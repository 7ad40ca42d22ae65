#pragma once

#include "ReportRow.h"

#include <QStringView>

#include <initializer_list>
#include <span>

// Where the rows of a report go as they are built, top to bottom: kept whole for the screen
// (CReport), or written out one by one (a CSV file) so that a report of a million rows is never
// held twice. The cells are only looked at during the call: a row's texts need no block of their
// own on the way.
class CReportRowSink
{
public:
    virtual ~CReportRowSink() = default;

    // One text per column; cells beyond the columns are dropped, missing ones are empty.
    virtual void AddCells(ReportRow::Kind kind, std::span<const QStringView> cells) = 0;
    void AddRow(ReportRow::Kind kind, std::initializer_list<QStringView> cells)
    {
        AddCells(kind, std::span<const QStringView>(cells.begin(), cells.size()));
    }
    void AddBlankRow() { AddCells(ReportRow::Kind::Blank, {}); }

protected:
    CReportRowSink() = default;
    CReportRowSink(const CReportRowSink&) = default;
    CReportRowSink& operator=(const CReportRowSink&) = default;
};
