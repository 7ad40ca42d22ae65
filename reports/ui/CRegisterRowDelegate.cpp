#include "CRegisterRowDelegate.h"

#include "CRegisterListModel.h"
#include "LocaleNumber.h"
#include "ReportCellText.h"
#include "UiScale.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kRowFontHeight = 12;
constexpr int kListFontStretch = 90;
const QColor kRuleColor(128, 128, 128);
const QColor kTextColor(0, 0, 0);
// What the date and number columns are made wide enough for.
const QDate kWidestDate(2028, 12, 28);
const QString kWidestAmount = QStringLiteral("-999999.99");

int WidestAdvance(const QFont& font, const QStringList& amounts)
{
    const QFontMetrics metrics(font);
    int widest = metrics.horizontalAdvance(LocaleFormOfPlainNumber(kWidestAmount));
    for (const QString& amount : amounts) {
        widest = std::max(widest, metrics.horizontalAdvance(LocaleFormOfPlainNumber(amount)));
    }
    return widest;
}
} // namespace

// Slightly condensed, as the other lists, so that the texts fit the handheld's narrow columns.
QFont CRegisterRowDelegate::ListFont()
{
    QFont font = ScaledLineFont(kRowFontHeight);
    font.setStretch(kListFontStretch);
    return font;
}

CRegisterRowDelegate::CRegisterRowDelegate(QObject* parent)
    : CListRowDelegate(parent), m_font(ListFont()), m_blank(QFontMetrics(m_font).horizontalAdvance(QLatin1Char(' '))),
      m_metrics(CRegisterRowLayout::Fitted(UiScale(), QFontMetrics(m_font).horizontalAdvance(DateCellText(kWidestDate)),
                                           WidestAdvance(m_font, {}), m_blank))
{}

void CRegisterRowDelegate::FitAmounts(const QStringList& amounts)
{
    m_metrics = CRegisterRowLayout::Fitted(UiScale(), QFontMetrics(m_font).horizontalAdvance(DateCellText(kWidestDate)),
                                           WidestAdvance(m_font, amounts), m_blank);
}

int CRegisterRowDelegate::RowHeight() const
{
    return 2 * Scaled(kRowFontHeight);
}

int CRegisterRowDelegate::ColumnWidth(int column) const
{
    return CRegisterRowLayout::ColumnWidth(m_metrics, column);
}

int CRegisterRowDelegate::RowWidth() const
{
    return CRegisterRowLayout::RowWidth(m_metrics);
}

CRegisterRowLayout CRegisterRowDelegate::Layout(const QRect& row) const
{
    return CRegisterRowLayout(m_metrics, row, m_blank);
}

QSize CRegisterRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return QSize(ColumnWidth(index.column()), RowHeight());
}

void CRegisterRowDelegate::Label(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const
{
    painter.setPen(color);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QFontMetrics(m_font).elidedText(text, Qt::ElideRight, box.width()));
}

// The row keeps plain texts; a person reads the locale's grouping.
void CRegisterRowDelegate::Amount(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const
{
    const QString shown = LocaleFormOfPlainNumber(text);
    painter.setFont(FontFittingWidth(m_font, shown, box.width()));
    painter.setPen(color);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.setFont(m_font);
}

// area: the part of the row being painted, which may reach past the last column.
void CRegisterRowDelegate::PaintBands(QPainter& painter, const CRegisterRowLayout& layout, const QRect& area,
                                      bool highlighted) const
{
    if (highlighted) {
        painter.fillRect(area, kHighlightColor);
        return;
    }
    const QRect upper(area.left(), layout.UpperHalf().top(), area.width(), layout.UpperHalf().height());
    const QRect lower(area.left(), layout.LowerHalf().top(), area.width(), layout.LowerHalf().height());
    painter.fillRect(upper.intersected(area), kUpperColor);
    painter.fillRect(lower.intersected(area), kLowerColor);
}

// A rule over each row and the rules between the columns; the date's rule in the upper line only.
void CRegisterRowDelegate::PaintRules(QPainter& painter, const CRegisterRowLayout& layout, const QRect& area) const
{
    painter.setPen(kRuleColor);
    painter.drawLine(area.left(), area.top(), area.right(), area.top());
    const auto vertical = [&painter, &area](int x, int top, int bottom) {
        if (x >= area.left() && x <= area.right()) {
            painter.drawLine(x, top, x, bottom);
        }
    };
    vertical(layout.DateRuleX(), layout.UpperHalf().top(), layout.UpperHalf().bottom());
    vertical(layout.AmountColumnX(), area.top(), area.bottom());
    vertical(layout.BalanceColumnX(), area.top(), area.bottom());
}

void CRegisterRowDelegate::PaintTexts(QPainter& painter, const CRegisterRowLayout& layout, int column,
                                      const RegisterRow::Texts& texts, bool highlighted) const
{
    const auto colour = [highlighted](const QColor& shown) { return highlighted ? kTextColor : shown; };
    switch (column) {
    case 0:
        Label(painter, layout.DateText(), texts.date, colour(kDateColor));
        Label(painter, layout.ProductText(), texts.product, kTextColor);
        Label(painter, layout.PayeeText(), texts.payee, kTextColor);
        break;
    case 1:
        Amount(painter, layout.AmountText(), texts.amount,
               colour(texts.amountNegative ? kNegativeColor : kPositiveAmountColor));
        Label(painter, layout.InvoiceText(), texts.invoice, kTextColor);
        break;
    default:
        Amount(painter, layout.BalanceText(), texts.balance,
               colour(texts.balanceNegative ? kNegativeColor : kTextColor));
        break;
    }
}

void CRegisterRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const CRegisterListModel*>(index.model());
    const std::optional<RegisterRow::Texts> texts = model != nullptr ? model->RowTexts(index.row()) : std::nullopt;
    int rowLeft = option.rect.left();
    for (int column = 0; column < index.column(); ++column) {
        rowLeft -= ColumnWidth(column);
    }
    const CRegisterRowLayout layout = Layout(QRect(rowLeft, option.rect.top(), RowWidth(), option.rect.height()));
    const bool highlighted = texts && option.state.testFlag(QStyle::State_Selected);

    painter->save();
    painter->setFont(m_font);
    PaintBands(*painter, layout, option.rect, highlighted);
    PaintRules(*painter, layout, option.rect);
    if (texts) {
        PaintTexts(*painter, layout, index.column(), *texts, highlighted);
    }
    painter->restore();
}

void CRegisterRowDelegate::PaintEmptyBands(QPainter& painter, const QRect& client, int /*firstRow*/, int rowLeft,
                                           int firstTop) const
{
    for (int top = firstTop; top <= client.bottom(); top += RowHeight()) {
        const CRegisterRowLayout layout = Layout(QRect(rowLeft, top, RowWidth(), RowHeight()));
        const QRect band(client.left(), top, client.width(), RowHeight());
        PaintBands(painter, layout, band, false);
        PaintRules(painter, layout, band);
    }
}
