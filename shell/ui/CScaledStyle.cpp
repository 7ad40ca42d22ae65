#include "CScaledStyle.h"

#include "CIconFactory.h"
#include "UiScale.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {
// The pixel height of the desktop font the style's metrics were made for.
constexpr double kDesktopFontPixels = 13.0;
// The long side of Fusion's arrows at that font.
constexpr double kArrowPixels = 8.0;
} // namespace

CScaledStyle::CScaledStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))),
      m_factor(std::max(1.0, ScaledFont(10).pixelSize() / kDesktopFontPixels))
{}

int CScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_SmallIconSize:
    case PM_ButtonIconSize:
    case PM_ListViewIconSize:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_ScrollBarExtent:
    case PM_MenuButtonIndicator:
    case PM_HeaderMarkSize:
        return static_cast<int>(std::lround(base * m_factor));
    default:
        return base;
    }
}

int CScaledStyle::ArrowLength(const QRect& room) const
{
    return std::min({static_cast<int>(std::lround(kArrowPixels * m_factor)), room.width(), room.height()});
}

// Fusion draws its arrows (submenus, menu buttons, date and list drop-downs) at a fixed size,
// which at a larger scale stays too small to see: they are drawn here as triangles of the scale.
void CScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    if (element == PE_IndicatorHeaderArrow) {
        DrawHeaderArrow(option, painter, widget);
        return;
    }
    if (element != PE_IndicatorArrowUp && element != PE_IndicatorArrowDown && element != PE_IndicatorArrowLeft &&
        element != PE_IndicatorArrowRight) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect room = option->rect;
    const double length = ArrowLength(room);
    const double depth = length / 2;
    const QPointF centre = QRectF(room).center();
    QPolygonF triangle;
    switch (element) {
    case PE_IndicatorArrowUp:
        triangle << centre + QPointF(-depth, depth / 2) << centre + QPointF(depth, depth / 2)
                 << centre + QPointF(0, -depth / 2);
        break;
    case PE_IndicatorArrowDown:
        triangle << centre + QPointF(-depth, -depth / 2) << centre + QPointF(depth, -depth / 2)
                 << centre + QPointF(0, depth / 2);
        break;
    case PE_IndicatorArrowLeft:
        triangle << centre + QPointF(depth / 2, -depth) << centre + QPointF(depth / 2, depth)
                 << centre + QPointF(-depth / 2, 0);
        break;
    default:
        triangle << centre + QPointF(-depth / 2, -depth) << centre + QPointF(-depth / 2, depth)
                 << centre + QPointF(depth / 2, 0);
        break;
    }
    const QPalette::ColorGroup group = option->state & State_Enabled ? QPalette::Active : QPalette::Disabled;
    const QPalette::ColorRole role = option->state & State_Selected ? QPalette::HighlightedText : QPalette::ButtonText;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(group, role));
    painter->drawPolygon(triangle);
    painter->restore();
}

// A column header's sort mark, drawn by Fusion as a small fixed picture: an ascending column
// (which the header calls SortDown) points down, as Fusion's does.
void CScaledStyle::DrawHeaderArrow(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (header == nullptr || header->sortIndicator == QStyleOptionHeader::None) {
        QProxyStyle::drawPrimitive(PE_IndicatorHeaderArrow, option, painter, widget);
        return;
    }
    QStyleOption arrow = *option;
    arrow.state &= ~State_Selected;
    drawPrimitive(header->sortIndicator == QStyleOptionHeader::SortUp ? PE_IndicatorArrowUp : PE_IndicatorArrowDown,
                  &arrow, painter, widget);
}

// A drop-down list's arrow is drawn by Fusion itself at its fixed size: the list is drawn without
// it, and the arrow of the scale goes in its place.
void CScaledStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || combo == nullptr || !(combo->subControls & SC_ComboBoxArrow)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionComboBox withoutArrow = *combo;
    withoutArrow.subControls &= ~SC_ComboBoxArrow;
    QProxyStyle::drawComplexControl(control, &withoutArrow, painter, widget);
    QStyleOption arrow = *combo;
    arrow.rect = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
    arrow.state &= ~State_Selected;
    drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
}

QIcon CScaledStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    using Kind = CIconFactory::Kind;
    switch (icon) {
    case SP_MessageBoxInformation:
        return CIconFactory::Icon(Kind::Information);
    case SP_MessageBoxQuestion:
        return CIconFactory::Icon(Kind::Help);
    case SP_MessageBoxWarning:
    case SP_MessageBoxCritical:
        return CIconFactory::Icon(Kind::Warning);
    case SP_DialogOkButton:
    case SP_DialogYesButton:
    case SP_DialogSaveButton:
    case SP_DialogOpenButton:
        return CIconFactory::Icon(Kind::Confirm);
    case SP_DialogNoButton:
    case SP_DialogCancelButton:
        return CIconFactory::Icon(Kind::Cancel);
    default:
        return Grown(QProxyStyle::standardIcon(icon, option, widget));
    }
}

// Fusion's own pictures (the file dialog's computer, drive and folder pictures) come in few sizes,
// and an icon never draws a picture larger than its largest one: larger copies are added, so they
// stand as tall as the scaled text beside them.
QIcon CScaledStyle::Grown(const QIcon& icon) const
{
    if (m_factor <= 1.0 || icon.isNull()) {
        return icon;
    }
    QIcon grown;
    for (const QSize& size : icon.availableSizes()) {
        const QPixmap picture = icon.pixmap(size);
        grown.addPixmap(picture);
        grown.addPixmap(picture.scaled(size * m_factor, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return grown.isNull() ? icon : grown;
}
