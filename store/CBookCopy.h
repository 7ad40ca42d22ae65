#pragma once

#include <QString>
#include <QtGlobal>

class CDbConnection;

// Copies a whole book, table by table, from one connection to another, whichever engines hold
// them: every table the schema scripts create, with its columns, its index, every row and each
// row's rowid (so rows that tie in date keep their order). The target's table is replaced; a
// table the source lacks is dropped from the target. Rows stream from one store into the other
// (a server's COPY each way), and a table's index is built after its rows are in.
//
// Runs inside the caller's operation on the target, which rolls back when CopyTables fails.
class CBookCopy
{
public:
    CBookCopy(CDbConnection& from, CDbConnection& to) : m_from(from), m_to(to) {}

    // False, with Error(), when the source's columns differ from the schema's, a statement fails,
    // the rows read, the rows the target took and the source's count of a table are not all one
    // number, the target's row count differs from the source's afterwards, or the copy's transaction
    // counter is below its largest transaction. The caller reads the source in one state.
    bool CopyTables();
    const QString& Error() const { return m_error; }

private:
    bool CopyTable(const struct SchemaTable& table);
    bool CopyRows(const struct SchemaTable& table, qint64 sourceRows);
    bool CountersCoverRows();
    bool Fail(const QString& error);

    CDbConnection& m_from;
    CDbConnection& m_to;
    QString m_error;
};
