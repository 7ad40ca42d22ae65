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

QList<CCliCommandTable::GlobalOption> CCliCommandTable::GlobalOptions()
{
    return {
        {QStringLiteral("--data FILE"),
         QStringLiteral("the data file, or postgresql://USER@HOST:PORT/DB for a book shared on a server (default: "
                        "$QUILLET_DATA, else <documents>/Quillet.cdb; QUILLET_DOCUMENTS sets <documents>)")},
        {QStringLiteral("--yes"), QStringLiteral("answer every Yes/No question with Yes")},
        {QStringLiteral("--wait SECONDS"),
         QStringLiteral("how long a change waits for another program that is saving to the book (default 300)")},
        {QStringLiteral("--help"), QStringLiteral("this text")},
    };
}

QString CCliCommandTable::Synopsis()
{
    return QStringLiteral("quillet-cli [--data FILE] [--yes] [--wait SECONDS] COMMAND ...");
}
