#pragma once

#include "CListRowDelegate.h"

#include "CRegisterRowLayout.h"
#include "RegisterRow.h"

#include <QFont>
#include <QStringList>

// Paints the register: each cell of a two-line row on its white and tan bands (grey when the row
// is selected) with its rules and texts, and the bands that carry the rows on below the last one.
// Amounts and balances show in the locale's grouping, in the row font: the number columns hold the
// widest amounts the register was fitted to (the row grows and scrolls sideways when it must).
// Only an amount that came after the fit and is wider is drawn smaller rather than cut.
class CRegisterRowDelegate final : public CListRowDelegate
{
    Q_OBJECT

public:
    static inline const QColor kUpperColor = QColor(255, 255, 255);
    static inline const QColor kLowerColor = QColor(238, 201, 162);
    static inline const QColor kHighlightColor = QColor(200, 200, 200);
    static inline const QColor kDateColor = QColor(0, 0, 255);
    static inline const QColor kNegativeColor = QColor(255, 0, 0);
    static inline const QColor kPositiveAmountColor = QColor(0, 0, 255);

    explicit CRegisterRowDelegate(QObject* parent = nullptr);

    // The font of the rows and of the header's captions.
    static QFont ListFont();

    const QFont& RowFont() const override { return m_font; }
    // Two lines of the row font.
    int RowHeight() const override;
    int ColumnWidth(int column) const override;
    int RowWidth() const;
    // Fits the number columns to these amount texts (plain, as the rows hold them).
    void FitAmounts(const QStringList& amounts);
    // Where the parts of the row with these bounds go.
    CRegisterRowLayout Layout(const QRect& row) const;

    // The list's empty part: bands one row high from firstTop down, painted like rows that are
    // not selected, with the column rules; rowLeft is where rows begin.
    void PaintEmptyBands(QPainter& painter, const QRect& client, int firstRow, int rowLeft,
                         int firstTop) const override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void PaintBands(QPainter& painter, const CRegisterRowLayout& layout, const QRect& area, bool highlighted) const;
    void PaintRules(QPainter& painter, const CRegisterRowLayout& layout, const QRect& area) const;
    void PaintTexts(QPainter& painter, const CRegisterRowLayout& layout, int column, const RegisterRow::Texts& texts,
                    bool highlighted) const;
    void Label(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const;
    void Amount(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const;

    QFont m_font;
    int m_blank;
    CRegisterRowLayout::Metrics m_metrics;
};
