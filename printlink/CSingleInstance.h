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
    explicit CSingleInstance(QObject* parent = nullptr);

    // True when a running copy answers; with closeIt it is asked to close. Needs no event loop.
    static bool ReachRunningCopy(bool closeIt);
    // Becomes the running copy, taking over a name left behind by one that crashed. False when
    // another copy holds the name, or it cannot be had.
    bool Claim();

signals:
    // A later copy asked this one to close.
    void CloseRequested();

private:
    static QString ServerName();
    void ServeRequest();

    QLocalServer m_server;
};
