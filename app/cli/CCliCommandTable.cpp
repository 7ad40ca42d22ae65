#include "CCliCommandTable.h"

#include "CCatalogueCommands.h"
#include "CFileCommands.h"
#include "CListCommands.h"
#include "CPostingCommands.h"
#include "CPrintCommands.h"

QList<CCliCommand> CCliCommandTable::Commands()
{
    QList<CCliCommand> commands;
    commands << CListCommands::Commands();
    commands << CPostingCommands::Commands();
    commands << CPrintCommands::Commands();
    commands << CCatalogueCommands::Commands();
    commands << CFileCommands::Commands();
    return commands;
}
