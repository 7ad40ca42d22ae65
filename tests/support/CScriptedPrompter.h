#pragma once

#include "CPrompter.h"

#include <QStringList>

#include <deque>

// A prompter for tests: records every message and question in order, answers questions from a
// queue (No when it is empty), file choosers and the number pad likewise (cancel when empty).
class CScriptedPrompter final : public CPrompter
{
public:
    void AnswerYes(int times = 1) { m_answers.insert(m_answers.end(), times, true); }
    void AnswerNo(int times = 1) { m_answers.insert(m_answers.end(), times, false); }
    void AnswerFile(const QString& path) { m_files.push_back(path); }
    void AnswerNumber(std::optional<double> value) { m_numbers.push_back(value); }

    // Everything shown, in order: messages as they read, questions prefixed with "? ", number pad
    // runs as "# title | top line | start".
    const QStringList& Shown() const { return m_shown; }
    // The message boxes alone.
    QStringList Messages() const;
    QStringList Questions() const;
    // The icon of each question, in order.
    const QList<Icon>& QuestionIcons() const { return m_questionIcons; }
    void Clear()
    {
        m_shown.clear();
        m_questionIcons.clear();
    }
    int WaitDepth() const { return m_waitDepth; }
    const QList<CFileChoice>& FileChoices() const { return m_fileChoices; }

    void ShowMessage(const QString& text) override { m_shown << text; }
    bool AskYesNo(const QString& question, Icon icon) override;
    QString ChooseSaveFile(const CFileChoice& choice) override;
    QString ChooseOpenFile(const CFileChoice& choice) override;
    std::optional<double> RunNumberPad(const QString& title, const QString& topLine, double start) override;
    void BeginWaitCursor() override { ++m_waitDepth; }
    void EndWaitCursor() override { --m_waitDepth; }

    // Progress as it was reported: "begin TEXT of STEPS", "step DONE", "end".
    const QStringList& Progress() const { return m_progress; }
    // The nth step (counting from 1) and every later one answer "cancel".
    void CancelProgressAt(int step) { m_cancelAt = step; }
    void BeginProgress(const QString& text, qint64 steps, Cancel cancel) override;
    bool StepProgress(qint64 done) override;
    void EndProgress() override { m_progress << QStringLiteral("end"); }

private:
    QString NextFile(const CFileChoice& choice);

    QStringList m_shown;
    QList<Icon> m_questionIcons;
    std::deque<bool> m_answers;
    std::deque<QString> m_files;
    std::deque<std::optional<double>> m_numbers;
    QList<CFileChoice> m_fileChoices;
    int m_waitDepth = 0;
    QStringList m_progress;
    int m_steps = 0;
    int m_cancelAt = 0;
};
