#include "CCliCommandTable.h"

#include "CCatalogueCommands.h"
#include "CListCommands.h"
#include "CPostingCommands.h"

QList<CCliCommand> CCliCommandTable::Commands()
{
    QList<CCliCommand> commands;
    commands << CListCommands::Commands();
    commands << CPostingCommands::Commands();
    commands << CCatalogueCommands::Commands();
    return commands;
}
