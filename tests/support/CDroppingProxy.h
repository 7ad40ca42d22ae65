#pragma once

#include <QString>

#include <atomic>
#include <thread>

// A TCP relay between the programs under test and the test server that can lose one COMMIT on
// the way, as a network or a server restart does: either the command never arrives (the server
// rolls back), or it arrives and the server commits but its reply never comes back. Either way
// the client sees "server closed the connection unexpectedly" and cannot tell which happened.
class CDroppingProxy
{
public:
    enum class Drop
    {
        Nothing,
        Commit,              // the connection ends before the COMMIT reaches the server
        CommitReply,         // the server commits; the connection ends before its answer is passed on
        CommitReplyAndServer // as CommitReply, and every later connection is ended at once
    };

    // Relays to the server of location (a postgresql:// URI); Port() is 0 when it cannot listen.
    explicit CDroppingProxy(const QString& location);
    ~CDroppingProxy();
    CDroppingProxy(const CDroppingProxy&) = delete;
    CDroppingProxy& operator=(const CDroppingProxy&) = delete;

    int Port() const { return m_port; }
    // location with the relay in place of the server.
    QString Through(const QString& location) const;
    // Arms the relay for the next COMMIT of any connection; later ones pass.
    void DropNext(Drop drop) { m_drop = drop; }
    bool Dropped() const { return m_dropped; }
    // Relays new connections again after CommitReplyAndServer.
    void ServeAgain() { m_refuseNew = false; }

private:
    void Relay();

    int m_listener = -1;
    int m_port = 0;
    int m_serverPort = 0;
    std::atomic<Drop> m_drop = Drop::Nothing;
    std::atomic<bool> m_dropped = false;
    std::atomic<bool> m_refuseNew = false;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};
