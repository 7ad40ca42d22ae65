#include "CLockWaitProgress.h"

#include "CPrompter.h"

CLockWaitProgress::CLockWaitProgress(CPrompter& prompter) : m_prompter(prompter) {}

CLockWaitProgress::~CLockWaitProgress()
{
    if (m_shown) {
        m_prompter.EndProgress();
    }
}

bool CLockWaitProgress::StillWaiting(qint64 waitedMs)
{
    if (waitedMs < kQuietMs) {
        return true;
    }
    if (!m_shown) {
        m_shown = true;
        // No number of steps: nobody knows how long the other program takes.
        m_prompter.BeginProgress(QStringLiteral("Waiting for another program to finish saving…"), 0);
    }
    return m_prompter.StepProgress(waitedMs);
}
