#include "CSingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kReachTimeoutMs = 2000;
constexpr char kCloseRequest[] = "close\n";

} // namespace

CSingleInstance::CSingleInstance(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::ServeRequest);
}

QString CSingleInstance::ServerName()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("orvane-pressling"));
}

bool CSingleInstance::ReachRunningCopy(bool closeIt)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(kReachTimeoutMs)) {
        return false;
    }
    if (closeIt) {
        socket.write(kCloseRequest);
        socket.waitForBytesWritten(kReachTimeoutMs);
    }
    socket.disconnectFromServer();
    return true;
}

bool CSingleInstance::Claim()
{
    // The runtime folder is the user's own; no socket options, as those replace a live copy's name
    // instead of failing.
    if (m_server.listen(ServerName())) {
        return true;
    }
    // The name is taken: by a running copy, or left over by one that crashed.
    if (ReachRunningCopy(false)) {
        return false;
    }
    QLocalServer::removeServer(ServerName());
    return m_server.listen(ServerName());
}

void CSingleInstance::ServeRequest()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Only the close request is ever sent; anything else is ignored.
            if (socket->readAll().startsWith(kCloseRequest)) {
                emit CloseRequested();
            }
        });
    }
}
