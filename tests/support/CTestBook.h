#pragma once

#include "CDbConnection.h"
#include "CDbVariant.h"
#include "CInventoryDoc.h"
#include "CScriptedPrompter.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A data file of its own in a temporary folder, with a connection, a scripted prompter and a
// document over it. Created empty (no file) unless asked to install the schema.
class CTestBook
{
public:
    enum class Start
    {
        NoFile,
        Installed
    };
    explicit CTestBook(Start start = Start::Installed);

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
