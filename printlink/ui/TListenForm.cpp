#include "TListenForm.h"

#include "TControlForm.h"
#include "TMainForm.h"

#include <cstdio>

TListenForm::TListenForm(TMainForm& mainForm, TControlForm& controlForm, const ListenerTiming& timing, QObject* parent)
    : QObject(parent), m_listener(mainForm, timing)
{
    connect(&m_listener, &CJobListener::CaptionChanged, &controlForm, &QWidget::setWindowTitle);
    connect(&m_listener, &CJobListener::RowChanged, &controlForm, &TControlForm::SetStatusRow);
    TNotifyIcon& icon = mainForm.NotifyIcon();
    connect(&m_listener, &CJobListener::ConnectionClosed, &icon, [&icon] { icon.SetIconIndex(0); });
    connect(&m_listener, &CJobListener::PrintingChanged, &icon, &TNotifyIcon::SetAnimated);

    // A failure must not pass unseen: the handheld was told the job arrived.
    connect(&m_listener, &CJobListener::JobFailed, &icon, [this, &icon](int row, const QString& reason) {
        const QString text = QStringLiteral("Job Status row %1: %2").arg(QString::number(row + 1), reason);
        std::fputs(QStringLiteral("pressling: %1\n").arg(text).toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        icon.ShowWarning(TControlForm::kTitle.toString(),
                         m_listener.HoldsFailedJob(row)
                             ? text + QStringLiteral("\n\"Print again\" in the row's menu of the control window "
                                                     "prints it again.")
                             : text);
    });
    connect(&m_listener, &CJobListener::FailedJobHeld, &controlForm, &TControlForm::SetFailedJobHeld);
    connect(&controlForm, &TControlForm::PrintAgainRequested, &m_listener, &CJobListener::PrintAgain);
}
