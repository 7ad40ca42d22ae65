#pragma once

#include "CCliCommand.h"

#include <QList>

class CCsvWriter;
struct PayeeRecord;

// "init" and "list ...": the start-up load and the document's lists as CSV.
class CListCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Init(CCliContext& context, const CCliArguments& arguments);
    static int List(CCliContext& context, const CCliArguments& arguments);
    static void WritePayees(CCsvWriter& csv, const QList<PayeeRecord>& payees);
};
