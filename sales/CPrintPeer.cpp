#include "CPrintPeer.h"

#include "PrintJobWire.h"

#include <QtGlobal>

namespace {
QString& HostOption()
{
    static QString host;
    return host;
}
} // namespace

void CPrintPeer::SetHostOption(const QString& host)
{
    HostOption() = host;
}

CPrintPeer CPrintPeer::Configured()
{
    QString host = HostOption();
    if (host.isEmpty()) {
        host = qEnvironmentVariable("QUILLET_PRINT_HOST");
    }
    CPrintPeer peer(host.isEmpty() ? QStringLiteral("localhost") : host, PrintJobWire::kDefaultPort);
    const QString port = qEnvironmentVariable("QUILLET_PRINT_PORT");
    if (!port.isEmpty()) {
        bool read = false;
        const uint number = port.toUInt(&read);
        if (!read || number < 1 || number > 65535) {
            peer.m_problem = QStringLiteral("QUILLET_PRINT_PORT: '%1' is not a port number (1 to 65535).").arg(port);
        } else {
            peer.m_port = static_cast<quint16>(number);
        }
    }
    return peer;
}
