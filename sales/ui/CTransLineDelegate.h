#pragma once

#include <QFont>
#include <QStyledItemDelegate>

#include <array>

// Paints the entry form's lines: each cell two text lines high, the price in red, the tax in blue,
// a selected row in the highlight colours. It reads the texts from CTransLineModel.
class CTransLineDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static inline const QColor kPriceColor = QColor(255, 0, 0);
    static inline const QColor kTaxColor = QColor(0, 0, 255);
    static inline const QColor kRuleColor = QColor(192, 192, 192);

    explicit CTransLineDelegate(QObject* parent = nullptr);

    const QFont& RowFont() const { return m_font; }
    int RowHeight() const;
    int ColumnWidth(int column) const;
    // Widens the columns, from the handheld's widths, to the widest quantity, price and amount
    // of the model's lines, so that no number is cut; the list scrolls sideways instead.
    void FitTo(const QAbstractItemModel& model);
    // The code part of column 0, before the quantity.
    int NameWidth() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static void Text(QPainter& painter, const QRect& box, const QString& text);

    QFont m_font;
    int m_blank;
    std::array<int, 3> m_widths;
};
