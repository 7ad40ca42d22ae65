#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTcpSocket>

#include <functional>

// Runs the event loop until done() holds or timeoutMs have passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Runs the event loop for ms milliseconds.
void Pump(int ms);

// A handheld on the loopback interface, served by the same event loop as the listener.
class CTestClient
{
public:
    explicit CTestClient(quint16 port);

    bool IsConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    // Writes bytes and waits until they have left.
    void Send(const QByteArray& bytes);
    // Everything received so far.
    QByteArray Received();
    // Waits until size bytes have been received.
    bool WaitForBytes(qsizetype size, int timeoutMs = 5000);
    // Waits until the listener has closed the connection.
    bool WaitClosed(int timeoutMs = 5000);
    void Close() { m_socket.disconnectFromHost(); }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};
