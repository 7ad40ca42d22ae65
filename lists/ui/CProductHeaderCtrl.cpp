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
    painter->setFont(m_textFont);
    const int blank = QFontMetrics(m_textFont).horizontalAdvance(QLatin1Char(' '));
    const auto text = [painter](const QRect& box, int left, const QString& value) {
        painter->drawText(box.adjusted(left - box.left(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, value);
    };
    text(upper, area.left() + blank, HeaderText(logicalIndex, Qt::DisplayRole));
    text(lower, area.left() + blank, HeaderText(logicalIndex, CProductListModel::LowerTextRole));
    const QString category = HeaderText(logicalIndex, CProductListModel::CategoryRole);
    if (!category.isEmpty()) {
        painter->drawLine(area.left() + m_nameWidth, upper.top(), area.left() + m_nameWidth, upper.bottom());
        text(upper, area.left() + m_nameWidth + blank / 2, category);
    }
    painter->restore();
}
