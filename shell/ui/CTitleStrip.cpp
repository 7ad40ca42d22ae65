#include "CTitleStrip.h"

#include "UiScale.h"

#include <QPainter>

namespace {
constexpr double kFontPixels = 10;
constexpr double kHeightPixels = 16;
} // namespace

CTitleStrip::CTitleStrip(const QString& text, QWidget* parent) : QWidget(parent), m_text(text)
{
    setFont(ScaledFont(kFontPixels, true));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CTitleStrip::SetText(const QString& text)
{
    m_text = text;
    repaint();
}

QSize CTitleStrip::sizeHint() const
{
    return QSize(Scaled(240), Scaled(kHeightPixels));
}

void CTitleStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int inset = Scaled(1);
    painter.fillRect(rect().adjusted(0, inset, 0, -inset), m_background);
    painter.setPen(m_textColor);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextDontClip, m_text);
}
