#pragma once

#include <QByteArray>
#include <QMutex>
#include <QThread>

#include <future>

class QTcpSocket;

// A desktop print link for tests: listens on a free port of 127.0.0.1 in a thread of its own (the
// client under test blocks its thread while it waits), keeps every byte it receives and answers
// each job, once its end mark has arrived, as told.
class CFakeDesktop final : public QThread
{
    Q_OBJECT

public:
    enum class Answer
    {
        Received,   // "Message Received" in UTF-16LE, as the desktop does
        RefuseSlot, // on connecting, the single-byte "No more socket available, Connect refused", then close
        Silence,    // never answers
        Close       // closes without a word
    };

    explicit CFakeDesktop(Answer answer = Answer::Received);
    ~CFakeDesktop() override;

    quint16 Port() const { return m_port; }
    QByteArray Received() const;
    int Connections() const;

protected:
    void run() override;

private:
    void Take(QTcpSocket* socket);

    Answer m_answer;
    quint16 m_port = 0;
    std::promise<quint16> m_listening;
    mutable QMutex m_mutex;
    QByteArray m_received;
    int m_connections = 0;
};
