#pragma once

#include "CCliCommand.h"

#include <QDate>
#include <QList>

#include <optional>

// "report KIND": one of the six reports written as its CSV file, to stdout or to --out FILE.
class CReportCommands
{
public:
    static QList<CCliCommand> Commands();

private:
    static int Report(CCliContext& context, const CCliArguments& arguments);
    static std::optional<QDate> ParseDay(const QString& text);
};
