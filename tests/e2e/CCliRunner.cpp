#include "CCliRunner.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

int CCliRunner::Run(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLET_DOCUMENTS"),
                       m_folder.isEmpty() ? QFileInfo(m_dataFile).absolutePath() : m_folder);
    process.setWorkingDirectory(m_folder);
    process.setProcessEnvironment(environment);
    if (!m_outputFile.isEmpty()) {
        process.setStandardOutputFile(m_outputFile);
    }
    process.start(QStringLiteral(QUILLET_CLI), QStringList{QStringLiteral("--data"), m_dataFile} + arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    m_out = QString::fromUtf8(process.readAllStandardOutput());
    m_err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool CCliRunner::Sql(const QString& sql) const
{
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {m_dataFile, sql});
    sqlite.waitForFinished();
    return sqlite.exitStatus() == QProcess::NormalExit && sqlite.exitCode() == 0;
}

QStringList CCliRunner::OutLines() const
{
    QStringList lines = m_out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}
