#pragma once

#include "CCliCommand.h"
#include "CPayeeSetup.h"

#include <QList>

// Customers, vendors and the own company from the command line, through the same operations the
// setup dialogs use: "customer", "vendor" and "company".
class CPayeeCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Payee(CCliContext& context, const CCliArguments& arguments, CPayeeSetup::Kind kind);
    static int Company(CCliContext& context, const CCliArguments& arguments);
    // The texts given as options replace the record's.
    static void TakeOptions(const CCliArguments& arguments, PayeeRecord& payee);
};
