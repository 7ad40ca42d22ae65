#include "COperationProgress.h"

void COperationProgress::Start(const QString& text)
{
    m_text = text;
    m_clock.start();
    m_writing.emplace(m_prompter, m_text, CDelayedProgress::kWriteQuietMs, CPrompter::Cancel::NotOffered);
}

void COperationProgress::Finish()
{
    m_writing.reset();
    if (m_inTask) {
        m_inTask = false;
        m_prompter.EndProgress();
    }
}

// A task steps its own progress often enough; a beat then would only disturb its count.
void COperationProgress::Beat()
{
    if (m_writing && !m_inTask) {
        m_writing->Step(m_clock.elapsed());
    }
}

void COperationProgress::BeginTask(const QString& text, qint64 steps)
{
    m_writing.reset();
    m_inTask = true;
    m_prompter.BeginProgress(text, steps, CPrompter::Cancel::Offered);
}

bool COperationProgress::StepTask(qint64 done)
{
    return m_prompter.StepProgress(done);
}

void COperationProgress::EndTask()
{
    if (!m_inTask) {
        return;
    }
    m_inTask = false;
    m_prompter.EndProgress();
    // What follows (a re-derivation before the commit) shows the operation's own text at once.
    if (m_clock.isValid()) {
        m_writing.emplace(m_prompter, m_text, CDelayedProgress::kWriteQuietMs, CPrompter::Cancel::NotOffered);
    }
}
