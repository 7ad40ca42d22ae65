#pragma once

#include "CCliCommand.h"

#include <QList>
#include <QString>

// Every command quillet-cli knows, gathered from the subsystems' command groups, and the options
// that come before any command. --help and the manual page are both written from this table.
class CCliCommandTable
{
public:
    struct GlobalOption
    {
        QString name;
        QString description;
    };

    static QList<CCliCommand> Commands();
    static QList<GlobalOption> GlobalOptions();
    static QString Synopsis();
};
