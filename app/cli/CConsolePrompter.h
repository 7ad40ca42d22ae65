#pragma once

#include "CPrompter.h"

#include <QStringList>

#include <deque>

// The prompter of the command line: messages go to stderr; a Yes/No question is answered Yes
// with --yes, asked on the terminal when there is one, and answered No otherwise (saying so).
// File choosers answer with the paths the command was given; the number pad with the values queued.
// Progress shows as a line that counts up on a terminal.
class CConsolePrompter final : public CPrompter
{
public:
    explicit CConsolePrompter(bool assumeYes) : m_assumeYes(assumeYes) {}

    void QueueFile(const QString& path) { m_files.push_back(path); }
    void QueueNumber(double value) { m_numbers.push_back(value); }
    const QStringList& Messages() const { return m_messages; }

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& question, Icon icon) override;
    QString ChooseSaveFile(const CFileChoice& choice) override;
    QString ChooseOpenFile(const CFileChoice& choice) override;
    std::optional<double> RunNumberPad(const QString& title, const QString& topLine, double start) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    // A line on stderr that counts up, when stderr is a terminal; a run is never cancelled here.
    void BeginProgress(const QString& text, qint64 steps, Cancel cancel) override;
    bool StepProgress(qint64 done) override;
    void EndProgress() override;

private:
    QString NextFile();

    bool m_assumeYes;
    std::deque<QString> m_files;
    std::deque<double> m_numbers;
    QStringList m_messages;
    bool m_progressShown = false;
    QString m_progressText;
    qint64 m_progressSteps = 1;
    int m_progressPercent = -1;
};
