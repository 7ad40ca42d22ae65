#include "TAboutForm.h"

#include "PresslingImages.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// The designed window is 281 x 326 with its frame; this is its client area.
constexpr QSize kClientSize(273, 299);
constexpr int kTextHeight = 20;

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Orvane Pressling"));
    setFixedSize(kClientSize);

    auto* picture = new QLabel(this);
    picture->setPixmap(PresslingImages::AboutPicture());
    picture->setGeometry(8, 96, 41, 41);

    const struct
    {
        QString text;
        int top;
        bool bold;
    } lines[] = {
        {QStringLiteral("Orvane Pocket Quillet"), 40, true},
        {QStringLiteral("Desktop Pressling Component"), 67, false},
        {QStringLiteral("Version 1.2"), 96, false},
        {kWebAddress.toString(), 200, false},
    };
    for (const auto& line : lines) {
        auto* label = new QLabel(line.text, this);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(0, line.top, kClientSize.width(), kTextHeight);
        QFont font = label->font();
        font.setBold(line.bold);
        label->setFont(font);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(128, 240, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// Without a window manager to place it, a window opens at the screen's corner.
void TAboutForm::CentreOver(const QWidget* window)
{
    m_anchor = window;
    m_centred = true;
    Centre();
}

// Once shown the frame's size is known, and the box is centred again by it.
void TAboutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_centred) {
        Centre();
    }
}

// Over a window near the screen's edge the box is kept whole on the screen.
void TAboutForm::Centre()
{
    const QWidget* window = m_anchor;
    const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect area = window != nullptr && window->isVisible() ? window->frameGeometry() : available;
    QRect box = frameGeometry();
    box.moveCenter(area.center());
    box.moveLeft(
        std::clamp(box.left(), available.left(), std::max(available.left(), available.right() - box.width() + 1)));
    box.moveTop(
        std::clamp(box.top(), available.top(), std::max(available.top(), available.bottom() - box.height() + 1)));
    move(box.topLeft());
}
