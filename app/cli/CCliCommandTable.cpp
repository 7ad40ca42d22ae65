#include "CCliCommandTable.h"

#include "CListCommands.h"

QList<CCliCommand> CCliCommandTable::Commands()
{
    QList<CCliCommand> commands;
    commands << CListCommands::Commands();
    return commands;
}
