#include "CTestClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QThread>

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void Pump(int ms)
{
    WaitUntil([] { return false; }, ms);
}

CTestClient::CTestClient(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    WaitUntil([this] { return m_socket.state() == QAbstractSocket::ConnectedState; });
}

void CTestClient::Send(const QByteArray& bytes)
{
    m_socket.write(bytes);
    WaitUntil([this] { return m_socket.bytesToWrite() == 0 || !IsConnected(); }, 20000);
}

QByteArray CTestClient::Received()
{
    m_received += m_socket.readAll();
    return m_received;
}

bool CTestClient::WaitForBytes(qsizetype size, int timeoutMs)
{
    return WaitUntil([this, size] { return Received().size() >= size; }, timeoutMs);
}

bool CTestClient::WaitClosed(int timeoutMs)
{
    return WaitUntil([this] { return m_socket.state() == QAbstractSocket::UnconnectedState; }, timeoutMs);
}
