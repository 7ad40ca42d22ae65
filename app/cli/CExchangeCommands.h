#pragma once

#include "CCliCommand.h"

#include <QList>

// "import LIST FILE" and "export LIST FILE": the File menu's CSV exchange of the customer, vendor
// and product lists, with the file given on the command line in place of the file chooser.
class CExchangeCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Import(CCliContext& context, const CCliArguments& arguments);
    static int Export(CCliContext& context, const CCliArguments& arguments);
};
