#include "CExchangeCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CListExchange.h"

#include <optional>

namespace {

const QString kImportUsage = QStringLiteral("import customers|vendors|products FILE");
const QString kExportUsage = QStringLiteral("export customers|vendors|products FILE");

// The list named by the first word, with FILE queued for the file chooser; nothing (after the
// usage line) when the words are wrong.
std::optional<CListExchange::List> TakeWords(CCliContext& context, const CCliArguments& arguments, const QString& usage,
                                             int& exitCode)
{
    if (arguments.Positional().size() != 2) {
        exitCode = context.Usage(usage);
        return std::nullopt;
    }
    const std::optional<CListExchange::List> list = CListExchange::FromWord(arguments.Positional(0));
    if (!list) {
        exitCode = context.Usage(usage, QStringLiteral("'%1' is not a list").arg(arguments.Positional(0)));
        return std::nullopt;
    }
    if (!context.LoadCatalogue(false)) {
        exitCode = CCliContext::kFailed;
        return std::nullopt;
    }
    context.Prompter().QueueFile(arguments.Positional(1));
    return list;
}

QString Summary(const QString& word, const CCsvImport::Result& result)
{
    return QStringLiteral("%1: %2 added, %3 updated, %4 unchanged")
        .arg(word)
        .arg(result.added)
        .arg(result.updated)
        .arg(result.unchanged);
}

} // namespace

QList<CCliCommand> CExchangeCommands::Commands()
{
    return {
        {QStringLiteral("import"),
         kImportUsage,
         {},
         &CExchangeCommands::Import,
         QStringLiteral("Adds and updates customers, vendors or products from a CSV file as File > Import does, and "
                        "prints how many; stops (exit 1) at a bad line, keeping the lines before it.")},
        {QStringLiteral("export"),
         kExportUsage,
         {},
         &CExchangeCommands::Export,
         QStringLiteral("Writes the customer, vendor or product list to a CSV file as File > Export does.")},
    };
}

int CExchangeCommands::Import(CCliContext& context, const CCliArguments& arguments)
{
    int exitCode = 0;
    const std::optional<CListExchange::List> list = TakeWords(context, arguments, kImportUsage, exitCode);
    if (!list) {
        return exitCode;
    }
    const CCsvImport::Result result = CListExchange::Import(context.Doc(), *list);
    const bool imported = result.outcome == CCsvImport::Outcome::Imported;
    if (imported || result.outcome == CCsvImport::Outcome::Stopped) {
        context.Out() << Summary(CListExchange::Word(*list), result) << Qt::endl;
    }
    return imported ? 0 : CCliContext::kFailed;
}

int CExchangeCommands::Export(CCliContext& context, const CCliArguments& arguments)
{
    int exitCode = 0;
    const std::optional<CListExchange::List> list = TakeWords(context, arguments, kExportUsage, exitCode);
    if (!list) {
        return exitCode;
    }
    return CListExchange::Export(context.Doc(), *list) ? 0 : CCliContext::kFailed;
}
