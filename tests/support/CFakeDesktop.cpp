#include "CFakeDesktop.h"

#include "PrintJobWire.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>

CFakeDesktop::CFakeDesktop(Answer answer) : m_answer(answer)
{
    std::future<quint16> port = m_listening.get_future();
    start();
    m_port = port.get();
}

CFakeDesktop::~CFakeDesktop()
{
    quit();
    wait();
}

QByteArray CFakeDesktop::Received() const
{
    QMutexLocker lock(&m_mutex);
    return m_received;
}

int CFakeDesktop::Connections() const
{
    QMutexLocker lock(&m_mutex);
    return m_connections;
}

void CFakeDesktop::run()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            Take(socket);
        }
    });
    m_listening.set_value(server.serverPort());
    exec();
}

void CFakeDesktop::Take(QTcpSocket* socket)
{
    {
        QMutexLocker lock(&m_mutex);
        ++m_connections;
    }
    if (m_answer == Answer::RefuseSlot) {
        socket->write(PrintJobWire::kNoSlotRefusal);
        socket->disconnectFromHost();
        return;
    }
    auto job = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, job] {
        const QByteArray chunk = socket->readAll();
        *job += chunk;
        {
            QMutexLocker lock(&m_mutex);
            m_received += chunk;
        }
        if (!job->endsWith(PrintJobWire::EncodeText(PrintJobWire::kEndMark))) {
            return;
        }
        if (m_answer == Answer::Received) {
            socket->write(PrintJobWire::EncodeText(PrintJobWire::kReceivedReply));
        } else if (m_answer == Answer::Close) {
            socket->disconnectFromHost();
        }
    });
}
