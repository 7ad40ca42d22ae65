#include "CScriptedPrompter.h"

QStringList CScriptedPrompter::Messages() const
{
    QStringList messages;
    for (const QString& shown : m_shown) {
        if (!shown.startsWith(QLatin1String("? ")) && !shown.startsWith(QLatin1String("# "))) {
            messages << shown;
        }
    }
    return messages;
}

QStringList CScriptedPrompter::Questions() const
{
    QStringList questions;
    for (const QString& shown : m_shown) {
        if (shown.startsWith(QLatin1String("? "))) {
            questions << shown.mid(2);
        }
    }
    return questions;
}

bool CScriptedPrompter::AskYesNo(const QString& question, Icon icon)
{
    m_shown << QStringLiteral("? ") + question;
    m_questionIcons << icon;
    if (m_answers.empty()) {
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QString CScriptedPrompter::NextFile(const CFileChoice& choice)
{
    m_fileChoices << choice;
    if (m_files.empty()) {
        return QString();
    }
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString CScriptedPrompter::ChooseSaveFile(const CFileChoice& choice)
{
    return NextFile(choice);
}

QString CScriptedPrompter::ChooseOpenFile(const CFileChoice& choice)
{
    return NextFile(choice);
}

std::optional<double> CScriptedPrompter::RunNumberPad(const QString& title, const QString& topLine, double start)
{
    m_shown << QStringLiteral("# %1 | %2 | %3").arg(title, topLine).arg(start);
    if (m_numbers.empty()) {
        return std::nullopt;
    }
    const std::optional<double> value = m_numbers.front();
    m_numbers.pop_front();
    return value;
}

void CScriptedPrompter::BeginProgress(const QString& text, qint64 steps, Cancel)
{
    m_progress << QStringLiteral("begin %1 of %2").arg(text).arg(steps);
    m_steps = 0;
}

bool CScriptedPrompter::StepProgress(qint64 done)
{
    m_progress << QStringLiteral("step %1").arg(done);
    ++m_steps;
    return m_cancelAt == 0 || m_steps < m_cancelAt;
}
