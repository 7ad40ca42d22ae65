#include "CPayeeRowDelegate.h"

#include "UiScale.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kRowFontHeight = 12;
constexpr int kListFontStretch = 90;
constexpr int kNameWidth = 170;
constexpr int kPhoneWidth = 80;
const QColor kRuleColor(0, 0, 0);
const QColor kTextColor(0, 0, 0);

// Slightly condensed, as the product list, so that names fit their column as on the handheld.
QFont ListFont()
{
    QFont font = ScaledLineFont(kRowFontHeight);
    font.setStretch(kListFontStretch);
    return font;
}
} // namespace

CPayeeRowDelegate::CPayeeRowDelegate(QObject* parent)
    : CListRowDelegate(parent), m_font(ListFont()), m_blank(QFontMetrics(m_font).horizontalAdvance(QLatin1Char(' ')))
{}

QColor CPayeeRowDelegate::RowColor(int position)
{
    return position % 2 == 0 ? kEvenColor : kOddColor;
}

int CPayeeRowDelegate::RowHeight() const
{
    return Scaled(kRowFontHeight);
}

int CPayeeRowDelegate::ColumnWidth(int column) const
{
    return Scaled(column == 0 ? kNameWidth : kPhoneWidth);
}

QSize CPayeeRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return QSize(ColumnWidth(index.column()), RowHeight());
}

// The rule at the bottom of a row is the top rule of the row or band below it.
void CPayeeRowDelegate::Rules(QPainter& painter, const QRect& row)
{
    painter.setPen(kRuleColor);
    painter.drawLine(row.left(), row.top(), row.right(), row.top());
    painter.drawLine(row.left(), row.bottom() + 1, row.right(), row.bottom() + 1);
}

void CPayeeRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data().toString();
    const bool named = !index.siblingAtColumn(0).data().toString().isEmpty();
    const bool highlighted = named && option.state.testFlag(QStyle::State_Selected);
    const QRect cell = option.rect;

    painter->save();
    painter->setFont(m_font);
    painter->fillRect(cell, highlighted ? option.palette.color(QPalette::Active, QPalette::Highlight)
                                        : RowColor(index.row()));
    Rules(*painter, cell);
    QRect textBox;
    if (index.column() == 0) {
        textBox = QRect(QPoint(cell.left() + m_blank / 2, cell.top()), QPoint(cell.right() - m_blank, cell.bottom()));
    } else {
        painter->drawLine(cell.left(), cell.top(), cell.left(), cell.bottom());
        textBox = cell.adjusted(m_blank, 0, -m_blank, 0);
    }
    painter->setPen(highlighted ? option.palette.color(QPalette::Active, QPalette::HighlightedText) : kTextColor);
    const QString shown = QFontMetrics(m_font).elidedText(text, Qt::ElideRight, textBox.width());
    painter->drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter->restore();
}

void CPayeeRowDelegate::PaintEmptyBands(QPainter& painter, const QRect& client, int firstRow, int /*rowLeft*/,
                                        int firstTop) const
{
    const int height = RowHeight();
    int position = firstRow;
    for (int top = firstTop; top <= client.bottom(); top += height, ++position) {
        const QRect band(client.left(), top, client.width(), height);
        painter.fillRect(band, RowColor(position));
        Rules(painter, band);
    }
    painter.setPen(kRuleColor);
    const int ruleX = client.left() + ColumnWidth(0);
    painter.drawLine(ruleX, client.top(), ruleX, client.bottom());
}
