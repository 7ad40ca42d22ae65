#pragma once

#include "CListRowDelegate.h"

#include <QFont>

// Paints the payee lists: one line per payee on white and grey by turns, rules between the rows,
// the company name and, past a rule, the phone number; and the bands that continue the rows
// below the last one. It reads the texts from CPayeeListModel.
class CPayeeRowDelegate final : public CListRowDelegate
{
    Q_OBJECT

public:
    static inline const QColor kEvenColor = QColor(255, 255, 255);
    static inline const QColor kOddColor = QColor(192, 192, 192);

    explicit CPayeeRowDelegate(QObject* parent = nullptr);

    // The colour of the row (or band) at this position from the top of the list.
    static QColor RowColor(int position);

    const QFont& RowFont() const override { return m_font; }
    // One line of the row font.
    int RowHeight() const override;
    int ColumnWidth(int column) const override;

    // The list's empty part: bands one row high from firstTop down, coloured as rows from
    // firstPosition on, and the rule between the columns over the whole height.
    void PaintEmptyBands(QPainter& painter, const QRect& client, int firstRow, int rowLeft,
                         int firstTop) const override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static void Rules(QPainter& painter, const QRect& row);

    QFont m_font;
    int m_blank;
};
