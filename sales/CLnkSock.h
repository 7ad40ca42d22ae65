#pragma once

#include "CPrintPeer.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QString>

#include <optional>

class CPrompter;

// The connection to the desktop print link for one job: connect, send the whole job, wait for the
// answer, close. Each of the three steps gives up after the timeout, with the wait cursor shown
// meanwhile. Only the answer "Message Received" counts as delivered: anything else (a refusal,
// silence, a closed connection) is reported with the message telling the user what to check.
class CLnkSock
{
public:
    static constexpr int kDefaultTimeoutMs = 10000;
    // The most answer read.
    static constexpr qsizetype kReplyBufferBytes = 4192;

    CLnkSock(CPrompter& prompter, const CPrintPeer& peer, int timeoutMs = kDefaultTimeoutMs);

    // "Quillet uses a PC printer to print. ..."
    static QString NotDeliveredText();

    // Sends the job text; the desktop's answer when it took the job, else nothing (after the
    // message: "Failed to create a socket" when no socket can be had, the text above otherwise).
    std::optional<QString> Send(const QString& jobText);

private:
    enum class Outcome
    {
        Delivered,
        NoSocket,
        NotDelivered
    };

    Outcome Exchange(const QByteArray& job, QString& reply) const;
    static bool IsSocketShortage(QAbstractSocket::SocketError error);
    static QString ReplyText(const QByteArray& bytes);

    CPrompter& m_prompter;
    CPrintPeer m_peer;
    int m_timeoutMs;
};
