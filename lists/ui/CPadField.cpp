#include "CPadField.h"

#include "CColorEdit.h"
#include "LocaleNumber.h"

#include <QKeyEvent>
#include <QMouseEvent>

CPadField::CPadField(CColorEdit* edit, std::function<void()> openPad, std::function<void(double)> take)
    : QObject(edit), m_edit(edit), m_openPad(std::move(openPad)), m_take(std::move(take))
{
    m_edit->SetNumeric(true);
    m_edit->setReadOnly(false);
    m_edit->installEventFilter(this);
}

void CPadField::Commit()
{
    if (!m_edit->isModified()) {
        return;
    }
    m_edit->setModified(false);
    m_take(ParseLocaleNumber(m_edit->text()));
}

// The pad is a modal dialog: it runs after the event that asked for it is done.
void CPadField::OpenPad()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            Commit();
            m_openPad();
            // The next digits typed replace the number rather than add to it.
            m_edit->setModified(false);
            m_edit->selectAll();
        },
        Qt::QueuedConnection);
}

bool CPadField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            m_edit->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            OpenPad();
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter after typing takes the number; Enter on an untouched field asks the pad.
            if (m_edit->isModified()) {
                Commit();
                m_edit->selectAll();
            } else {
                OpenPad();
            }
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
        Commit();
        break;
    default:
        break;
    }
    return false;
}
