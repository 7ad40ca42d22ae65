// quillet-cli: the stock book from the command line, for scripts and batch work.

#include "CCliArguments.h"
#include "CCliCommandTable.h"
#include "CCliContext.h"
#include "DataFilePaths.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Debug output (the store's error hook) is for developers; QUILLET_DEBUG shows it.
void QuietDebugOutput(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg && qEnvironmentVariableIsEmpty("QUILLET_DEBUG")) {
        return;
    }
    QTextStream(stderr) << message << Qt::endl;
}

int PrintUsage(const QList<CCliCommand>& commands)
{
    QTextStream err(stderr);
    err << "usage: quillet-cli [--data FILE] [--yes] COMMAND ...\n"
           "  --data FILE  the data file (default: <documents>/Quillet.cdb; QUILLET_DOCUMENTS sets <documents>)\n"
           "  --yes        answer every Yes/No question with Yes\n"
           "commands:\n";
    for (const CCliCommand& command : commands) {
        err << "  " << command.usage << '\n';
    }
    err.flush();
    return CCliContext::kUsage;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    qInstallMessageHandler(QuietDebugOutput);

    QStringList words = QCoreApplication::arguments().mid(1);
    QString dataFile = DefaultDataFilePath();
    bool assumeYes = false;
    QStringList rest;
    for (int i = 0; i < words.size(); ++i) {
        if (words[i] == QLatin1String("--yes")) {
            assumeYes = true;
        } else if (words[i] == QLatin1String("--data") && i + 1 < words.size()) {
            dataFile = words[++i];
        } else if (words[i].startsWith(QLatin1String("--data="))) {
            dataFile = words[i].mid(7);
        } else {
            rest << words[i];
        }
    }

    const QList<CCliCommand> commands = CCliCommandTable::Commands();
    const QString name = rest.value(0);
    for (const CCliCommand& command : commands) {
        if (command.name != name) {
            continue;
        }
        CCliContext context(dataFile, assumeYes);
        const CCliArguments arguments(rest.mid(1), command.flags);
        if (!arguments.MissingValue().isEmpty()) {
            return context.Usage(command.usage);
        }
        const int code = command.run(context, arguments);
        context.Out().flush();
        return code;
    }
    return PrintUsage(commands);
}
