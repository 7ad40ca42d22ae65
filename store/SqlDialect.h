#pragma once

#include <QSet>
#include <QString>

// Maps a statement written in the handheld store's dialect to SQLite's:
// - a bare table name as the source becomes "SELECT * FROM [name]";
// - "CREATE DATABASE '<path>'" is recognised and carried as a path (the caller creates the file);
// - table names that are SQL keywords ("Transaction") are bracketed;
// - double-quoted text values become single-quoted ones;
// - TEXT columns of a CREATE TABLE compare without regard to letter case, as names do everywhere;
// - index names get their table's name appended, because SQLite's are unique per file;
// - a date literal compared with a date-time column ("TransDate>='2026/1/9'") is rewritten to
//   the stored form "2026-01-09 00:00:00".
// Text inside single quotes is never changed otherwise.
struct SqlMapping
{
    enum class Kind
    {
        Statement,
        CreateDatabase
    };
    Kind kind = Kind::Statement;
    QString sql;
    QString databasePath;
};

SqlMapping MapToSqlite(const QString& statement, const QSet<QString>& dateTimeColumns);
