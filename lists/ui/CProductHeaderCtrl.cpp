#include "CProductHeaderCtrl.h"

#include "CProductListModel.h"
#include "CProductRowDelegate.h"
#include "UiScale.h"

#include <QPainter>

namespace {
// The header is as high as a line of an 18 pixel font; its texts are in the list's font.
constexpr int kHeaderFontHeight = 18;
constexpr int kEdge = 6; // room for two lines of the text font
} // namespace

CProductHeaderCtrl::CProductHeaderCtrl(int nameWidth, QWidget* parent, const QColor& background)
    : QHeaderView(Qt::Horizontal, parent), m_nameWidth(nameWidth), m_background(background),
      m_textFont(CProductRowDelegate::ListFont())
{
    setFont(ScaledLineFont(kHeaderFontHeight));
    setSectionsClickable(false);
    setSectionsMovable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
    setEnabled(false);
    // Beyond the last column too.
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Button, m_background);
        colors.setColor(group, QPalette::Window, m_background);
    }
    setPalette(colors);
}

QSize CProductHeaderCtrl::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(QFontMetrics(font()).height() + Scaled(kEdge));
    return size;
}

QString CProductHeaderCtrl::HeaderText(int section, int role) const
{
    return model() != nullptr ? model()->headerData(section, Qt::Horizontal, role).toString() : QString();
}

void CProductHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QRect area = rect.adjusted(-1, -2, 1, 0);
    const int middle = area.top() + area.height() / 2;
    const QRect upper(QPoint(area.left(), area.top()), QPoint(area.right(), middle - 1));
    const QRect lower(QPoint(area.left(), middle), area.bottomRight());
    painter->save();
    painter->fillRect(area, m_background);
    painter->setPen(Qt::black);
    painter->drawLine(area.left(), middle, area.right(), middle);
    // Each caption is whole: one too long for its part (the name beside the category rule, at
    // the smallest scale) is drawn a little smaller.
    const int blank = QFontMetrics(m_textFont).horizontalAdvance(QLatin1Char(' '));
    const auto text = [painter, this](const QRect& half, int left, int right, const QString& value) {
        const QRect box(QPoint(left, half.top()), QPoint(right - 1, half.bottom()));
        painter->setFont(FontFittingWidth(m_textFont, value, box.width()));
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, value);
    };
    const int end = area.right() + 1 - blank / 2;
    text(lower, area.left() + blank, end, HeaderText(logicalIndex, CProductListModel::LowerTextRole));
    const QString category = HeaderText(logicalIndex, CProductListModel::CategoryRole);
    if (category.isEmpty()) {
        text(upper, area.left() + blank, end, HeaderText(logicalIndex, Qt::DisplayRole));
    } else {
        const int rule = area.left() + m_nameWidth;
        text(upper, area.left() + blank, rule - blank / 2, HeaderText(logicalIndex, Qt::DisplayRole));
        painter->drawLine(rule, upper.top(), rule, upper.bottom());
        text(upper, rule + blank / 2, end, category);
    }
    painter->restore();
}
