#pragma once

#include <QString>

// Where the desktop print link listens. The host is the one given to the program (--print-host),
// else QUILLET_PRINT_HOST, else localhost; the port QUILLET_PRINT_PORT, else 5421.
class CPrintPeer
{
public:
    CPrintPeer(const QString& host, quint16 port) : m_host(host), m_port(port) {}

    // The peer the program's settings name, read now.
    static CPrintPeer Configured();
    // The host given on the program's command line; empty leaves the choice to the environment.
    static void SetHostOption(const QString& host);

    const QString& Host() const { return m_host; }
    quint16 Port() const { return m_port; }
    // Why the settings cannot be used (a port that is no port number); empty when they can.
    const QString& Problem() const { return m_problem; }

private:
    QString m_host;
    quint16 m_port;
    QString m_problem;
};
