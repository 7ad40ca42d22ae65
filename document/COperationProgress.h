#pragma once

#include "CDelayedProgress.h"

#include <QElapsedTimer>
#include <QString>

#include <optional>

class CPrompter;

// What a person sees while an operation of the write path runs. The book's connection beats it
// during long statements; after about 300 ms it shows the operation's text without Cancel (a
// write stopped half-way cannot be stopped cleanly) and each beat lets the window paint. A part of
// the operation that counts its own steps and may stop (an import's lines) shows its own progress
// through BeginTask, StepTask and EndTask instead; after it, beats show the operation's text.
class COperationProgress
{
public:
    explicit COperationProgress(CPrompter& prompter) : m_prompter(prompter) {}
    ~COperationProgress() { Finish(); }
    COperationProgress(const COperationProgress&) = delete;
    COperationProgress& operator=(const COperationProgress&) = delete;

    // The outermost operation begins and ends.
    void Start(const QString& text);
    void Finish();
    void Beat();

    void BeginTask(const QString& text, qint64 steps);
    // False once the person asked to stop.
    bool StepTask(qint64 done);
    void EndTask();

private:
    CPrompter& m_prompter;
    QString m_text;
    QElapsedTimer m_clock;
    std::optional<CDelayedProgress> m_writing;
    bool m_inTask = false;
};
