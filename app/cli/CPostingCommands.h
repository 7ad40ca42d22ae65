#pragma once

#include "CCliCommand.h"
#include "TransactionLine.h"

#include <QList>

#include <optional>

struct ItemRecord;

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
    static std::optional<TransactionLine> ParseLine(CCliContext& context, const QString& text, int32_t transType);
    static int Adjust(CCliContext& context, const CCliArguments& arguments);
    static int Adjustment(CCliContext& context, const CCliArguments& arguments);
    static int Transaction(CCliContext& context, const CCliArguments& arguments);
    static int Register(CCliContext& context, const CCliArguments& arguments);
};
