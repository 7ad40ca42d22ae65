#include "TListenForm.h"

#include "TControlForm.h"
#include "TMainForm.h"

TListenForm::TListenForm(TMainForm& mainForm, TControlForm& controlForm, const ListenerTiming& timing, QObject* parent)
    : QObject(parent), m_listener(mainForm, timing)
{
    connect(&m_listener, &CJobListener::CaptionChanged, &controlForm, &QWidget::setWindowTitle);
    connect(&m_listener, &CJobListener::RowChanged, &controlForm, &TControlForm::SetStatusRow);
    TNotifyIcon& icon = mainForm.NotifyIcon();
    connect(&m_listener, &CJobListener::ConnectionClosed, &icon, [&icon] { icon.SetIconIndex(0); });
    connect(&m_listener, &CJobListener::PrintingChanged, &icon, &TNotifyIcon::SetAnimated);
}
