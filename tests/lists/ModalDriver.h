#pragma once

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs drive on the next modal dialog once it is up, the way a user would answer it.
inline void WhenModalOpens(const std::function<void(QWidget*)>& drive)
{
    QTimer::singleShot(0, [drive] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        drive(QApplication::activeModalWidget());
    });
}

template <typename T>
T* Child(const QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no child %s", name);
    }
    return child;
}

inline void Click(QWidget* parent, const char* name)
{
    QTest::mouseClick(Child<QWidget>(parent, name), Qt::LeftButton);
}

// The names of the New, Edit and Delete buttons of a window's command bar that can be pressed.
inline QStringList EnabledCommandBarButtons(const QWidget& window)
{
    QStringList names;
    for (const char* name : {"newButton", "editButton", "deleteButton"}) {
        if (Child<QPushButton>(&window, name)->isEnabled()) {
            names << QString::fromLatin1(name);
        }
    }
    return names;
}
