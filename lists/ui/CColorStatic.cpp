#include "CColorStatic.h"

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAutoFillBackground(true);
}

void CColorStatic::SetColors(const QColor& background, const QColor& text)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, background);
    colors.setColor(QPalette::WindowText, text);
    setPalette(colors);
}

QColor CColorStatic::BackgroundColor() const
{
    return palette().color(QPalette::Window);
}

QColor CColorStatic::TextColor() const
{
    return palette().color(QPalette::WindowText);
}
