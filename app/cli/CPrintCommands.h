#pragma once

#include "CCliCommand.h"

#include <QList>

// A stored sale or purchase as the desktop print link gets it: "job" prints the print job's text,
// "print" sends it to the desktop (QUILLET_PRINT_HOST, QUILLET_PRINT_PORT) and prints the answer.
class CPrintCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Job(CCliContext& context, const CCliArguments& arguments);
    static int Print(CCliContext& context, const CCliArguments& arguments);
};
