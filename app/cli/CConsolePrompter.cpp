#include "CConsolePrompter.h"

#include <QTextStream>

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
