#pragma once

#include "CCliCommand.h"

#include <QList>

class CTransactionForm;

// Postings from the command line: "sale", "purchase", "adjust", "adjustment set",
// "transaction delete", and the "register" of every stock movement.
class CPostingCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Sale(CCliContext& context, const CCliArguments& arguments);
    static int Purchase(CCliContext& context, const CCliArguments& arguments);
    static int PostTransaction(CCliContext& context, const CCliArguments& arguments, int32_t transType);
    static bool AddLine(CCliContext& context, CTransactionForm& form, const QString& text);
    static int Adjust(CCliContext& context, const CCliArguments& arguments);
    static int Adjustment(CCliContext& context, const CCliArguments& arguments);
    static int Transaction(CCliContext& context, const CCliArguments& arguments);
    static int Register(CCliContext& context, const CCliArguments& arguments);
};
