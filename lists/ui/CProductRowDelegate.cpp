#include "CProductRowDelegate.h"

#include "CIconFactory.h"
#include "CProductListModel.h"
#include "LocaleNumber.h"
#include "UiScale.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kRowFontHeight = 12;
constexpr int kListFontStretch = 90;
const QColor kRuleColor(0, 0, 0);
const QColor kTextColor(0, 0, 0);
} // namespace

// Slightly condensed, so that names and amounts fit their narrow columns as on the handheld.
QFont CProductRowDelegate::ListFont()
{
    QFont font = ScaledLineFont(kRowFontHeight);
    font.setStretch(kListFontStretch);
    return font;
}

QString CProductRowDelegate::WidestAmount()
{
    return FormatLocaleNumber("%.2lf", 9999999.0);
}

CProductRowDelegate::CProductRowDelegate(QObject* parent)
    : CListRowDelegate(parent), m_font(ListFont()), m_blank(QFontMetrics(m_font).horizontalAdvance(QLatin1Char(' '))),
      m_metrics(MetricsFor({}, {}))
{
    m_onHandIcon = CIconFactory::Icon(CIconFactory::Kind::OnHand).pixmap(m_metrics.iconSize, m_metrics.iconSize);
}

// The quantity shares its column with the on-hand icon: it takes half a row less.
CProductRowLayout::Metrics CProductRowDelegate::MetricsFor(const QStringList& amounts,
                                                           const QStringList& quantities) const
{
    const QFontMetrics metrics(m_font);
    int widest = metrics.horizontalAdvance(WidestAmount());
    for (const QString& amount : amounts) {
        widest = std::max(widest, metrics.horizontalAdvance(amount));
    }
    for (const QString& quantity : quantities) {
        widest = std::max(widest, metrics.horizontalAdvance(quantity) + RowHeight() / 2);
    }
    return CProductRowLayout::Fitted(UiScale(), widest, m_blank);
}

void CProductRowDelegate::FitToRows(const QAbstractItemModel& model)
{
    if (const auto* products = qobject_cast<const CProductListModel*>(&model)) {
        const ProductRowTexts::NumberExtremes extremes = products->NumberExtremes();
        m_metrics = MetricsFor(extremes.amounts, extremes.quantities);
    }
}

int CProductRowDelegate::RowHeight() const
{
    return 2 * Scaled(kRowFontHeight);
}

int CProductRowDelegate::ColumnWidth(int column) const
{
    switch (column) {
    case 0:
        return m_metrics.nameWidth + m_metrics.categoryWidth;
    case 1:
        return m_metrics.priceWidth;
    default:
        return m_metrics.costWidth;
    }
}

int CProductRowDelegate::RowWidth() const
{
    return ColumnWidth(0) + ColumnWidth(1) + ColumnWidth(2);
}

CProductRowLayout CProductRowDelegate::Layout(const QRect& row, int clientRight) const
{
    return CProductRowLayout(m_metrics, row, m_blank, clientRight);
}

QSize CProductRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return QSize(ColumnWidth(index.column()), RowHeight());
}

QString CProductRowDelegate::Elided(const QString& text, int width) const
{
    return QFontMetrics(m_font).elidedText(text, Qt::ElideRight, width);
}

QFont CProductRowDelegate::AmountFont(const QString& text, int width) const
{
    return FontFittingWidth(m_font, text, width);
}

