#pragma once

#include <QString>
#include <QStringList>

// A row of a report: one text per column, and what the row is, so that a chart can find the
// group totals without reading the texts back.
struct ReportRow
{
    enum class Kind
    {
        Heading,    // a product or category starts
        Line,       // a movement or a product of a category
        GroupTotal, // the total of the group above
        Blank,      // the empty row after a group
        GrandTotal  // the final "Total"
    };

    // The list paints a row by its first cell: white when empty, light grey when it begins with
    // a blank (movements and products), tinted otherwise (headings and totals).
    enum class Shade
    {
        White,
        Grey,
        Tint
    };

    Kind kind = Kind::Blank;
    QStringList cells;

    Shade RowShade() const;
};
