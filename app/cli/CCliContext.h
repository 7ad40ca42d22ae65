#pragma once

#include "CConsolePrompter.h"
#include "CDbConnection.h"
#include "CInventoryDoc.h"

#include <QString>
#include <QTextStream>

#include <optional>

// What one run of quillet-cli works on: the data file's connection, the document over it, the
// console prompter, and the output streams.
class CCliContext
{
public:
    static constexpr int kFailed = 1;
    static constexpr int kUsage = 2;

    CCliContext(const QString& dataFile, bool assumeYes);

    CInventoryDoc& Doc() { return m_doc; }
    CConsolePrompter& Prompter() { return m_prompter; }
    CDbConnection& Connection() { return m_connection; }
    QTextStream& Out() { return m_out; }

    // The start-up load: creates the file when missing, then loads every list. Prints each status
    // text on its own line when asked. False when the file could not be created or a list failed.
    bool LoadCatalogue(bool printStatus);
    // Writes the message on stderr and gives the exit code of a failed command.
    int Fail(const QString& message);
    // The exit code of a command whose result is what it printed: 0, or a failure named after
    // command when stdout could not take it all (a full disk behind a redirect).
    int Printed(const QString& command);
    // Writes why the words are wrong (when known) and the usage line; the exit code of a usage error.
    int Usage(const QString& usage, const QString& why = QString());

    // A number or integer argument in the plain form scripts write ("-12.5"), within the book's
    // bounds. Nothing, after "NAME: 'abc' is not a number." on stderr, when refused.
    std::optional<double> Number(const QString& name, const QString& text);
    std::optional<int> Integer(const QString& name, const QString& text);

private:
    CDbConnection m_connection;
    CConsolePrompter m_prompter;
    CInventoryDoc m_doc;
    QTextStream m_out;
    QTextStream m_err;
};
