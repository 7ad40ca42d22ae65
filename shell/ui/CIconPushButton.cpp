#include "CIconPushButton.h"

#include "UiScale.h"

#include <QDesktopServices>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

namespace {
const QColor kBackground(246, 246, 246);
const QColor kText(0, 0, 0);
const QColor kHotBackground(199, 228, 247);
const QColor kHotText(0, 0, 0);
const QColor kEdge(150, 150, 150);
// With the usual 16 pixel icon the caption starts 23 handheld pixels from the left edge.
constexpr int kIconLeft = 3;
constexpr int kIconSize = 16;
constexpr int kIconGap = 4;
} // namespace

CIconPushButton::CIconPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), m_background(kBackground), m_text(kText), m_hotBackground(kHotBackground),
      m_hotText(kHotText)
{
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(Scaled(kIconSize), Scaled(kIconSize)));
    connect(this, &QPushButton::clicked, this, &CIconPushButton::OpenAddress);
}

CIconPushButton::CIconPushButton(CIconFactory::Kind icon, const QString& caption, QWidget* parent)
    : CIconPushButton(caption, parent)
{
    setIcon(CIconFactory::Icon(icon));
}

void CIconPushButton::SetIconSize(int handheldPixels)
{
    setIconSize(QSize(Scaled(handheldPixels), Scaled(handheldPixels)));
    updateGeometry();
}

void CIconPushButton::SetColors(const QColor& background, const QColor& text, const QColor& hotBackground,
                                const QColor& hotText)
{
    m_background = background;
    m_text = text;
    m_hotBackground = hotBackground;
    m_hotText = hotText;
    update();
}

void CIconPushButton::SetFlat(bool flat)
{
    m_flat = flat;
    update();
}

void CIconPushButton::SetPopupMenu(QMenu* menu)
{
    setMenu(menu);
}

void CIconPushButton::SetAddress(const QString& address)
{
    m_address = address;
}

void CIconPushButton::SetCheckBoxMode(bool checkBox)
{
    setCheckable(checkBox);
}

void CIconPushButton::OpenAddress()
{
    if (!m_address.isEmpty() && menu() == nullptr && !isCheckable()) {
        QDesktopServices::openUrl(QUrl::fromUserInput(m_address));
    }
}

bool CIconPushButton::IsHot() const
{
    // Only a flat button follows the pointer.
    return isEnabled() && (isDown() || (m_flat && underMouse()) || (isCheckable() && isChecked()) ||
                           (menu() != nullptr && menu()->isVisible()));
}

int CIconPushButton::CaptionLeft() const
{
    if (icon().isNull()) {
        return Scaled(kIconLeft);
    }
    return Scaled(kIconLeft) + iconSize().width() + Scaled(kIconGap);
}

QSize CIconPushButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int width = CaptionLeft() + metrics.horizontalAdvance(text()) + Scaled(6);
    const int height = std::max(iconSize().height(), metrics.height()) + Scaled(6);
    return QSize(width, height);
}

QSize CIconPushButton::minimumSizeHint() const
{
    return sizeHint();
}

void CIconPushButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    update();
}

void CIconPushButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    update();
}

void CIconPushButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool hot = IsHot();
    const bool sunken = isDown() || (menu() != nullptr && menu()->isVisible()) || (isCheckable() && isChecked());
    const QRectF edge = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = Scaled(2);
    painter.setPen(QPen(sunken ? kEdge.darker(130) : kEdge, 1));
    painter.setBrush(hot ? m_hotBackground : m_background);
    painter.drawRoundedRect(edge, radius, radius);
    if (!m_flat && (hasFocus() || isDefault())) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(edge.adjusted(1, 1, -1, -1), radius, radius);
    }

    const int shift = sunken ? 1 : 0;
    const QRect content = rect().translated(shift, shift);
    if (!icon().isNull()) {
        const QRect iconRect(Scaled(kIconLeft) + shift, content.top() + (height() - iconSize().height()) / 2,
                             iconSize().width(), iconSize().height());
        icon().paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }

    const Qt::Alignment alignment = Qt::AlignVCenter | (icon().isNull() ? Qt::AlignHCenter : Qt::AlignLeft);
    const QRect caption = content.adjusted(icon().isNull() ? 0 : CaptionLeft(), 0, 0, 0);
    painter.setFont(font());
    if (!isEnabled()) {
        // Engraved: the highlight one pixel down and right, the shadow in place.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(caption.translated(1, 1), alignment, text());
        painter.setPen(palette().color(QPalette::Dark));
    } else {
        painter.setPen(hot ? m_hotText : m_text);
    }
    painter.drawText(caption, alignment, text());
}
