// What a person sees of a long operation: nothing while it is short, then its text without Cancel;
// a part that counts its own steps (an import's lines) shows only its own progress while it runs.

#include "COperationProgress.h"
#include "CScriptedPrompter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

void WaitPastTheQuietTime()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(CDelayedProgress::kWriteQuietMs + 20));
}

// The progress lines with the numbers of steps, which count milliseconds, left out.
QStringList Shown(const CScriptedPrompter& prompter)
{
    QStringList lines;
    for (const QString& line : prompter.Progress()) {
        lines << (line.startsWith(QLatin1String("step ")) ? QStringLiteral("step") : line);
    }
    return lines;
}

TEST(OperationProgress, AShortOperationShowsNothingAndALongOneItsTextUntilItEnds)
{
    CScriptedPrompter prompter;
    COperationProgress progress(prompter);
    progress.Start(QStringLiteral("Saving…"));
    progress.Beat();
    progress.Finish();
    EXPECT_TRUE(prompter.Progress().isEmpty());

    progress.Start(QStringLiteral("Restoring the database…"));
    progress.Beat();
    WaitPastTheQuietTime();
    progress.Beat();
    progress.Beat();
    progress.Finish();
    progress.Beat();
    EXPECT_EQ(Shown(prompter), (QStringList{"begin Restoring the database… of 0", "step", "step", "end"}));
}

TEST(OperationProgress, ATaskShowsItsOwnStepsAloneAndTheOperationsTextFollowsIt)
{
    CScriptedPrompter prompter;
    prompter.CancelProgressAt(2);
    COperationProgress progress(prompter);
    progress.Start(QStringLiteral("Saving…"));
    progress.BeginTask(QStringLiteral("Importing products ...."), 300);
    WaitPastTheQuietTime();
    EXPECT_TRUE(progress.StepTask(100));
    progress.Beat();
    EXPECT_FALSE(progress.StepTask(200));
    progress.EndTask();
    // The re-derivation before the commit: the operation is long already.
    progress.Beat();
    progress.Finish();
    EXPECT_EQ(prompter.Progress().mid(0, 4),
              (QStringList{"begin Importing products .... of 300", "step 100", "step 200", "end"}));
    EXPECT_EQ(Shown(prompter).mid(4), (QStringList{"begin Saving… of 0", "step", "end"}));
}

} // namespace
