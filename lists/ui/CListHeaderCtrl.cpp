#include "CListHeaderCtrl.h"

#include "UiScale.h"

#include <QPainter>

namespace {
constexpr int kHeaderFontHeight = 8;
constexpr int kTextFontHeight = 12;
constexpr int kEdge = 6; // room for a line of the text font (two in the product list's)
constexpr int kMaxTitleLength = 255;
} // namespace

CListHeaderCtrl::CListHeaderCtrl(const QColor& background, QWidget* parent)
    : CListHeaderCtrl(background, kHeaderFontHeight, ScaledLineFont(kTextFontHeight), parent)
{}

CListHeaderCtrl::CListHeaderCtrl(const QColor& background, int headerFontHeight, const QFont& textFont, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_background(background), m_textFont(textFont)
{
    setFont(ScaledLineFont(headerFontHeight));
    setSectionsClickable(false);
    setSectionsMovable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
    setEnabled(false);
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Button, background);
        colors.setColor(group, QPalette::Window, background);
    }
    setPalette(colors);
}

QSize CListHeaderCtrl::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(QFontMetrics(font()).height() + Scaled(kEdge));
    return size;
}

QString CListHeaderCtrl::HeaderText(int section, int role) const
{
    return model() != nullptr ? model()->headerData(section, Qt::Horizontal, role).toString() : QString();
}

void CListHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QRect area = rect.adjusted(-1, -2, 1, 1);
    const QString title = HeaderText(logicalIndex, Qt::DisplayRole).left(kMaxTitleLength);
    const int blank = QFontMetrics(m_textFont).horizontalAdvance(QLatin1Char(' '));
    painter->save();
    painter->fillRect(area, m_background);
    painter->setFont(m_textFont);
    painter->setPen(Qt::black);
    painter->drawText(area.adjusted(blank, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter->restore();
}
