#pragma once

#include "CListRowDelegate.h"

#include "CProductRowLayout.h"

#include <QFont>
#include <QPixmap>

struct ProductRowTexts;

// Paints the product list: each cell of a two-line row with its colours, rules and texts, and the
// bands that fill the list below its last row. It reads the texts from CProductListModel.
// Names, categories and descriptions too long for their place end in "…"; an amount is never
// cut: the number columns hold WidestAmount() and the widest amount and quantity of the rows in
// the row font (the row grows wider than the list, which scrolls sideways, when it must).
class CProductRowDelegate final : public CListRowDelegate
{
    Q_OBJECT

public:
    static inline const QColor kUpperColor = QColor(255, 255, 255);
    static inline const QColor kLowerColor = QColor(154, 192, 206);
    static inline const QColor kHighlightColor = QColor(200, 200, 200);
    static inline const QColor kPriceColor = QColor(255, 0, 0);
    static inline const QColor kQuantityColor = QColor(0, 0, 255);

    explicit CProductRowDelegate(QObject* parent = nullptr);

    // The font of the rows and of the header's texts.
    static QFont ListFont();
    // The widest amount the number columns show at the row font's size: 9,999,999.00 in the locale.
    static QString WidestAmount();

    const QFont& RowFont() const override { return m_font; }
    // Two lines of the row font.
    int RowHeight() const override;
    int ColumnWidth(int column) const override;
    void FitToRows(const QAbstractItemModel& model) override;
    // The name part of column 0, before the category.
    int NameWidth() const { return m_metrics.nameWidth; }
    int RowWidth() const;
    // Where the parts of the row with these bounds go, in a list whose client area ends at clientRight.
    CProductRowLayout Layout(const QRect& row, int clientRight) const;
    // A name, category or description as drawn in a place width pixels wide.
    QString Elided(const QString& text, int width) const;
    // The font an amount is drawn in, in a place width pixels wide.
    QFont AmountFont(const QString& text, int width) const;

    // The list's empty part: bands one row high from top down, painted like rows that are not
    // highlighted, with the column rules over the whole height; rowLeft is where rows begin.
    void PaintEmptyBands(QPainter& painter, const QRect& client, int firstRow, int rowLeft,
                         int firstTop) const override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintBackground(QPainter& painter, const CProductRowLayout& layout, const QRect& cell, bool highlighted) const;
    void PaintNameColumn(QPainter& painter, const CProductRowLayout& layout, const ProductRowTexts& texts) const;
    void PaintPriceColumn(QPainter& painter, const CProductRowLayout& layout, const ProductRowTexts& texts,
                          bool highlighted) const;
    void PaintCostColumn(QPainter& painter, const CProductRowLayout& layout, const ProductRowTexts& texts,
                         bool highlighted) const;
    static void Text(QPainter& painter, const QRect& box, const QString& text, const QColor& color);
    void Label(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const;
    void Amount(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const;
    static void VerticalRule(QPainter& painter, int x, int top, int bottom);
    CProductRowLayout::Metrics MetricsFor(const QStringList& amounts, const QStringList& quantities) const;

    QFont m_font;
    int m_blank;
    CProductRowLayout::Metrics m_metrics;
    QPixmap m_onHandIcon;
};
