#include "CFileCommands.h"

#include "BookAddress.h"
#include "CBookCopy.h"
#include "CCliArguments.h"
#include "CCliContext.h"
#include "CDbConnection.h"
#include "CWholeFileCommands.h"

namespace {

const QString kBackupUsage = QStringLiteral("backup FILE");
const QString kRestoreUsage = QStringLiteral("restore FILE");
const QString kResetUsage = QStringLiteral("reset");
const QString kCopyBookUsage = QStringLiteral("copy-book FROM TO");

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
        {QStringLiteral("copy-book"),
         kCopyBookUsage,
         {},
         &CFileCommands::CopyBook,
         QStringLiteral("Copies the whole book FROM (a data file or postgresql:// URI) into TO, which must be new or "
                        "empty."),
         true},
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

// Every table, row and counter in one transaction on the target, the row counts checked; a target
// that holds a book already is refused rather than mixed with the copy.
int CFileCommands::CopyBook(CCliContext& context, const CCliArguments& arguments)
{
    if (arguments.Positional().size() != 2) {
        return context.Usage(kCopyBookUsage);
    }
    const QString source = arguments.Positional(0);
    const QString target = arguments.Positional(1);
    CDbConnection from(source);
    CDbConnection to(target);
    if (from.BookPresence() != CDbConnection::Presence::Present) {
        return context.Fail(
            QStringLiteral("copy-book: no book at %1%2")
                .arg(ShownBookAddress(source), from.LastError().isEmpty() ? QString() : ": " + from.LastError()));
    }
    switch (to.BookPresence()) {
    case CDbConnection::Presence::Present:
        return context.Fail(QStringLiteral("copy-book: %1 holds a book already; the copy goes only into a new or "
                                           "empty one")
                                .arg(ShownBookAddress(target)));
    case CDbConnection::Presence::Unreachable:
        return context.Fail(
            QStringLiteral("copy-book: cannot open %1: %2").arg(ShownBookAddress(target), to.LastError()));
    case CDbConnection::Presence::Missing:
        break;
    }
    to.Close();
    // The source is read in one state, its counters and rows together, while other programs post:
    // under a file's write lock, in one snapshot of a server book.
    if (!from.BeginSnapshot()) {
        return context.Fail(
            QStringLiteral("copy-book: %1; %2 was not changed").arg(from.LastError(), ShownBookAddress(target)));
    }
    const bool created = to.CreateDatabase(target);
    CBookCopy copy(from, to);
    const bool copied = to.BeginOperation() && copy.CopyTables() && to.CommitOperation();
    from.RollbackOperation();
    if (!copied) {
        const QString reason = copy.Error().isEmpty() ? to.LastError() : copy.Error();
        to.RollbackOperation();
        to.Close();
        if (created) {
            to.DiscardDatabase(target);
        }
        return context.Fail(QStringLiteral("copy-book: %1; %2 was not changed").arg(reason, ShownBookAddress(target)));
    }
    return 0;
}
