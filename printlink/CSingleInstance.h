#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// Keeps one running copy of the program per user. The running copy listens on a local socket in
// the user's runtime folder ($XDG_RUNTIME_DIR); a later copy finds it there and may ask it to close.
class CSingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Request
    {
        None,
        Show,  // show the control window (where there is no tray icon to open it from)
        Close, // end the running copy
    };

    explicit CSingleInstance(QObject* parent = nullptr);

    // True when a running copy answers; it is then sent request. Needs no event loop.
    static bool ReachRunningCopy(Request request);
    // Becomes the running copy, taking over a name left behind by one that crashed. False when
    // another copy holds the name, or it cannot be had.
    bool Claim();

signals:
    // A later copy asked this one to close.
    void CloseRequested();
    // A later copy was started without arguments.
    void ShowRequested();

private:
    static QString ServerName();
    void ServeRequest();

    QLocalServer m_server;
};
