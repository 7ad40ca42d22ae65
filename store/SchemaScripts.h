#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The six schema scripts of the data file, one statement per line, each line ended by a line
// feed: 1 the Version table; 2 AutoNumber, Categories, Customer; 3 Item, PayeeType; 4 Tax,
// Transaction; 5 TransItem, TransType; 6 Vendor. Every table is dropped, created, indexed on its
// key as [PrimaryKey] and seeded.
constexpr int kSchemaScriptCount = 6;

// The text of script 1 to 6; empty for any other number.
QString SchemaScript(int number);

// One table of the scripts: its columns with their declared types, in order, and the statements
// that create it and its index.
struct SchemaTable
{
    QString name;
    QStringList columns;
    QStringList types;
    QStringList statements;
};

// Every table the scripts create, in script order; read from the scripts themselves so nothing
// can drift from what the program creates.
QList<SchemaTable> SchemaTables();
