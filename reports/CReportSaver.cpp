#include "CReportSaver.h"

#include "CCsvExportFile.h"
#include "CCsvFileWriter.h"
#include "CPrompter.h"
#include "CReport.h"
#include "CReportCsvRows.h"

namespace {

void WriteRows(const CReport& report, CCsvFileWriter& csv)
{
    CReportCsvRows rows(csv, report.Columns());
    rows.WriteHeading();
    QList<QStringView> views;
    for (const ReportRow& row : report.Rows()) {
        const QStringList cells = row.Cells();
        views.resize(0);
        for (const QString& cell : cells) {
            views.append(cell);
        }
        rows.AddCells(row.RowKind(), views);
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
