#include "CFileCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CWholeFileCommands.h"

namespace {

const QString kBackupUsage = QStringLiteral("backup FILE");
const QString kRestoreUsage = QStringLiteral("restore FILE");
const QString kResetUsage = QStringLiteral("reset");

// The commands have shown their message (on stderr); anything but Done is a failed run.
int ExitCode(CWholeFileCommands::Outcome outcome)
{
    return outcome == CWholeFileCommands::Outcome::Done ? 0 : CCliContext::kFailed;
}

} // namespace

QList<CCliCommand> CFileCommands::Commands()
{
    return {
        {QStringLiteral("backup"),
         kBackupUsage,
         {},
         &CFileCommands::Backup,
         QStringLiteral("Copies the book to FILE (replacing it), consistently even while another program writes.")},
        {QStringLiteral("restore"),
         kRestoreUsage,
         {},
         &CFileCommands::Restore,
         QStringLiteral("Asks, then replaces the book's contents with the backup FILE.")},
        {QStringLiteral("reset"),
         kResetUsage,
         {},
         &CFileCommands::Reset,
         QStringLiteral("Asks, then erases every record and brings back the seed rows.")},
    };
}

int CFileCommands::Backup(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional().size() != 1) {
        return context.Usage(kBackupUsage);
    }
    context.Prompter().QueueFile(arguments.Positional(0));
    return ExitCode(CWholeFileCommands(context.Doc()).BackupDatabase());
}

int CFileCommands::Restore(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional().size() != 1) {
        return context.Usage(kRestoreUsage);
    }
    context.Prompter().QueueFile(arguments.Positional(0));
    return ExitCode(CWholeFileCommands(context.Doc()).RestoreDatabase());
}

int CFileCommands::Reset(CCliContext& context, const CCliArguments& arguments)
{
    if (!arguments.Positional().isEmpty()) {
        return context.Usage(kResetUsage);
    }
    context.LoadCatalogue(false);
    return ExitCode(CWholeFileCommands(context.Doc()).ResetDatabase());
}
