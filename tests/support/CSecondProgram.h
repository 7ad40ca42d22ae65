#pragma once

#include "CDbConnection.h"
#include "CInventoryDoc.h"
#include "CScriptedPrompter.h"

#include <QString>

// Another program with the same book open: its own connection, prompter and document, the
// catalogue loaded at construction.
class CSecondProgram
{
public:
    explicit CSecondProgram(const QString& path);

    CDbConnection& Connection() { return m_connection; }
    CScriptedPrompter& Prompter() { return m_prompter; }
    CInventoryDoc& Doc() { return m_doc; }

private:
    CDbConnection m_connection;
    CScriptedPrompter m_prompter;
    CInventoryDoc m_doc;
};
