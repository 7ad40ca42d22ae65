#include "CLnkSock.h"

#include "CPrompter.h"
#include "CWaitCursor.h"
#include "PrintJobWire.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QtEndian>

CLnkSock::CLnkSock(CPrompter& prompter, const CPrintPeer& peer, int timeoutMs)
    : m_prompter(prompter), m_peer(peer), m_timeoutMs(timeoutMs)
{}

QString CLnkSock::NotDeliveredText()
{
    return QStringLiteral("Quillet uses a PC printer to print.\nPlease Check If:\n(1) The Pocket PC is connected to PC "
                          "by ActiveSync. \n(2) The Orvane Pressling component is installed on Desktop PC.\n");
}

std::optional<QString> CLnkSock::Send(const QString& jobText)
{
    if (!m_peer.Problem().isEmpty()) {
        m_prompter.ShowMessage(m_peer.Problem());
        return std::nullopt;
    }
    QString reply;
    Outcome outcome = Outcome::NotDelivered;
    {
        CWaitCursor wait(m_prompter);
        outcome = Exchange(PrintJobWire::EncodeText(jobText), reply);
    }
    switch (outcome) {
    case Outcome::Delivered:
        return reply;
    case Outcome::NoSocket:
        m_prompter.ShowMessage(QStringLiteral("Failed to create a socket"));
        break;
    case Outcome::NotDelivered:
        m_prompter.ShowMessage(NotDeliveredText());
        break;
    }
    return std::nullopt;
}

bool CLnkSock::IsSocketShortage(QAbstractSocket::SocketError error)
{
    return error == QAbstractSocket::SocketResourceError || error == QAbstractSocket::UnsupportedSocketOperationError;
}

// The answer as UTF-16 little-endian text up to its first zero, an odd last byte left out.
QString CLnkSock::ReplyText(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = qFromLittleEndian<quint16>(bytes.constData() + i);
        if (unit == 0) {
            break;
        }
        text += QChar(unit);
    }
    return text;
}

// The socket lives for this one exchange and is closed on every way out of it.
CLnkSock::Outcome CLnkSock::Exchange(const QByteArray& job, QString& reply) const
{
    QTcpSocket socket;
    socket.connectToHost(m_peer.Host(), m_peer.Port());
    if (!socket.waitForConnected(m_timeoutMs)) {
        return IsSocketShortage(socket.error()) ? Outcome::NoSocket : Outcome::NotDelivered;
    }
    if (socket.write(job) != job.size()) {
        return Outcome::NotDelivered;
    }
    const QDeadlineTimer sending(m_timeoutMs);
    while (socket.bytesToWrite() > 0) {
        if (sending.hasExpired() || !socket.waitForBytesWritten(static_cast<int>(sending.remainingTime()))) {
            return Outcome::NotDelivered;
        }
    }
    // The expected answer may arrive in pieces; a closed connection or the timeout ends the wait.
    const qsizetype expected = PrintJobWire::kReceivedReply.size() * 2;
    QByteArray answer;
    const QDeadlineTimer answering(m_timeoutMs);
    while (answer.size() < expected) {
        if (socket.bytesAvailable() == 0 &&
            (answering.hasExpired() || !socket.waitForReadyRead(static_cast<int>(answering.remainingTime())))) {
            break;
        }
        answer += socket.read(kReplyBufferBytes - answer.size());
    }
    reply = ReplyText(answer);
    return reply == PrintJobWire::kReceivedReply ? Outcome::Delivered : Outcome::NotDelivered;
}
