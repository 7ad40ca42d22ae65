#include "CProgressDialog.h"

#include <QCloseEvent>

CProgressDialog::CProgressDialog(const QString& text, int maximum, bool cancellable, QWidget* parent)
    : QProgressDialog(text, cancellable ? QStringLiteral("Cancel") : QString(), 0, maximum, parent),
      m_cancellable(cancellable)
{
    if (!cancellable) {
        setCancelButton(nullptr);
    }
}

void CProgressDialog::reject()
{
    if (m_cancellable) {
        QProgressDialog::reject();
    }
}

void CProgressDialog::closeEvent(QCloseEvent* event)
{
    if (m_cancellable) {
        QProgressDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}
