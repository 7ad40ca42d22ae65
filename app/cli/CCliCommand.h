#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CCliArguments;
class CCliContext;

// One command of quillet-cli: its word, its usage line, the options that take no value, what it
// runs (returning the exit code), and the line --help gives it.
struct CCliCommand
{
    QString name;
    QString usage;
    QStringList flags;
    std::function<int(CCliContext&, const CCliArguments&)> run;
    QString description;
    // Only init may create the data file; every other command needs one.
    bool createsDataFile = false;
};
