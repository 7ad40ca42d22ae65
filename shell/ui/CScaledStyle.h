#pragma once

#include <QProxyStyle>

// Fusion with its icons, check marks, arrows and scroll bars grown in step with the program's
// scaled font, so message boxes, dialog buttons and lists keep the proportions of the handheld. Message
// boxes and dialog buttons show the program's own icons.
class CScaledStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    CScaledStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The length of an arrow's long side: Fusion's 8 pixels grown with the font, never beyond
    // the room it is given.
    int ArrowLength(const QRect& room) const;

private:
    void DrawHeaderArrow(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    QIcon Grown(const QIcon& icon) const;

    double m_factor;
};
