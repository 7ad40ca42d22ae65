#pragma once

#include "CCliCommand.h"

#include <QList>

// "backup FILE", "restore FILE" and "reset": the whole-file commands of the window, with the file
// given on the command line in place of the file chooser; and "copy-book FROM TO", which moves a
// whole book between a file and a server (or between two of either).
class CFileCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Backup(CCliContext& context, const CCliArguments& arguments);
    static int Restore(CCliContext& context, const CCliArguments& arguments);
    static int Reset(CCliContext& context, const CCliArguments& arguments);
    static int CopyBook(CCliContext& context, const CCliArguments& arguments);
};
