#include "CSingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kReachTimeoutMs = 2000;
constexpr char kCloseRequest[] = "close\n";
constexpr char kShowRequest[] = "show\n";
constexpr qint64 kMaxRequestBytes = 64;

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

bool CSingleInstance::ReachRunningCopy(Request request)
{
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (!socket.waitForConnected(kReachTimeoutMs)) {
        return false;
    }
    if (request != Request::None) {
        socket.write(request == Request::Close ? kCloseRequest : kShowRequest);
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
    if (ReachRunningCopy(Request::None)) {
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
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine();
                if (line == kCloseRequest) {
                    emit CloseRequested();
                } else if (line == kShowRequest) {
                    emit ShowRequested();
                }
            }
            // Anything else is no request; a line is never long.
            if (socket->bytesAvailable() > kMaxRequestBytes) {
                socket->abort();
            }
        });
    }
}
