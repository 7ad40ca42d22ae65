#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// A row of a report: one text per column, and what the row is, so that a chart can find the
// group totals without reading the texts back.
//
// The texts are kept in one block, as UTF-8 (their lengths first, then the texts one after
// another): a report of a decade holds a million rows, and one small block per row rather than
// one per cell keeps it to a fraction of the memory and allocations.
class ReportRow
{
public:
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

    ReportRow() = default;
    // Exactly `count` cells: those beyond are dropped, missing ones are empty.
    ReportRow(Kind kind, std::span<const QStringView> cells, qsizetype count);

    Kind RowKind() const { return m_kind; }
    qsizetype CellCount() const { return m_count; }
    // Empty beyond the last cell.
    QString Cell(qsizetype column) const;
    QStringList Cells() const;

    Shade RowShade() const;

private:
    // The bytes of a cell's text in the block.
    QByteArrayView CellBytes(qsizetype column) const;
    qsizetype LengthSize() const { return m_wide ? 4 : 2; }

    Kind m_kind = Kind::Blank;
    bool m_wide = false; // a cell is longer than 65535 bytes: lengths take four bytes
    qsizetype m_count = 0;
    QByteArray m_packed;
};

Q_DECLARE_TYPEINFO(ReportRow, Q_RELOCATABLE_TYPE);
