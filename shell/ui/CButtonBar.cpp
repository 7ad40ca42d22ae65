#include "CButtonBar.h"

#include "CIconPushButton.h"
#include "CommandIds.h"
#include "UiScale.h"

#include <QHBoxLayout>

namespace {
const QColor kBarColor(192, 192, 192);
} // namespace

CButtonBar::CButtonBar(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, kBarColor);
    setPalette(colors);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Scaled(3), Scaled(2), Scaled(3), Scaled(2));
    layout->setSpacing(Scaled(3));
    AddButton(CommandId::kNew, QStringLiteral("New"), QStringLiteral("newButton"))
        ->setIcon(CIconFactory::Icon(CIconFactory::Kind::Add));
    AddButton(CommandId::kEdit, QStringLiteral("Edit"), QStringLiteral("editButton"))
        ->setIcon(CIconFactory::Icon(CIconFactory::Kind::Edit));
    AddButton(CommandId::kDelete, QStringLiteral("Delete"), QStringLiteral("deleteButton"))
        ->setIcon(CIconFactory::Icon(CIconFactory::Kind::Delete));
    layout->addStretch();
}

CIconPushButton* CButtonBar::AddButton(int commandId, const QString& caption, const QString& objectName)
{
    auto* button = new CIconPushButton(caption, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, commandId] { emit Command(commandId); });
    layout()->addWidget(button);
    m_buttons.insert(commandId, button);
    return button;
}

void CButtonBar::UpdateEnabled(const std::function<bool(int)>& isEnabled)
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        it.value()->setEnabled(isEnabled(it.key()));
    }
}
