#pragma once

#include <QHash>
#include <QWidget>

#include <functional>

class CIconPushButton;

// The bottom bar with "New", "Edit" and "Delete"; their commands go to the current screen.
class CButtonBar final : public QWidget
{
    Q_OBJECT

public:
    explicit CButtonBar(QWidget* parent = nullptr);

    // Enables each button whose command isEnabled accepts.
    void UpdateEnabled(const std::function<bool(int)>& isEnabled);

signals:
    // CommandId::kNew, kEdit or kDelete.
    void Command(int commandId);

private:
    CIconPushButton* AddButton(int commandId, const QString& caption, const QString& objectName);

    QHash<int, CIconPushButton*> m_buttons;
};
