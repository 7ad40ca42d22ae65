#include "PresslingOptions.h"

std::optional<PresslingOptions> ParsePresslingOptions(const QStringList& arguments, QString* error)
{
    PresslingOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"/D" && i == 0) {
            options.closeRunningCopy = true;
        } else if (argument == u"--help") {
            options.help = true;
        } else if (argument == u"--port" && hasValue) {
            bool ok = false;
            const uint port = arguments[++i].toUInt(&ok);
            if (!ok || port == 0 || port > 65535) {
                *error = QStringLiteral("--port: '%1' is not a port number (1 to 65535)").arg(arguments[i]);
                return std::nullopt;
            }
            options.port = static_cast<quint16>(port);
        } else if (argument == u"--pdf-dir" && hasValue && !arguments[i + 1].isEmpty()) {
            options.pdfFolder = arguments[++i];
        } else {
            *error = QStringLiteral("%1: unknown argument, or its value is missing").arg(argument);
            return std::nullopt;
        }
    }
    return options;
}

QString PresslingUsage()
{
    return QStringLiteral("Usage: pressling [/D] [--port N] [--pdf-dir DIR]\n"
                          "  /D             close the running copy (as the first argument)\n"
                          "  --port N       listen on TCP port N (default 5421)\n"
                          "  --pdf-dir DIR  write each page as a PDF file in DIR instead of printing\n");
}
