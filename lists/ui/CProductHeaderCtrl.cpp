#include "CProductHeaderCtrl.h"

#include "CProductListModel.h"
#include "CProductRowDelegate.h"
#include "UiScale.h"

#include <QPainter>

namespace {
// The header is as high as a line of an 18 pixel font; its texts are in the list's font.
constexpr int kHeaderFontHeight = 18;
} // namespace

CProductHeaderCtrl::CProductHeaderCtrl(int nameWidth, QWidget* parent, const QColor& background)
    : CListHeaderCtrl(background, kHeaderFontHeight, CProductRowDelegate::ListFont(), parent), m_nameWidth(nameWidth)
{}

void CProductHeaderCtrl::SetNameWidth(int nameWidth)
{
    m_nameWidth = nameWidth;
    viewport()->update();
}

void CProductHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QRect area = rect.adjusted(-1, -2, 1, 0);
    const int middle = area.top() + area.height() / 2;
    const QRect upper(QPoint(area.left(), area.top()), QPoint(area.right(), middle - 1));
    const QRect lower(QPoint(area.left(), middle), area.bottomRight());
    painter->save();
    painter->fillRect(area, Background());
    painter->setPen(Qt::black);
    painter->drawLine(area.left(), middle, area.right(), middle);
    // Each caption is whole: one too long for its part (the name beside the category rule, at
    // the smallest scale) is drawn a little smaller.
    const int blank = QFontMetrics(TextFont()).horizontalAdvance(QLatin1Char(' '));
    const auto text = [painter, this](const QRect& half, int left, int right, const QString& value) {
        const QRect box(QPoint(left, half.top()), QPoint(right - 1, half.bottom()));
        painter->setFont(FontFittingWidth(TextFont(), value, box.width()));
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
