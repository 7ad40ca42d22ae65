#include "CReportCommands.h"

#include "CCliArguments.h"
#include "CCliContext.h"
#include "CCsvExportFile.h"
#include "CCsvFileWriter.h"
#include "CReportBuilder.h"
#include "CReportCsvRows.h"
#include "ReportRange.h"

#include <QFile>

namespace {

const QString kReportUsage = QStringLiteral(
    "report valuation-detail|valuation-summary|sales-by-item|sales-summary|purchases-by-item|purchases-summary "
    "[--from YYYY-MM-DD --to YYYY-MM-DD] [--out FILE]");
const QStringList kReportOptions = {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("out")};

ReportRange RangeOf(const std::optional<QDate> (&days)[2])
{
    return days[0] && days[1] ? ReportRange::Days(*days[0], *days[1]) : ReportRange();
}

// The rows go out as they are made; nothing is written when the report has none.
int WriteReport(CCliContext& context, ReportKind kind, const std::optional<QDate> (&days)[2])
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        return context.Fail(QStringLiteral("report: writing to stdout failed"));
    }
    CCsvFileWriter csv(out);
    CReportCsvRows rows(csv, CReportBuilder::Columns(kind));
    if (CReportBuilder(context.Doc()).Build(kind, RangeOf(days), rows) != CReportBuilder::Outcome::Built) {
        return CCliContext::kFailed;
    }
    if (rows.RowCount() == 0) {
        return context.Fail(QStringLiteral("No Report to Save"));
    }
    return csv.Ok() && out.flush() ? 0 : context.Fail(QStringLiteral("report: writing to stdout failed"));
}

} // namespace

QList<CCliCommand> CReportCommands::Commands()
{
    return {
        {QStringLiteral("report"),
         kReportUsage,
         {},
         &CReportCommands::Report,
         QStringLiteral("Writes a report as CSV, as the window's Save does, to stdout or --out FILE; every kind but "
                        "valuation-summary needs --from and --to (both days included).")}};
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
        return context.Usage(kReportUsage, QStringLiteral("%1: not an option of report").arg(unknown.first()));
    }
    if (arguments.Positional().size() != 1) {
        return context.Usage(kReportUsage, QStringLiteral("report: give one report kind"));
    }
    const std::optional<ReportKind> kind = ReportKindFromCommandName(arguments.Positional(0));
    if (!kind) {
        return context.Usage(kReportUsage,
                             QStringLiteral("report: '%1' is not a report kind").arg(arguments.Positional(0)));
    }
    std::optional<QDate> days[2];
    const QString dayOptions[2] = {QStringLiteral("from"), QStringLiteral("to")};
    for (int i = 0; i < 2; ++i) {
        if (!arguments.Has(dayOptions[i])) {
            if (ReportKindNeedsDates(*kind)) {
                return context.Usage(
                    kReportUsage,
                    QStringLiteral("--%1: %2 needs --from and --to").arg(dayOptions[i], ReportKindCommandName(*kind)));
            }
            continue;
        }
        days[i] = ParseDay(arguments.Value(dayOptions[i]));
        if (!days[i]) {
            return context.Usage(kReportUsage, QStringLiteral("--%1: '%2' is not a date (YYYY-MM-DD)")
                                                   .arg(dayOptions[i], arguments.Value(dayOptions[i])));
        }
    }

    if (!context.LoadCatalogue(false)) {
        return CCliContext::kFailed;
    }
    if (!arguments.Has(QStringLiteral("out"))) {
        return WriteReport(context, *kind, days);
    }
    const QString path = arguments.Value(QStringLiteral("out"));
    if (const QString refusal = CCsvExportFile::TargetRefusal(path); !refusal.isEmpty()) {
        return context.Fail(QStringLiteral("--out: %1").arg(refusal));
    }
    // The rows go to the file as they are made; the file replaces an existing one only when the
    // report was read whole and has rows.
    // Nothing when the file could not even be created.
    std::optional<CReportBuilder::Outcome> outcome;
    qsizetype rowCount = 0;
    const bool written = CCsvExportFile::Write(path, CCsvFileWriter::Quoting::WhereNeeded, [&](CCsvFileWriter& csv) {
        CReportCsvRows rows(csv, CReportBuilder::Columns(*kind));
        outcome = CReportBuilder(context.Doc()).Build(*kind, RangeOf(days), rows);
        rowCount = rows.RowCount();
        if (*outcome != CReportBuilder::Outcome::Built || rowCount == 0) {
            csv.Abandon();
        }
    });
    if (outcome && *outcome != CReportBuilder::Outcome::Built) {
        return CCliContext::kFailed;
    }
    if (outcome && rowCount == 0) {
        return context.Fail(QStringLiteral("No Report to Save"));
    }
    if (!written) {
        return context.Fail(QStringLiteral("--out: Can not open the file %1").arg(path));
    }
    return 0;
}
