#pragma once

#include "ColumnValue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <libpq-fe.h>

// The result columns of a statement on a server book: names, kinds and where each comes from.
struct PgColumns
{
    QStringList names;
    QList<ColumnKind> kinds;
    QStringList tables;
    QStringList origins;
    QList<Oid> types;
};
