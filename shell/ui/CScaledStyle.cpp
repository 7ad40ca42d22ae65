#include "CScaledStyle.h"

#include "CIconFactory.h"
#include "UiScale.h"

#include <QStyleFactory>

#include <algorithm>
#include <cmath>

namespace {
// The pixel height of the desktop font the style's metrics were made for.
constexpr double kDesktopFontPixels = 13.0;
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
        return static_cast<int>(std::lround(base * m_factor));
    default:
        return base;
    }
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
        return QProxyStyle::standardIcon(icon, option, widget);
    }
}
