#include "CDroppingProxy.h"

#include <QByteArray>
#include <QUrl>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace {
// A simple query ends its text with a NUL; the store's COMMIT is the last command of one.
const QByteArray kCommit("COMMIT", 7);

int ConnectTo(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        return fd;
    }
    if (fd >= 0) {
        close(fd);
    }
    return -1;
}

bool SendAll(int fd, const char* data, ssize_t size)
{
    while (size > 0) {
        const ssize_t sent = send(fd, data, static_cast<size_t>(size), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        data += sent;
        size -= sent;
    }
    return true;
}

struct Pair
{
    int client;
    int server;
    // The server's answer is swallowed up to the COMMIT's completion, then both ends close.
    bool swallowing = false;
    QByteArray swallowed;
};
} // namespace

CDroppingProxy::CDroppingProxy(const QString& location) : m_serverPort(QUrl(location).port(5432))
{
    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listener, 16) != 0 || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return;
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Relay(); });
}

CDroppingProxy::~CDroppingProxy()
{
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_listener >= 0) {
        close(m_listener);
    }
}

QString CDroppingProxy::Through(const QString& location) const
{
    QUrl url(location);
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(m_port);
    return url.toString();
}

void CDroppingProxy::Relay()
{
    std::vector<Pair> pairs;
    const auto end = [](Pair& pair) {
        close(pair.client);
        close(pair.server);
        pair.client = pair.server = -1;
    };
    char buffer[65536];
    while (!m_stop) {
        std::vector<pollfd> fds = {{m_listener, POLLIN, 0}};
        for (const Pair& pair : pairs) {
            fds.push_back({pair.client, POLLIN, 0});
            fds.push_back({pair.server, POLLIN, 0});
        }
        if (poll(fds.data(), fds.size(), 50) <= 0) {
            continue;
        }
        if (fds[0].revents & POLLIN) {
            const int client = accept(m_listener, nullptr, nullptr);
            const int server = client >= 0 && !m_refuseNew ? ConnectTo(m_serverPort) : -1;
            if (server >= 0) {
                pairs.push_back(Pair{client, server, false, {}});
            } else if (client >= 0) {
                close(client);
            }
        }
        for (size_t i = 0; i < pairs.size(); ++i) {
            Pair& pair = pairs[i];
            const short fromClient = fds[1 + 2 * i].revents;
            const short fromServer = fds[2 + 2 * i].revents;
            if (pair.client >= 0 && (fromClient & (POLLIN | POLLHUP | POLLERR))) {
                const ssize_t got = recv(pair.client, buffer, sizeof buffer, 0);
                const bool commit = got > 0 && QByteArray::fromRawData(buffer, got).endsWith(kCommit);
                const Drop drop = commit ? m_drop.exchange(Drop::Nothing) : Drop::Nothing;
                if (got <= 0 || drop == Drop::Commit) {
                    m_dropped = m_dropped || drop == Drop::Commit;
                    end(pair);
                    continue;
                }
                pair.swallowing = pair.swallowing || drop == Drop::CommitReply || drop == Drop::CommitReplyAndServer;
                m_refuseNew = m_refuseNew || drop == Drop::CommitReplyAndServer;
                if (!SendAll(pair.server, buffer, got)) {
                    end(pair);
                    continue;
                }
            }
            if (pair.server >= 0 && (fromServer & (POLLIN | POLLHUP | POLLERR))) {
                const ssize_t got = recv(pair.server, buffer, sizeof buffer, 0);
                if (got <= 0) {
                    end(pair);
                    continue;
                }
                if (pair.swallowing) {
                    pair.swallowed.append(buffer, got);
                    if (pair.swallowed.contains(kCommit)) {
                        m_dropped = true;
                        end(pair);
                    }
                    continue;
                }
                if (!SendAll(pair.client, buffer, got)) {
                    end(pair);
                }
            }
        }
        std::erase_if(pairs, [](const Pair& pair) { return pair.client < 0; });
    }
    for (Pair& pair : pairs) {
        end(pair);
    }
}
