#include "TNotifyIcon.h"

namespace {

constexpr int kDefaultAnimateDelayMs = 50;
constexpr int kMessageMs = 15000;

} // namespace

TNotifyIcon::TNotifyIcon(QObject* parent) : QObject(parent)
{
    m_animation.setInterval(kDefaultAnimateDelayMs);
    connect(&m_animation, &QTimer::timeout, this, &TNotifyIcon::NextImage);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) {
            emit DblClick();
        }
    });
}

void TNotifyIcon::SetActive(bool active)
{
    m_icon.setVisible(active);
}

void TNotifyIcon::SetAnimated(bool animated)
{
    if (animated == Animated()) {
        return;
    }
    if (animated) {
        m_animation.start();
    } else {
        m_animation.stop();
        ShowImage(m_iconIndex);
    }
}

void TNotifyIcon::SetHint(const QString& hint)
{
    m_icon.setToolTip(hint.left(kHintLength));
}

void TNotifyIcon::SetIconIndex(int index)
{
    m_iconIndex = index;
    if (!Animated()) {
        ShowImage(index);
    }
}

void TNotifyIcon::SetImageList(const QList<QIcon>& images)
{
    m_images = images;
    ShowImage(m_iconIndex);
}

void TNotifyIcon::ShowWarning(const QString& title, const QString& message)
{
    m_lastMessage = message;
    m_icon.showMessage(title, message, QSystemTrayIcon::Warning, kMessageMs);
}

void TNotifyIcon::ShowImage(int index)
{
    const bool exists = index >= 0 && index < m_images.size();
    m_shownImage = exists ? index : -1;
    m_icon.setIcon(exists ? m_images[index] : QIcon());
}

void TNotifyIcon::NextImage()
{
    if (!m_images.isEmpty()) {
        ShowImage((m_shownImage + 1) % m_images.size());
    }
}
