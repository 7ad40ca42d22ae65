#pragma once

#include "CCliCommand.h"

#include <QList>

// Every command quillet-cli knows, gathered from the subsystems' command groups.
class CCliCommandTable
{
public:
    static QList<CCliCommand> Commands();
};
