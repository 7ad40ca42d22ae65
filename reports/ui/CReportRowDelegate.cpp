#include "CReportRowDelegate.h"

#include "CReportListModel.h"
#include "UiScale.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kFontHeight = 12;
constexpr int kFontStretch = 90;
const QColor kTextColor(0, 0, 0);

// Half a blank.
int InsetOf(const QFont& font)
{
    return QFontMetrics(font).horizontalAdvance(QLatin1Char(' ')) / 2;
}
} // namespace

CReportRowDelegate::CReportRowDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_font(ListFont()), m_inset(InsetOf(m_font))
{}

int CReportRowDelegate::TextInsets()
{
    return 2 * InsetOf(ListFont()) + 1;
}

QColor CReportRowDelegate::ShadeColor(ReportRow::Shade shade)
{
    switch (shade) {
    case ReportRow::Shade::Grey:
        return kGrey;
    case ReportRow::Shade::Tint:
        return kTint;
    case ReportRow::Shade::White:
        break;
    }
    return kWhite;
}

// Slightly condensed, as the other lists, so that names and amounts fit their narrow columns.
QFont CReportRowDelegate::ListFont()
{
    QFont font = ScaledLineFont(kFontHeight);
    font.setStretch(kFontStretch);
    return font;
}

int CReportRowDelegate::RowHeight()
{
    return Scaled(kFontHeight);
}

QSize CReportRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), RowHeight());
}

void CReportRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto shade = static_cast<ReportRow::Shade>(index.data(CReportListModel::ShadeRole).toInt());
    const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    painter->save();
    painter->fillRect(option.rect, ShadeColor(shade));
    painter->setFont(m_font);
    painter->setPen(kTextColor);
    painter->setClipRect(option.rect);
    painter->drawText(option.rect.adjusted(m_inset, 0, -m_inset, 0), alignment | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}
