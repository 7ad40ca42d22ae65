#pragma once

#include "ColumnValue.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The tables of a server book as the dialect mapping and the cursors need them: each table's
// columns in order (without the hidden rowid) with their kinds, by name and by the server's
// table identifier, and the exact spelling of every name.
class CPgCatalog
{
public:
    struct Table
    {
        QString name;
        QStringList columns;
        QList<ColumnKind> kinds;
        // Server column number (attnum) to column name, rowid included.
        QHash<int, QString> byNumber;
    };

    // Forgets the tables; the schema stays.
    void Clear();
    // The schema the book lives in; statements that must not reach another name it.
    void SetSchema(const QString& schema) { m_schema = schema; }
    const QString& Schema() const { return m_schema; }
    // Adds one column of a table (in column order); the rowid column only names itself.
    void AddColumn(quint32 tableId, const QString& table, int number, const QString& column, ColumnKind kind);
    void AddIndex(const QString& name) { m_indexes.insert(name.toLower()); }

    const Table* Find(const QString& name) const;
    const Table* FindById(quint32 tableId) const;
    // The spelling a table or column name was created with, or the name itself when unknown.
    QString Canonical(const QString& name) const;
    bool Knows(const QString& name) const { return m_spellings.contains(name.toLower()); }
    bool HasIndex(const QString& name) const { return m_indexes.contains(name.toLower()); }
    bool HasTable(const QString& name) const { return Find(name) != nullptr; }
    QStringList TableNames() const;
    // The kind of a column of a table (the rowid is an integer).
    static ColumnKind KindOf(const Table& table, const QString& column);
    // Lower-case names of the date-time columns.
    QSet<QString> DateTimeColumns() const;

    // The hidden column every table of a server book carries: its row identity.
    static inline const QString kRowId = QStringLiteral("rowid");

private:
    QString m_schema;
    QHash<quint32, Table> m_tables;
    QHash<QString, quint32> m_byName;
    QHash<QString, QString> m_spellings;
    QSet<QString> m_indexes;
};
