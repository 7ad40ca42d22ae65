#include "CWholeFileCommands.h"

#include "CBookCopy.h"
#include "CDbConnection.h"
#include "CDelayedProgress.h"
#include "CDocOperation.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "DataFileCopy.h"
#include "DataFilePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kBackupFilter = QStringLiteral("Backup Files (*.bak)");
const QString kHelpFileName = QStringLiteral("quillet.htm");
} // namespace

CWholeFileCommands::CWholeFileCommands(CInventoryDoc& doc, std::function<void()> beforeFileChange)
    : m_doc(doc), m_beforeFileChange(std::move(beforeFileChange))
{}

void CWholeFileCommands::ReleaseDataFile()
{
    if (m_beforeFileChange) {
        m_beforeFileChange();
    }
    m_doc.Connection().Close();
}

CWholeFileCommands::Outcome CWholeFileCommands::ResetDatabase()
{
    if (!m_doc.Prompter().AskYesNo(QStringLiteral("Reset database will erase all records,continue?"),
                                   CPrompter::Icon::Warning)) {
        return Outcome::Cancelled;
    }
    ReleaseDataFile();
    // RunSchemaScripts has shown its own message when it fails.
    if (!m_doc.RunSchemaScripts(false)) {
        return Outcome::Failed;
    }
    m_doc.Prompter().ShowMessage(QStringLiteral("The new database has been created"));
    return Outcome::Done;
}

CWholeFileCommands::Outcome CWholeFileCommands::BackupDatabase()
{
    const QString target = m_doc.Prompter().ChooseSaveFile(BackupFileChoice());
    if (target.isEmpty()) {
        return Outcome::Cancelled;
    }
    // Copying over the data file or its journal would leave no backup and could damage the book;
    // replacing a device or a folder would be worse.
    const QString refusal = BackupTargetRefusal(m_doc.DataFilePath(), target);
    if (!refusal.isEmpty()) {
        m_doc.Prompter().ShowMessage(refusal);
        return Outcome::Refused;
    }
    ReleaseDataFile();
    bool copied = false;
    {
        // A large book takes seconds to copy: the window keeps painting, under a progress.
        QElapsedTimer clock;
        clock.start();
        CDelayedProgress progress(m_doc.Prompter(), QStringLiteral("Backing up the database…"),
                                  CDelayedProgress::kWriteQuietMs, CPrompter::Cancel::NotOffered);
        copied = BackUpBook(m_doc.Connection(), BackupWritePath(target), [&] { progress.Step(clock.elapsed()); });
    }
    if (!copied) {
        m_doc.Prompter().ShowMessage(QStringLiteral("The database backup has been failed !!"));
        return Outcome::Failed;
    }
    m_doc.Prompter().ShowMessage(QStringLiteral("The database has been backuped!"));
    return Outcome::Done;
}

// The backup's tables replace the book's inside one operation of the write path, on the book
// every program has open: replacing the file itself would leave another program writing to the
// old one, and a failure half-way would leave half a book.
bool CWholeFileCommands::CopyBackupIntoBook(const QString& source)
{
    CDbConnection backup(source);
    CDocOperation operation(m_doc, QStringLiteral("Restoring the database…"));
    // Reading the backup takes as long as writing the book, under the same progress.
    backup.SetHeartbeat([this] { m_doc.OperationProgress().Beat(); });
    return operation.Started() && CBookCopy(backup, m_doc.Connection()).CopyTables() && operation.Commit();
}

CWholeFileCommands::Outcome CWholeFileCommands::RestoreDatabase()
{
    CPrompter& prompter = m_doc.Prompter();
    const QString source = prompter.ChooseOpenFile(RestoreFileChoice());
    if (source.isEmpty()) {
        return Outcome::Cancelled;
    }
    if (!QFile(source).open(QIODevice::ReadOnly)) {
        prompter.ShowMessage(QStringLiteral("\"%1\" cannot be read. The database has not been changed.")
                                 .arg(QDir::toNativeSeparators(source)));
        return Outcome::Refused;
    }
    // Copying any other file over the book would lose it: refuse before asking.
    if (!IsQuilletDataFile(source)) {
        prompter.ShowMessage(QStringLiteral("\"%1\" is not a Quillet database backup. The database has not been "
                                            "changed.")
                                 .arg(QDir::toNativeSeparators(source)));
        return Outcome::Refused;
    }
    if (!prompter.AskYesNo(QStringLiteral("Are you sure to restore the database backup over the current database?"),
                           CPrompter::Icon::Warning)) {
        return Outcome::Cancelled;
    }
    ReleaseDataFile();
    const bool restored = CopyBackupIntoBook(source);
    // The lists and counters in memory describe the old contents; new identifiers must follow the
    // restored ones (and after a failure, the book as it still is).
    m_doc.ReloadCatalogue();
    if (!restored) {
        prompter.ShowMessage(QStringLiteral("The database restore has been failed !!"));
        return Outcome::Failed;
    }
    prompter.ShowMessage(QStringLiteral("The database has been restored!"));
    return Outcome::Done;
}

CFileChoice CWholeFileCommands::BackupFileChoice()
{
    CFileChoice choice;
    choice.title = QStringLiteral("Backup Database");
    choice.suggestedName = QDir(DocumentsFolder()).filePath(QStringLiteral("quillet"));
    choice.defaultExtension = QStringLiteral("bak");
    choice.filter = kBackupFilter;
    choice.confirmOverwrite = true;
    return choice;
}

CFileChoice CWholeFileCommands::RestoreFileChoice()
{
    CFileChoice choice;
    choice.title = QStringLiteral("Restore Database");
    choice.suggestedName = DocumentsFolder();
    choice.defaultExtension = QStringLiteral("bak");
    choice.filter = kBackupFilter;
    choice.mustExist = true;
    return choice;
}

QUrl CWholeFileCommands::HelpUrl()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QStringList candidates = {programFolder.filePath(kHelpFileName),
                                    programFolder.filePath(QStringLiteral(QUILLET_HELP_FROM_BINDIR))};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            QUrl url = QUrl::fromLocalFile(QFileInfo(candidate).absoluteFilePath());
            url.setFragment(QStringLiteral("Main_Contents"));
            return url;
        }
    }
    return QUrl();
}
