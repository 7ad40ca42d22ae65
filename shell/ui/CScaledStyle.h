#pragma once

#include <QProxyStyle>

// Fusion with its icons, check marks and scroll bars grown in step with the program's scaled
// font, so message boxes, dialog buttons and lists keep the proportions of the handheld. Message
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

private:
    double m_factor;
};
