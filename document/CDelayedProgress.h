#pragma once

#include "CPrompter.h"

#include <QString>

// A progress that stays out of sight while most waits and writes are already over, then shows its
// text: nothing for the first quietMs, then a bar without steps (nobody knows how long it takes).
// Step is called now and then with the milliseconds gone by; it lets the window paint and is
// false once the person cancelled. The progress ends with this object.
class CDelayedProgress
{
public:
    CDelayedProgress(CPrompter& prompter, QString text, qint64 quietMs, CPrompter::Cancel cancel);
    ~CDelayedProgress();
    CDelayedProgress(const CDelayedProgress&) = delete;
    CDelayedProgress& operator=(const CDelayedProgress&) = delete;

    bool Step(qint64 elapsedMs);
    bool Shown() const { return m_shown; }

    // Waiting for another program's write lock: most waits end within a second.
    static constexpr qint64 kLockWaitQuietMs = 1000;
    // A write of the book's own: a person notices a pause of a few hundred milliseconds.
    static constexpr qint64 kWriteQuietMs = 300;

private:
    CPrompter& m_prompter;
    QString m_text;
    qint64 m_quietMs;
    CPrompter::Cancel m_cancel;
    bool m_shown = false;
};
