#include "CCliCommandTable.h"

#include "CListCommands.h"
#include "CPostingCommands.h"

QList<CCliCommand> CCliCommandTable::Commands()
{
    QList<CCliCommand> commands;
    commands << CListCommands::Commands();
    commands << CPostingCommands::Commands();
    return commands;
}
