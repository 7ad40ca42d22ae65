#include "CConsolePrompter.h"

#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {
QTextStream& Err()
{
    static QTextStream stream(stderr);
    return stream;
}
} // namespace

void CConsolePrompter::ShowMessage(const QString& text)
{
    m_messages << text;
    Err() << text << Qt::endl;
}

bool CConsolePrompter::AskYesNo(const QString& question, Icon)
{
    if (m_assumeYes) {
        Err() << question << QLatin1String(" Yes") << Qt::endl;
        return true;
    }
    if (!isatty(STDIN_FILENO)) {
        Err() << question << QLatin1String(" No (no terminal to ask; --yes answers Yes)") << Qt::endl;
        return false;
    }
    Err() << question << QLatin1String(" [y/N] ") << Qt::flush;
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed();
    return answer.startsWith(QLatin1Char('y'), Qt::CaseInsensitive);
}

QString CConsolePrompter::NextFile()
{
    if (m_files.empty()) {
        return QString();
    }
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString CConsolePrompter::ChooseSaveFile(const CFileChoice&)
{
    return NextFile();
}

QString CConsolePrompter::ChooseOpenFile(const CFileChoice&)
{
    return NextFile();
}

std::optional<double> CConsolePrompter::RunNumberPad(const QString&, const QString&, double)
{
    if (m_numbers.empty()) {
        return std::nullopt;
    }
    const double value = m_numbers.front();
    m_numbers.pop_front();
    return value;
}

void CConsolePrompter::BeginProgress(const QString& text, qint64 steps, Cancel cancel)
{
    // A long write of the command itself is what the command was asked to do: nothing to say.
    if (cancel == Cancel::NotOffered) {
        m_progressShown = false;
        m_progressSteps = 0;
        return;
    }
    // A wait of unknown length is said once, terminal or not, so a script's log tells why it paused.
    if (steps <= 0) {
        Err() << text << Qt::endl;
        m_progressShown = false;
        m_progressSteps = 0;
        return;
    }
    m_progressShown = isatty(STDERR_FILENO) != 0;
    m_progressText = text;
    m_progressSteps = std::max<qint64>(steps, 1);
    m_progressPercent = -1;
    StepProgress(0);
}

bool CConsolePrompter::StepProgress(qint64 done)
{
    if (m_progressSteps <= 0) {
        return true;
    }
    const int percent = static_cast<int>(std::clamp<qint64>(done * 100 / m_progressSteps, 0, 100));
    if (m_progressShown && percent != m_progressPercent) {
        m_progressPercent = percent;
        Err() << QLatin1Char('\r') << m_progressText << QLatin1Char(' ') << percent << QLatin1Char('%') << Qt::flush;
    }
    return true;
}

void CConsolePrompter::EndProgress()
{
    if (m_progressShown) {
        Err() << Qt::endl;
    }
    m_progressShown = false;
}
