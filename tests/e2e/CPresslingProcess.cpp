#include "CPresslingProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kReplyTimeoutMs = 10000;

} // namespace

CPresslingProcess::CPresslingProcess()
{
    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_process.setProcessEnvironment(Environment());
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

CPresslingProcess::~CPresslingProcess()
{
    if (IsRunning()) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

quint16 CPresslingProcess::FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

QProcessEnvironment CPresslingProcess::Environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("QUILLET_DOCUMENTS"), m_documents.path());
    return environment;
}

bool CPresslingProcess::Start(const QStringList& arguments, quint16 port)
{
    m_process.start(QStringLiteral(PRESSLING), arguments);
    if (!m_process.waitForStarted()) {
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kStartTimeoutMs && IsRunning()) {
        if (IsListening(port)) {
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QString CPresslingProcess::Errors()
{
    // Waiting a moment lets the pipes be read without an event loop.
    m_process.waitForReadyRead(20);
    m_errors += QString::fromLocal8Bit(m_process.readAllStandardError());
    return m_errors;
}

bool CPresslingProcess::WaitFinished(int timeoutMs)
{
    return m_process.waitForFinished(timeoutMs) || !IsRunning();
}

int CPresslingProcess::RunAnotherCopy(const QStringList& arguments, int timeoutMs)
{
    QProcess copy;
    copy.setProcessEnvironment(Environment());
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy.start(QStringLiteral(PRESSLING), arguments);
    if (!copy.waitForFinished(timeoutMs)) {
        copy.kill();
        copy.waitForFinished();
        return -1;
    }
    return copy.exitStatus() == QProcess::NormalExit ? copy.exitCode() : -1;
}

QByteArray SendJob(quint16 port, const QByteArray& bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(kReplyTimeoutMs)) {
        return QByteArray();
    }
    socket.write(bytes);
    socket.waitForBytesWritten(kReplyTimeoutMs);
    QByteArray reply;
    while (reply.size() < 32 && socket.waitForReadyRead(kReplyTimeoutMs)) {
        reply += socket.readAll();
    }
    reply += socket.readAll();
    socket.disconnectFromHost();
    return reply;
}

bool IsListening(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    const bool connected = socket.waitForConnected(200);
    socket.abort();
    return connected;
}

QStringList WaitForPdfFiles(const QString& folder, qsizetype count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QStringList files;
    do {
        files = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        if (files.size() >= count) {
            break;
        }
        QThread::msleep(50);
    } while (timer.elapsed() < timeoutMs);
    for (QString& file : files) {
        file = QDir(folder).filePath(file);
    }
    return files;
}
