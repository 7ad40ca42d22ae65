#include "CTransLineDelegate.h"

#include "CProductListModel.h"
#include "CProductRowDelegate.h"
#include "CTransLineLayout.h"
#include "UiScale.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kRowFontHeight = 12;
// Column widths and the code part of column 0, in handheld pixels.
constexpr int kColumnWidths[] = {140, 46, 55};
constexpr int kNameWidth = 80;
} // namespace

CTransLineDelegate::CTransLineDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_font(CProductRowDelegate::ListFont()),
      m_blank(QFontMetrics(m_font).horizontalAdvance(QLatin1Char(' '))), m_widths{Scaled(kColumnWidths[0]),
                                                                                  Scaled(kColumnWidths[1]),
                                                                                  Scaled(kColumnWidths[2])}
{}

void CTransLineDelegate::FitTo(const QAbstractItemModel& model)
{
    const QFontMetrics metrics(m_font);
    // Beside its text a cell holds a blank at each edge; the quantity stands past the code part.
    const int margins = 2 * m_blank + 1;
    m_widths = {Scaled(kColumnWidths[0]), Scaled(kColumnWidths[1]), Scaled(kColumnWidths[2])};
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString quantity = model.index(row, 0).data(CProductListModel::CategoryRole).toString();
        m_widths[0] = std::max(m_widths[0], NameWidth() + metrics.horizontalAdvance(quantity) + margins);
        for (int column = 1; column < 3; ++column) {
            const QString number = model.index(row, column).data().toString();
            m_widths[column] = std::max(m_widths[column], metrics.horizontalAdvance(number) + margins);
        }
    }
}

int CTransLineDelegate::RowHeight() const
{
    return 2 * Scaled(kRowFontHeight);
}

int CTransLineDelegate::ColumnWidth(int column) const
{
    return m_widths[column];
}

int CTransLineDelegate::NameWidth() const
{
    return Scaled(kNameWidth);
}

QSize CTransLineDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return QSize(ColumnWidth(index.column()), RowHeight());
}

// One line of text, cut with an ellipsis when it does not fit its box.
void CTransLineDelegate::Text(QPainter& painter, const QRect& box, const QString& text)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void CTransLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette& palette = option.palette;
    const QColor text = selected ? palette.color(QPalette::HighlightedText) : QColor(Qt::black);
    const QRect cell = option.rect;
    const CTransLineLayout layout(cell, m_blank, NameWidth());
    const QString upper = index.data(Qt::DisplayRole).toString();
    const QString lower = index.data(CProductListModel::LowerTextRole).toString();

    painter->save();
    painter->setFont(m_font);
    painter->fillRect(cell, selected ? palette.color(QPalette::Highlight) : QColor(Qt::white));
    painter->setPen(kRuleColor);
    painter->drawLine(cell.topLeft(), cell.topRight());
    painter->drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
    switch (index.column()) {
    case 0:
        painter->setPen(kRuleColor);
        painter->drawLine(layout.RuleX(), cell.top(), layout.RuleX(), layout.Middle() - 1);
        painter->setPen(text);
        Text(*painter, layout.Name(), upper);
        Text(*painter, layout.Quantity(), index.data(CProductListModel::CategoryRole).toString());
        Text(*painter, layout.Lower(), lower);
        break;
    case 1:
        painter->setPen(selected ? text : kPriceColor);
        Text(*painter, layout.Upper(), upper);
        painter->setPen(selected ? text : kTaxColor);
        Text(*painter, layout.Lower(), lower);
        break;
    default:
        painter->setPen(text);
        Text(*painter, layout.Upper(), upper);
        break;
    }
    painter->restore();
}
