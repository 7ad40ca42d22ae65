#pragma once

#include "CFileChoice.h"

#include <QString>
#include <QUrl>

#include <functional>

class CInventoryDoc;

// The commands that act on the data file as a whole: reset, backup, restore, and where the help
// page is. Each asks and tells the user through the document's prompter, with the program's texts.
//
// Before the file is copied or rebuilt, beforeFileChange runs (views holding a cursor on the file
// let go of it) and the document's connection is closed. Reset and restore are operations of the
// write path on the open file, so another program with the book open sees the change. After a reset or a restore the
// document has reloaded every list and the identifier counters from the file, so new identifiers
// follow the ones in it; the caller refreshes what it shows.
class CWholeFileCommands
{
public:
    enum class Outcome
    {
        Done,
        Cancelled, // a file chooser was cancelled or the question answered No
        Refused,   // the chosen file cannot serve (not a data file, unreadable, the book itself); nothing was touched
        Failed     // the failure message has been shown
    };

    explicit CWholeFileCommands(CInventoryDoc& doc, std::function<void()> beforeFileChange = {});

    // Recreates every table but Version with its seed rows.
    Outcome ResetDatabase();
    // Copies the data file to a file the user chooses, consistently even while it is being written.
    Outcome BackupDatabase();
    // Replaces the book's contents with a chosen backup after checking that it is one.
    Outcome RestoreDatabase();

    static CFileChoice BackupFileChoice();
    static CFileChoice RestoreFileChoice();
    // The help page at its main contents, beside the program or in the source tree; an empty URL
    // when neither has it.
    static QUrl HelpUrl();

private:
    void ReleaseDataFile();
    bool CopyBackupIntoBook(const QString& source);

    CInventoryDoc& m_doc;
    std::function<void()> m_beforeFileChange;
};
