#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QStringList>
#include <QWidget>

// The controls of a window a screen reader would announce without a name: every shown widget a
// user can focus or press whose accessible name (its own, or the text Qt reads from it or from
// its label) is blank. Named by class and object name, for a failure to point at them.
inline QStringList UnnamedControls(QWidget* window)
{
    QStringList unnamed;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(window)) {
            continue;
        }
        const bool button = qobject_cast<QAbstractButton*>(widget) != nullptr;
        if (widget->focusPolicy() == Qt::NoFocus && !button) {
            continue;
        }
        // Parts a control is made of speak through it: an editable list's field, a field's
        // clear button.
        QWidget* parent = widget->parentWidget();
        if ((parent != nullptr && parent->focusProxy() == widget) || qobject_cast<QComboBox*>(parent) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(parent) != nullptr ||
            QByteArray(widget->metaObject()->className()) == "QLineEditIconButton") {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                                   widget->objectName());
        }
    }
    return unnamed;
}
