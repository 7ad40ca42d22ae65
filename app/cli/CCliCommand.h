#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CCliArguments;
class CCliContext;

// One command of quillet-cli: its word, its usage line, the options that take no value, and what
// it runs (returning the exit code).
struct CCliCommand
{
    QString name;
    QString usage;
    QStringList flags;
    std::function<int(CCliContext&, const CCliArguments&)> run;
};
