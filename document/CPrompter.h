#pragma once

#include "CFileChoice.h"

#include <QString>

#include <optional>

// Everything the program asks of or tells the user goes through here: message boxes with an OK
// button, Yes/No questions, file choosers, the number pad, the wait cursor and the progress of
// long tasks. The programs show real dialogs; tests script the answers and record what was shown.
class CPrompter
{
public:
    enum class Icon
    {
        Information,
        Question,
        // A question whose Yes destroys something: the answer No is the default, so a hasty
        // Enter keeps what the question names.
        Warning
    };

    virtual ~CPrompter() = default;

    virtual void ShowMessage(const QString& text) = 0;
    // True only for Yes.
    virtual bool AskYesNo(const QString& question, Icon icon) = 0;
    // The chosen path; empty when the user cancels.
    virtual QString ChooseSaveFile(const CFileChoice& choice) = 0;
    virtual QString ChooseOpenFile(const CFileChoice& choice) = 0;
    // The number confirmed on the pad; nothing when cancelled.
    virtual std::optional<double> RunNumberPad(const QString& title, const QString& topLine, double start) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Whether a progress offers a way to stop: only where stopping leaves the book as it was or
    // says what it kept (a write half-way through cannot be stopped).
    enum class Cancel
    {
        Offered,
        NotOffered
    };

    // A long task's progress: Begin with the number of steps (0 when nobody knows how many), then
    // StepProgress(done) now and then, which lets the window paint and returns false once the
    // user asked to cancel, then EndProgress. A prompter that shows no progress lets the task run
    // to its end.
    virtual void BeginProgress(const QString& text, qint64 steps, Cancel cancel)
    {
        Q_UNUSED(text);
        Q_UNUSED(steps);
        Q_UNUSED(cancel);
    }
    virtual bool StepProgress(qint64 done)
    {
        Q_UNUSED(done);
        return true;
    }
    virtual void EndProgress() {}
};
