#pragma once

#include "ReportRow.h"

#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

// Paints the report list: each cell on its row's colour (white for an empty first cell, light
// grey for one beginning with a blank, tinted otherwise), its text on one line, vertically
// centred and aligned as its column, inset a little from the cell's edges.
class CReportRowDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static inline const QColor kWhite = QColor(255, 255, 255);
    static inline const QColor kGrey = QColor(220, 220, 220);
    static inline const QColor kTint = QColor(154, 192, 206);

    explicit CReportRowDelegate(QObject* parent = nullptr);

    static QColor ShadeColor(ReportRow::Shade shade);
    // The font of the rows and the header: 12 handheld pixels a line.
    static QFont ListFont();
    // One line of the list font.
    static int RowHeight();
    // What a cell takes beside its text: the insets at both edges, and a pixel to spare.
    static int TextInsets();

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QFont m_font;
    int m_inset;
};
