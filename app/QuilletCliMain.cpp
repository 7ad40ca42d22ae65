// quillet-cli: the stock book from the command line, for scripts and batch work.

#include "BookAddress.h"
#include "CCliArguments.h"
#include "CCliCommandTable.h"
#include "CCliContext.h"
#include "CDbConnection.h"
#include "DataFilePaths.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>

namespace {

constexpr int kDefaultWaitSeconds = CDbConnection::kOperationWaitMs / 1000;
constexpr int kLongestWaitSeconds = 86400;

// Debug output (the store's error hook) is for developers; QUILLET_DEBUG shows it.
void QuietDebugOutput(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg && qEnvironmentVariableIsEmpty("QUILLET_DEBUG")) {
        return;
    }
    QTextStream(stderr) << message << Qt::endl;
}

void WriteHelp(QTextStream& out, const QList<CCliCommand>& commands)
{
    out << "usage: " << CCliCommandTable::Synopsis() << '\n';
    for (const CCliCommandTable::GlobalOption& option : CCliCommandTable::GlobalOptions()) {
        out << "  " << option.name.leftJustified(11) << ' ' << option.description << '\n';
    }
    out << "commands:\n";
    for (const CCliCommand& command : commands) {
        out << "  " << command.usage << '\n';
        out << "      " << command.description << '\n';
    }
    out.flush();
}

// Whole seconds up to a day; nothing for any other text.
std::optional<int> WaitSeconds(const QString& text)
{
    bool ok = false;
    const int seconds = text.toInt(&ok);
    if (!ok || seconds < 0 || seconds > kLongestWaitSeconds) {
        return std::nullopt;
    }
    return seconds;
}

bool AsksForHelp(const QString& word)
{
    return word == QLatin1String("--help") || word == QLatin1String("-h") || word == QLatin1String("help");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    qInstallMessageHandler(QuietDebugOutput);

    const QStringList words = QCoreApplication::arguments().mid(1);
    QString dataFile = DefaultDataFilePath();
    bool assumeYes = false;
    int waitSeconds = kDefaultWaitSeconds;
    QStringList rest;
    QTextStream err(stderr);
    for (int i = 0; i < words.size(); ++i) {
        if (words[i] == QLatin1String("--yes")) {
            assumeYes = true;
        } else if (words[i] == QLatin1String("--data")) {
            if (i + 1 >= words.size()) {
                err << "--data: a data file path is missing" << Qt::endl;
                return CCliContext::kUsage;
            }
            dataFile = words[++i];
        } else if (words[i].startsWith(QLatin1String("--data="))) {
            dataFile = words[i].mid(7);
        } else if (words[i] == QLatin1String("--wait") || words[i].startsWith(QLatin1String("--wait="))) {
            const QString text = words[i].contains(QLatin1Char('=')) ? words[i].section(QLatin1Char('='), 1)
                                                                     : (i + 1 < words.size() ? words[++i] : QString());
            const std::optional<int> seconds = WaitSeconds(text);
            if (!seconds) {
                err << "--wait: '" << text << "' is not a number of seconds from 0 to " << kLongestWaitSeconds
                    << Qt::endl;
                return CCliContext::kUsage;
            }
            waitSeconds = *seconds;
        } else {
            rest << words[i];
        }
    }

    const QList<CCliCommand> commands = CCliCommandTable::Commands();
    if (!rest.isEmpty() && AsksForHelp(rest.first())) {
        QTextStream out(stdout);
        WriteHelp(out, commands);
        return 0;
    }
    const QString name = rest.value(0);
    for (const CCliCommand& command : commands) {
        if (command.name != name) {
            continue;
        }
        CCliContext context(dataFile, assumeYes);
        context.Connection().SetBusyTimeout(waitSeconds * 1000);
        const CCliArguments arguments(rest.mid(1), command.flags);
        if (!arguments.MissingValue().isEmpty()) {
            return context.Usage(command.usage,
                                 QStringLiteral("--%1: a value is missing").arg(arguments.MissingValue()));
        }
        if (!command.createsDataFile) {
            switch (context.Connection().BookPresence()) {
            case CDbConnection::Presence::Present:
                break;
            case CDbConnection::Presence::Missing:
                return context.Fail(
                    QStringLiteral("no data file at %1; create one with init").arg(ShownBookAddress(dataFile)));
            case CDbConnection::Presence::Unreachable:
                return context.Fail(QStringLiteral("cannot open the book at %1: %2")
                                        .arg(ShownBookAddress(dataFile), context.Connection().LastError()));
            }
        }
        const int code = command.run(context, arguments);
        context.Out().flush();
        return code;
    }
    if (name.isEmpty()) {
        err << "quillet-cli: a command is missing" << Qt::endl;
    } else {
        err << "quillet-cli: '" << name << "' is not a command" << Qt::endl;
    }
    WriteHelp(err, commands);
    return CCliContext::kUsage;
}
