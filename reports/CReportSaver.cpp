#include "CReportSaver.h"

#include "CCsvExportFile.h"
#include "CCsvFileWriter.h"
#include "CPrompter.h"
#include "CReport.h"

namespace {

void WriteRows(const CReport& report, CCsvFileWriter& csv)
{
    // Right-aligned columns hold the numbers; the others hold names and dates.
    QList<qsizetype> numbers;
    for (qsizetype i = 0; i < report.Columns().size(); ++i) {
        if (report.Columns()[i].align == ReportColumn::Align::Right) {
            numbers << i;
        }
    }
    csv.SetNumberColumns(numbers);
    csv.WriteRow(report.Captions());
    csv.WriteRow(QStringList(report.Columns().size()));
    for (const ReportRow& row : report.Rows()) {
        csv.WriteRow(row.cells);
    }
}

} // namespace

bool CReportSaver::Write(const CReport& report, QIODevice& device)
{
    CCsvFileWriter csv(device);
    WriteRows(report, csv);
    return csv.Ok();
}

bool CReportSaver::WriteFile(const CReport& report, const QString& path)
{
    return CCsvExportFile::Write(path, CCsvFileWriter::Quoting::WhereNeeded,
                                 [&report](CCsvFileWriter& csv) { WriteRows(report, csv); });
}

bool CReportSaver::Save(const std::optional<CReport>& report, CPrompter& prompter)
{
    if (!report || report->IsEmpty()) {
        prompter.ShowMessage(QStringLiteral("No Report to Save"));
        return false;
    }
    return CCsvExportFile::Save(prompter, ReportKindFileName(report->Kind()), CCsvFileWriter::Quoting::WhereNeeded,
                                [&report](CCsvFileWriter& csv) { WriteRows(*report, csv); });
}
