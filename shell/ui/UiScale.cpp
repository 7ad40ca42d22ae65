#include "UiScale.h"

#include <QFontMetrics>

#include <cmath>

namespace {
// One dialog unit of an 8 point form font on the handheld, in handheld pixels.
constexpr double kDialogUnitWidth = 1.5;
constexpr double kDialogUnitHeight = 1.6;

int g_scale = 2;
} // namespace

int UiScale()
{
    return g_scale;
}

void SetUiScale(int scale)
{
    g_scale = scale < 1 ? 1 : scale;
}

int Scaled(double handheldPixels)
{
    return static_cast<int>(std::lround(handheldPixels * g_scale));
}

int DialogUnitsX(double units)
{
    return Scaled(units * kDialogUnitWidth);
}

int DialogUnitsY(double units)
{
    return Scaled(units * kDialogUnitHeight);
}

QRect DialogUnitsRect(double x, double y, double width, double height)
{
    return QRect(DialogUnitsX(x), DialogUnitsY(y), DialogUnitsX(width), DialogUnitsY(height));
}

QFont ScaledFont(double handheldPixelHeight, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(Scaled(handheldPixelHeight));
    font.setBold(bold);
    return font;
}

QFont ScaledLineFont(double handheldPixelHeight)
{
    QFont font = ScaledFont(handheldPixelHeight);
    const int line = Scaled(handheldPixelHeight);
    while (font.pixelSize() > 1 && QFontMetrics(font).height() > line) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

QFont FontFittingWidth(const QFont& font, const QString& text, int width)
{
    QFont fitted = font;
    while (fitted.pixelSize() > 1 && QFontMetrics(fitted).horizontalAdvance(text) > width) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    return fitted;
}
