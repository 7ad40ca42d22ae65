#include "CPrintCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CLnkSock.h"
#include "CTransactionForm.h"
#include "TransactionTypes.h"

#include <optional>

namespace {

const QString kJobUsage = QStringLiteral("job ID");
const QString kPrintUsage = QStringLiteral("print ID");

// Opens the stored sale or purchase the command's one argument names; the exit code when it
// cannot, nothing when the form holds it.
std::optional<int> FailsToOpen(CCliContext& context, const CCliArguments& arguments, const QString& usage,
                               CTransactionForm& form)
{
    if (arguments.Positional().size() != 1 || !arguments.UnknownOptions({}).isEmpty()) {
        return context.Usage(usage);
    }
    const std::optional<int> id = context.Integer(QStringLiteral("ID"), arguments.Positional(0));
    if (!id) {
        return CCliContext::kUsage;
    }
    if (!context.LoadCatalogue(false) || !form.OpenStored(*id)) {
        return CCliContext::kFailed;
    }
    return std::nullopt;
}

} // namespace

QList<CCliCommand> CPrintCommands::Commands()
{
    return {
        {QStringLiteral("job"),
         kJobUsage,
         {},
         &CPrintCommands::Job,
         QStringLiteral("Prints the print job of sale or purchase ID, as the desktop print link receives it.")},
        {QStringLiteral("print"),
         kPrintUsage,
         {},
         &CPrintCommands::Print,
         QStringLiteral("Sends sale or purchase ID to the desktop print link and prints its answer.")},
    };
}

int CPrintCommands::Job(CCliContext& context, const CCliArguments& arguments)
{
    CTransactionForm form(context.Doc(), kTransSale);
    if (const std::optional<int> failed = FailsToOpen(context, arguments, kJobUsage, form)) {
        return *failed;
    }
    context.Out() << CPrintJobWriter::Text(form.PrintJob());
    return context.Printed(QStringLiteral("job"));
}

int CPrintCommands::Print(CCliContext& context, const CCliArguments& arguments)
{
    CTransactionForm form(context.Doc(), kTransSale);
    if (const std::optional<int> failed = FailsToOpen(context, arguments, kPrintUsage, form)) {
        return *failed;
    }
    CLnkSock link(context.Prompter(), CPrintPeer::Configured());
    const std::optional<QString> reply = form.Print(link);
    if (!reply) {
        return CCliContext::kFailed;
    }
    context.Out() << *reply << Qt::endl;
    return 0;
}
