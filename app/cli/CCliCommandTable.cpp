#include "CCliCommandTable.h"

#include "CFileCommands.h"
#include "CListCommands.h"

QList<CCliCommand> CCliCommandTable::Commands()
{
    QList<CCliCommand> commands;
    commands << CListCommands::Commands();
    commands << CFileCommands::Commands();
    return commands;
}
