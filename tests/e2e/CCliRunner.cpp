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

CCliRunner::AtOnce CCliRunner::RunAtOnce(const QStringList& arguments, int programs, int times) const
{
    // The program is $0 of the script and "$@" its arguments, each kept whole.
    const QString loop = QStringLiteral("for i in $(seq 1 %1); do \"$0\" \"$@\" || echo failed >&2; done").arg(times);
    QList<QProcess*> loops;
    for (int i = 0; i < programs; ++i) {
        auto* shell = new QProcess;
        shell->start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"), loop, QStringLiteral(QUILLET_CLI),
                                                       QStringLiteral("--data"), m_dataFile} +
                                               arguments);
        loops << shell;
    }
    AtOnce result;
    for (QProcess* shell : loops) {
        result.allSucceeded = shell->waitForFinished(300000) && result.allSucceeded;
        result.out << QString::fromUtf8(shell->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QString err = QString::fromUtf8(shell->readAllStandardError());
        result.allSucceeded = result.allSucceeded && !err.contains(QLatin1String("failed"));
        result.err += err;
        delete shell;
    }
    return result;
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

QStringList SaleNumbers(const QStringList& registerLines)
{
    QStringList numbers;
    for (const QString& line : registerLines.mid(1)) {
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.value(2) == QLatin1String("1")) {
            numbers << fields.value(0) + QLatin1Char('|') + fields.value(3);
        }
    }
    return numbers;
}
