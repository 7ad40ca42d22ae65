#include "CReportCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CReportBuilder.h"
#include "CReportSaver.h"
#include "ReportRange.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kReportUsage = QStringLiteral(
    "report valuation-detail|valuation-summary|sales-by-item|sales-summary|purchases-by-item|purchases-summary "
    "[--from YYYY-MM-DD --to YYYY-MM-DD] [--out FILE]");
const QStringList kReportOptions = {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("out")};

// A usage error that says what was wrong before the usage line.
int UsageError(CCliContext& context, const QString& reason)
{
    context.Fail(reason);
    return context.Usage(kReportUsage);
}

bool WriteToStdout(const CReport& report)
{
    QFile out;
    return out.open(stdout, QIODevice::WriteOnly) && CReportSaver::Write(report, out) && out.flush();
}

} // namespace

QList<CCliCommand> CReportCommands::Commands()
{
    return {{QStringLiteral("report"), kReportUsage, {}, &CReportCommands::Report}};
}

std::optional<QDate> CReportCommands::ParseDay(const QString& text)
{
    const QDate day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

int CReportCommands::Report(CCliContext& context, const CCliArguments& arguments)
{
    const QStringList unknown = arguments.UnknownOptions(kReportOptions);
    if (!unknown.isEmpty()) {
        return UsageError(context, QStringLiteral("%1: not an option of report").arg(unknown.first()));
    }
    if (arguments.Positional().size() != 1) {
        return UsageError(context, QStringLiteral("report: give one report kind"));
    }
    const std::optional<ReportKind> kind = ReportKindFromCommandName(arguments.Positional(0));
    if (!kind) {
        return UsageError(context, QStringLiteral("report: '%1' is not a report kind").arg(arguments.Positional(0)));
    }
    std::optional<QDate> days[2];
    const QString dayOptions[2] = {QStringLiteral("from"), QStringLiteral("to")};
    for (int i = 0; i < 2; ++i) {
        if (!arguments.Has(dayOptions[i])) {
            if (ReportKindNeedsDates(*kind)) {
                return UsageError(
                    context,
                    QStringLiteral("--%1: %2 needs --from and --to").arg(dayOptions[i], ReportKindCommandName(*kind)));
            }
            continue;
        }
        days[i] = ParseDay(arguments.Value(dayOptions[i]));
        if (!days[i]) {
            return UsageError(context, QStringLiteral("--%1: '%2' is not a date (YYYY-MM-DD)")
                                           .arg(dayOptions[i], arguments.Value(dayOptions[i])));
        }
    }

    const QString dataFile = context.Doc().DataFilePath();
    if (!QFileInfo::exists(dataFile)) {
        return context.Fail(QStringLiteral("no data file at %1; create one with init").arg(dataFile));
    }
    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    const ReportRange range = days[0] && days[1] ? ReportRange::Days(*days[0], *days[1]) : ReportRange();
    const CReport report = CReportBuilder(context.Doc()).Build(*kind, range);
    if (report.IsEmpty()) {
        return context.Fail(QStringLiteral("No Report to Save"));
    }
    if (!arguments.Has(QStringLiteral("out"))) {
        return WriteToStdout(report) ? 0 : context.Fail(QStringLiteral("report: writing to stdout failed"));
    }
    const QString path = arguments.Value(QStringLiteral("out"));
    if (!CReportSaver::WriteFile(report, path)) {
        return context.Fail(QStringLiteral("--out: Can not open the file %1").arg(path));
    }
    return 0;
}
