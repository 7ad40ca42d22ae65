#pragma once

#include "CJobListener.h"

#include <QObject>

class TControlForm;
class TMainForm;

// The network side of the program: the job listener, wired to the control window (caption and
// status rows), to the main form (printing) and to the tray icon (animated while a job prints,
// back to its first image when a connection ends).
class TListenForm final : public QObject
{
    Q_OBJECT

public:
    TListenForm(TMainForm& mainForm, TControlForm& controlForm, const ListenerTiming& timing = {},
                QObject* parent = nullptr);

    // See CJobListener::Listen.
    bool Listen(quint16 port) { return m_listener.Listen(port); }
    quint16 Port() const { return m_listener.Port(); }
    QString ErrorText() const { return m_listener.ErrorText(); }

private:
    CJobListener m_listener;
};
