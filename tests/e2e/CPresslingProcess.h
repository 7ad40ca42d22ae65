#pragma once

#include "PdfText.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// Runs the pressling program for a test: offscreen, with a runtime folder of its own (so its single
// instance is the test's own) and a documents folder of its own. Stopped when destroyed.
class CPresslingProcess
{
public:
    CPresslingProcess();
    ~CPresslingProcess();

    // A port nothing listens on right now.
    static quint16 FreePort();

    // Starts the program and waits until it answers on port.
    bool Start(const QStringList& arguments, quint16 port);
    // Keeps what the program writes on stderr for Errors() instead of passing it on; call before
    // Start.
    void KeepErrors() { m_process.setProcessChannelMode(QProcess::SeparateChannels); }
    // What the program has written on stderr so far (with KeepErrors).
    QString Errors();
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }
    bool WaitFinished(int timeoutMs = 10000);
    // Runs another copy with arguments in the same environment: its exit code, or -1 when it had not
    // finished within timeoutMs.
    int RunAnotherCopy(const QStringList& arguments, int timeoutMs = 10000);

    QString DocumentsFolder() const { return m_documents.path(); }

private:
    QProcessEnvironment Environment() const;

    QTemporaryDir m_runtime;
    QTemporaryDir m_documents;
    QProcess m_process;
    QString m_errors;
};

// Connects to port, sends bytes and returns the reply (what arrived before the listener closed or
// went quiet), then closes.
QByteArray SendJob(quint16 port, const QByteArray& bytes);
// True when something accepts connections on port.
bool IsListening(quint16 port);
// The PDF files in folder, waiting up to timeoutMs for at least count of them.
QStringList WaitForPdfFiles(const QString& folder, qsizetype count, int timeoutMs = 15000);
