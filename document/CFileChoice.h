#pragma once

#include <QString>

// What a file chooser offers: the suggested name, the extension added when the user types none,
// the filter ("Backup Files (*.bak)"), and whether to confirm overwriting or require an existing file.
struct CFileChoice
{
    QString title;
    QString suggestedName;
    QString defaultExtension;
    QString filter;
    bool confirmOverwrite = false;
    bool mustExist = false;
};
