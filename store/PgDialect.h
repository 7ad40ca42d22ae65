#pragma once

#include <QString>

class CPgCatalog;

// A statement in SQLite's dialect (what the store's mapping makes of the handheld dialect, or
// what the document writes for its prepared statements) as PostgreSQL runs it on a server book:
// - names are quoted in the spelling the book's tables and columns were created with, since
//   SQLite matches names without regard to case and PostgreSQL folds unquoted ones;
// - "?N" parameters become "$N";
// - "*" becomes the table's columns, so the hidden rowid never shows in "SELECT *";
// - ORDER BY puts nulls first (descending: last), where SQLite has them;
// - CREATE TABLE gets the server's types (TEXT compares without regard to A-Z case, DATETIME
//   holds a timestamp, BIT 0 or 1) and the rowid identity column;
// - SQLite's functions and collations that PostgreSQL lacks get their equivalents.
struct PgStatement
{
    QString sql;
    bool returnsRows = false;
    bool changesSchema = false;
    // The table a CREATE TABLE makes, as the statement names it (quoted or not).
    QString createdTable;
};

// textType and flagType name the server types of TEXT and BIT columns.
PgStatement MapToPostgres(const QString& sql, const CPgCatalog& catalog, const QString& textType,
                          const QString& flagType);

// An identifier in double quotes, inner quotes doubled.
QString PgQuoted(const QString& name);
