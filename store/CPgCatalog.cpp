#include "CPgCatalog.h"

void CPgCatalog::Clear()
{
    m_tables.clear();
    m_byName.clear();
    m_spellings.clear();
    m_indexes.clear();
}

void CPgCatalog::AddColumn(quint32 tableId, const QString& table, int number, const QString& column, ColumnKind kind)
{
    Table& entry = m_tables[tableId];
    entry.name = table;
    m_byName.insert(table.toLower(), tableId);
    m_spellings.insert(table.toLower(), table);
    entry.byNumber.insert(number, column);
    if (column == kRowId) {
        return;
    }
    entry.columns << column;
    entry.kinds << kind;
    m_spellings.insert(column.toLower(), column);
}

const CPgCatalog::Table* CPgCatalog::Find(const QString& name) const
{
    const auto id = m_byName.constFind(name.toLower());
    return id == m_byName.constEnd() ? nullptr : FindById(*id);
}

const CPgCatalog::Table* CPgCatalog::FindById(quint32 tableId) const
{
    const auto table = m_tables.constFind(tableId);
    return table == m_tables.constEnd() ? nullptr : &*table;
}

QString CPgCatalog::Canonical(const QString& name) const
{
    return m_spellings.value(name.toLower(), name);
}

QSet<QString> CPgCatalog::DateTimeColumns() const
{
    QSet<QString> columns;
    for (const Table& table : m_tables) {
        for (int i = 0; i < table.columns.size(); ++i) {
            if (table.kinds[i] == ColumnKind::DateTime) {
                columns.insert(table.columns[i].toLower());
            }
        }
    }
    return columns;
}

ColumnKind CPgCatalog::KindOf(const Table& table, const QString& column)
{
    const qsizetype index = table.columns.indexOf(column);
    return index >= 0 ? table.kinds[index] : ColumnKind::Integer;
}

QStringList CPgCatalog::TableNames() const
{
    QStringList names;
    for (const Table& table : m_tables) {
        names << table.name;
    }
    names.sort();
    return names;
}
