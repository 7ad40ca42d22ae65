#pragma once

#include <QStyledItemDelegate>

class QPainter;

// The painter of an owner-drawn list's rows: its font, row height and column widths, and the
// bands that continue the rows below the last one, so an empty part of the list looks like rows.
class CListRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    virtual const QFont& RowFont() const = 0;
    virtual int RowHeight() const = 0;
    virtual int ColumnWidth(int column) const = 0;
    // Called when the list's rows are refilled, before it reads the column widths: a delegate
    // whose columns hold the widest of the rows' texts measures them here.
    virtual void FitToRows(const QAbstractItemModel& /*model*/) {}
    // client: the list's viewport; firstRow: the row whose band starts at firstTop (bands that
    // alternate count from it); rowLeft: where the first column starts (it moves when the list
    // scrolls sideways).
    virtual void PaintEmptyBands(QPainter& painter, const QRect& client, int firstRow, int rowLeft,
                                 int firstTop) const = 0;
};
