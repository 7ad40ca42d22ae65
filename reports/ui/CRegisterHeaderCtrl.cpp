#include "CRegisterHeaderCtrl.h"

#include "CRegisterListModel.h"
#include "CRegisterRowDelegate.h"

#include <QPainter>

namespace {
// The header is as high as a line of an 18 pixel font; its captions are in the list's font.
constexpr int kHeaderFontHeight = 18;
} // namespace

CRegisterHeaderCtrl::CRegisterHeaderCtrl(const CRegisterRowDelegate& rows, QWidget* parent)
    : CListHeaderCtrl(kBackground, kHeaderFontHeight, rows.RowFont(), parent), m_rows(rows)
{}

void CRegisterHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QRect area = rect.adjusted(-1, -2, 1, 0);
    int rowLeft = rect.left();
    for (int column = 0; column < logicalIndex; ++column) {
        rowLeft -= m_rows.ColumnWidth(column);
    }
    const CRegisterRowLayout layout = m_rows.Layout(QRect(rowLeft, area.top(), m_rows.RowWidth(), area.height()));
    const auto caption = [painter](const QRect& box, const QString& text) {
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    };
    painter->save();
    painter->fillRect(area, kBackground);
    painter->setPen(Qt::black);
    painter->setFont(TextFont());
    if (logicalIndex > 0) {
        painter->drawLine(rect.left(), area.top(), rect.left(), area.bottom());
    }
    switch (logicalIndex) {
    case 0:
        caption(layout.DateText(), HeaderText(0, CRegisterListModel::DateRole));
        painter->drawLine(layout.DateRuleX(), layout.UpperHalf().top(), layout.DateRuleX(),
                          layout.UpperHalf().bottom());
        caption(layout.ProductText(), HeaderText(0, Qt::DisplayRole));
        caption(layout.PayeeText(), HeaderText(0, CRegisterListModel::LowerTextRole));
        break;
    case 1:
        caption(layout.AmountText(), HeaderText(1, Qt::DisplayRole));
        caption(layout.InvoiceText(), HeaderText(1, CRegisterListModel::LowerTextRole));
        break;
    default:
        caption(layout.BalanceText(), HeaderText(2, Qt::DisplayRole));
        break;
    }
    painter->restore();
}
