#pragma once

#include "CDbConnection.h"
#include "CDbVariant.h"
#include "CInventoryDoc.h"
#include "CScriptedPrompter.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A book of its own (a data file in a temporary folder, or a database on the test server, see
// TestBooks.h), with a connection, a scripted prompter and a document over it. Created empty (no
// file, no database) unless asked to install the schema; a server book is removed at the end.
class CTestBook
{
public:
    enum class Start
    {
        NoFile,
        Installed
    };
    explicit CTestBook(Start start = Start::Installed);
    ~CTestBook();
    CTestBook(const CTestBook&) = delete;
    CTestBook& operator=(const CTestBook&) = delete;

    QString Path() const { return m_path; }
    QString FolderPath(const QString& name) const { return m_dir.filePath(name); }
    CDbConnection& Connection() { return *m_connection; }
    CScriptedPrompter& Prompter() { return m_prompter; }
    CInventoryDoc& Doc() { return *m_doc; }

    // Runs a statement in the store's dialect; true on success.
    bool Exec(const QString& sql);
    // The first column of the first row of a query, as the recordset reads it.
    CDbVariant Scalar(const QString& sql);
    // Every row of a query, fields as texts joined by "|".
    QStringList Rows(const QString& sql);

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<CDbConnection> m_connection;
    CScriptedPrompter m_prompter;
    std::unique_ptr<CInventoryDoc> m_doc;
};
