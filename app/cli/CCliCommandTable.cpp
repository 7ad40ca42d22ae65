#include "CCliCommandTable.h"

#include "CCatalogueCommands.h"
#include "CExchangeCommands.h"
#include "CFileCommands.h"
#include "CListCommands.h"
#include "CPayeeCommands.h"
#include "CPostingCommands.h"
#include "CPrintCommands.h"
#include "CReportCommands.h"

QList<CCliCommand> CCliCommandTable::Commands()
{
    QList<CCliCommand> commands;
    commands << CListCommands::Commands();
    commands << CPostingCommands::Commands();
    commands << CPrintCommands::Commands();
    commands << CCatalogueCommands::Commands();
    commands << CPayeeCommands::Commands();
    commands << CFileCommands::Commands();
    commands << CReportCommands::Commands();
    commands << CExchangeCommands::Commands();
    return commands;
}