void CProductRowDelegate::Text(QPainter& painter, const QRect& box, const QString& text, const QColor& color)
{
    painter.setPen(color);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void CProductRowDelegate::Label(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const
{
    Text(painter, box, Elided(text, box.width()), color);
}

void CProductRowDelegate::Amount(QPainter& painter, const QRect& box, const QString& text, const QColor& color) const
{
    painter.setFont(AmountFont(text, box.width()));
    Text(painter, box, text, color);
    painter.setFont(m_font);
}

void CProductRowDelegate::VerticalRule(QPainter& painter, int x, int top, int bottom)
{
    painter.setPen(kRuleColor);
    painter.drawLine(x, top, x, bottom);
}

void CProductRowDelegate::PaintBackground(QPainter& painter, const CProductRowLayout& layout, const QRect& cell,
                                          bool highlighted) const
{
    if (highlighted) {
        painter.fillRect(cell, kHighlightColor);
    } else {
        painter.fillRect(layout.UpperHalf().intersected(cell), kUpperColor);
        painter.fillRect(layout.LowerHalf().intersected(cell), kLowerColor);
    }
    painter.setPen(kRuleColor);
    painter.drawLine(cell.left(), cell.top(), cell.right(), cell.top());
    painter.drawLine(cell.left(), layout.Middle(), cell.right(), layout.Middle());
}

void CProductRowDelegate::PaintNameColumn(QPainter& painter, const CProductRowLayout& layout,
                                          const ProductRowTexts& texts) const
{
    Label(painter, layout.NameText(), texts.name, kTextColor);
    VerticalRule(painter, layout.NameRuleX(), layout.UpperHalf().top(), layout.UpperHalf().bottom());
    Label(painter, layout.CategoryText(), texts.category, kTextColor);
    Label(painter, layout.DescriptionText(), texts.description, kTextColor);
}

void CProductRowDelegate::PaintPriceColumn(QPainter& painter, const CProductRowLayout& layout,
                                           const ProductRowTexts& texts, bool highlighted) const
{
    VerticalRule(painter, layout.PriceColumnX(), layout.UpperHalf().top(), layout.LowerHalf().bottom());
    Amount(painter, layout.PriceText(), texts.salePrice, highlighted ? kTextColor : kPriceColor);
    Amount(painter, layout.OnHandText(), texts.onHand, highlighted ? kTextColor : kQuantityColor);
    painter.drawPixmap(layout.Icon(), m_onHandIcon);
}

void CProductRowDelegate::PaintCostColumn(QPainter& painter, const CProductRowLayout& layout,
                                          const ProductRowTexts& texts, bool highlighted) const
{
    VerticalRule(painter, layout.CostColumnX(), layout.UpperHalf().top(), layout.LowerHalf().bottom());
    Amount(painter, layout.AvgCostText(), texts.avgCost, highlighted ? kTextColor : kQuantityColor);
    Amount(painter, layout.ValueText(), texts.value, kTextColor);
}

void CProductRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const CProductListModel*>(index.model());
    const std::optional<ProductRowTexts> texts = model != nullptr ? model->RowTexts(index.row()) : std::nullopt;
    int rowLeft = option.rect.left();
    for (int column = 0; column < index.column(); ++column) {
        rowLeft -= ColumnWidth(column);
    }
    const QRect row(rowLeft, option.rect.top(), RowWidth(), option.rect.height());
    const CProductRowLayout layout = Layout(row, option.rect.right() + 1);
    const bool highlighted = texts && option.state.testFlag(QStyle::State_Selected);

    painter->save();
    painter->setFont(m_font);
    PaintBackground(*painter, layout, option.rect, highlighted);
    if (texts) {
        switch (index.column()) {
        case 0:
            PaintNameColumn(*painter, layout, *texts);
            break;
        case 1:
            PaintPriceColumn(*painter, layout, *texts, highlighted);
            break;
        default:
            PaintCostColumn(*painter, layout, *texts, highlighted);
            break;
        }
    }
    painter->restore();
}

void CProductRowDelegate::PaintEmptyBands(QPainter& painter, const QRect& client, int /*firstRow*/, int rowLeft,
                                          int firstTop) const
{
    const int height = RowHeight();
    for (int top = firstTop; top <= client.bottom(); top += height) {
        const QRect band(rowLeft, top, RowWidth(), height);
        const CProductRowLayout layout = Layout(band, client.right() + 1);
        const QRect wide(client.left(), top, client.width(), height);
        PaintBackground(painter, layout, wide, false);
        VerticalRule(painter, rowLeft + m_metrics.nameWidth, top, layout.Middle());
    }
    VerticalRule(painter, rowLeft + ColumnWidth(0), client.top(), client.bottom());
    VerticalRule(painter, rowLeft + ColumnWidth(0) + ColumnWidth(1), client.top(), client.bottom());
}
