#include "SocketClosing.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int kCloseGraceMs = 5000;
// Whatever the peer still sends is not wanted; a small buffer stops Qt from reading it all.
constexpr qint64 kClosingBufferBytes = 4096;

} // namespace

void CloseWhenWritten(QTcpSocket* socket)
{
    socket->setReadBufferSize(kClosingBufferBytes);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kCloseGraceMs, socket, [socket] { socket->abort(); });
    socket->disconnectFromHost();
}
