#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

class QMenu;

// The program's icon in the notification area. Shows image IconIndex of its image list, or, while
// Animated, each image in turn every AnimateDelay milliseconds. The hint is cut to 64 characters.
// A right click opens the popup menu; a double click raises DblClick.
class TNotifyIcon final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kHintLength = 64;

    explicit TNotifyIcon(QObject* parent = nullptr);

    void SetActive(bool active);
    bool Active() const { return m_icon.isVisible(); }
    void SetAnimated(bool animated);
    bool Animated() const { return m_animation.isActive(); }
    void SetAnimateDelay(int ms) { m_animation.setInterval(ms); }
    int AnimateDelay() const { return m_animation.interval(); }
    void SetHint(const QString& hint);
    QString Hint() const { return m_icon.toolTip(); }
    void SetIconIndex(int index);
    int IconIndex() const { return m_iconIndex; }
    void SetImageList(const QList<QIcon>& images);
    void SetPopupMenu(QMenu* menu) { m_icon.setContextMenu(menu); }
    QMenu* PopupMenu() const { return m_icon.contextMenu(); }

    // The image shown now, or -1 when the list has no such image.
    int ShownImage() const { return m_shownImage; }

    // A warning balloon by the icon (shown only where there is a tray); the last one is kept.
    void ShowWarning(const QString& title, const QString& message);
    QString LastMessage() const { return m_lastMessage; }

signals:
    void DblClick();

private:
    void ShowImage(int index);
    void NextImage();

    QSystemTrayIcon m_icon;
    QTimer m_animation;
    QList<QIcon> m_images;
    int m_iconIndex = 0;
    int m_shownImage = -1;
    QString m_lastMessage;
};
