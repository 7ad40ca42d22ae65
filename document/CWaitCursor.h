#pragma once

#include "CPrompter.h"

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor
{
public:
    explicit CWaitCursor(CPrompter& prompter) : m_prompter(prompter) { m_prompter.BeginWaitCursor(); }
    ~CWaitCursor() { m_prompter.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CPrompter& m_prompter;
};
