#include "TAboutForm.h"

#include "PresslingImages.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

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

void TAboutForm::Centre()
{
    const QWidget* window = m_anchor;
    QRect area;
    if (window != nullptr && window->isVisible()) {
        area = window->frameGeometry();
    } else if (const QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        QRect box = frameGeometry();
        box.moveCenter(area.center());
        move(box.topLeft());
    }
}
