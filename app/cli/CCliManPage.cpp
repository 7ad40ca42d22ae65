#include "CCliManPage.h"

#include "CCliCommandTable.h"

#include <QStringList>

namespace {

// Text as roff prints it literally: backslashes escaped, minus signs kept as minus signs (so a
// copied option works), and no line read as a request because it starts with a dot or quote.
QString Roff(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    out.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\''))) {
        out.prepend(QStringLiteral("\\&"));
    }
    return out;
}

QString Tagged(const QString& tag, const QString& text)
{
    // Inline bold rather than .B, whose argument parsing would eat the quotes of a usage line.
    return QStringLiteral(".TP\n\\fB%1\\fR\n%2\n").arg(Roff(tag), Roff(text));
}

} // namespace

QString CCliManPage::Page(const QString& version)
{
    QString page;
    page += QStringLiteral(".TH QUILLET\\-CLI 1 \"\" \"Quillet %1\" \"User Commands\"\n").arg(Roff(version));
    page += QStringLiteral(".SH NAME\nquillet\\-cli \\- the Quillet stock and sales book from the command line\n");
    page += QStringLiteral(".SH SYNOPSIS\n%1\n").arg(Roff(CCliCommandTable::Synopsis()));
    page += QStringLiteral(
        ".SH DESCRIPTION\n"
        "Reads and changes the same book as the Quillet window: lists, postings, reports, import and export, "
        "backup and restore. Lists and the register print CSV with plain numbers and ISO dates, so scripts "
        "read them under any locale. Several programs may work on one book at once.\n");
    page += QStringLiteral(".SH OPTIONS\n");
    for (const CCliCommandTable::GlobalOption& option : CCliCommandTable::GlobalOptions()) {
        page += Tagged(option.name, option.description);
    }
    page += QStringLiteral(".SH COMMANDS\n");
    for (const CCliCommand& command : CCliCommandTable::Commands()) {
        page += Tagged(command.usage, command.description);
    }
    page += QStringLiteral(".SH EXIT STATUS\n"
                           "0 when the command did its work, 1 when it was refused or failed (the reason is on "
                           "standard error), 2 for a usage error.\n");
    page += QStringLiteral(".SH ENVIRONMENT\n");
    page += Tagged(QStringLiteral("QUILLET_DATA"), QStringLiteral("the book used when --data is not given"));
    page += Tagged(QStringLiteral("QUILLET_DOCUMENTS"),
                   QStringLiteral("the documents folder holding the default data file Quillet.cdb"));
    page += Tagged(QStringLiteral("QUILLET_PRINT_HOST"),
                   QStringLiteral("the computer running Pressling, for print (default localhost)"));
    page += Tagged(QStringLiteral("QUILLET_PRINT_PORT"), QStringLiteral("Pressling's port (default 5421)"));
    return page;
}
