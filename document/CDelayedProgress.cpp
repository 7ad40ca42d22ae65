#include "CDelayedProgress.h"

#include <utility>

CDelayedProgress::CDelayedProgress(CPrompter& prompter, QString text, qint64 quietMs, CPrompter::Cancel cancel)
    : m_prompter(prompter), m_text(std::move(text)), m_quietMs(quietMs), m_cancel(cancel)
{}

CDelayedProgress::~CDelayedProgress()
{
    if (m_shown) {
        m_prompter.EndProgress();
    }
}

bool CDelayedProgress::Step(qint64 elapsedMs)
{
    if (elapsedMs < m_quietMs) {
        return true;
    }
    if (!m_shown) {
        m_shown = true;
        m_prompter.BeginProgress(m_text, 0, m_cancel);
    }
    return m_prompter.StepProgress(elapsedMs) || m_cancel == CPrompter::Cancel::NotOffered;
}
