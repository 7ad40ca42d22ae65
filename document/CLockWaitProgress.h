#pragma once

#include <QtGlobal>

class CPrompter;

// What a person sees while another program holds the book's write lock: nothing for about a
// second (most waits end sooner), then "Waiting for another program to finish saving…" with a way
// to cancel. StillWaiting is the store's lock waiter; it is false once the person cancelled.
class CLockWaitProgress
{
public:
    explicit CLockWaitProgress(CPrompter& prompter);
    ~CLockWaitProgress();
    CLockWaitProgress(const CLockWaitProgress&) = delete;
    CLockWaitProgress& operator=(const CLockWaitProgress&) = delete;

    bool StillWaiting(qint64 waitedMs);

    static constexpr qint64 kQuietMs = 1000;

private:
    CPrompter& m_prompter;
    bool m_shown = false;
};
