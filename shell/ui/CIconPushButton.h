#pragma once

#include "CIconFactory.h"

#include <QColor>
#include <QPushButton>

class QMenu;

// The push button of every screen and dialog: an icon at the left, the caption after it, and two
// pairs of colours, one while the pointer is over the button or it is pressed ("hot"), one else.
// Flat by default. Optionally it drops down a popup menu under itself, opens an address with the
// desktop's default handler, or toggles like a check box.
class CIconPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CIconPushButton(const QString& caption, QWidget* parent = nullptr);
    CIconPushButton(CIconFactory::Kind icon, const QString& caption, QWidget* parent = nullptr);

    // Size in handheld pixels (scaled); 16 unless set.
    void SetIconSize(int handheldPixels);
    void SetColors(const QColor& background, const QColor& text, const QColor& hotBackground, const QColor& hotText);
    // A button that is not flat does not follow the pointer, and gets a black frame while it has
    // the focus or is the default.
    void SetFlat(bool flat);
    // The menu drops down at the button's bottom left corner when it is clicked.
    void SetPopupMenu(QMenu* menu);
    // A click opens this address (a URL or a file path) with the desktop's handler; give such a
    // button no command of its own.
    void SetAddress(const QString& address);
    // A click toggles the checked state.
    void SetCheckBoxMode(bool checkBox);

    bool IsHot() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void OpenAddress();
    int CaptionLeft() const;

    bool m_flat = true;
    QColor m_background;
    QColor m_text;
    QColor m_hotBackground;
    QColor m_hotText;
    QString m_address;
};
