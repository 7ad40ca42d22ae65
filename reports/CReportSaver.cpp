#include "CReportSaver.h"

#include "CCsvFileWriter.h"
#include "CFileChoice.h"
#include "CPrompter.h"
#include "CReport.h"
#include "DataFilePaths.h"

#include <QDir>
#include <QSaveFile>

bool CReportSaver::Write(const CReport& report, QIODevice& device)
{
    CCsvFileWriter csv(device);
    csv.WriteRow(report.Captions());
    csv.WriteRow(QStringList(report.Columns().size()));
    for (const ReportRow& row : report.Rows()) {
        csv.WriteRow(row.cells);
    }
    return csv.Ok();
}

bool CReportSaver::WriteFile(const CReport& report, const QString& path)
{
    QSaveFile file(path);
    // A file in a folder that takes no new files can still be replaced in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (!Write(report, file)) {
        file.cancelWriting();
    }
    return file.commit();
}

bool CReportSaver::Save(const std::optional<CReport>& report, CPrompter& prompter)
{
    if (!report || report->IsEmpty()) {
        prompter.ShowMessage(QStringLiteral("No Report to Save"));
        return false;
    }
    CFileChoice choice;
    choice.title = QStringLiteral("Save As");
    choice.suggestedName = QDir(DocumentsFolder()).filePath(ReportKindFileName(report->Kind()));
    choice.defaultExtension = QStringLiteral("csv");
    choice.filter = QStringLiteral("CSV Files (*.csv)");
    choice.confirmOverwrite = true;
    const QString path = prompter.ChooseSaveFile(choice);
    if (path.isEmpty()) {
        return false;
    }
    if (!WriteFile(report.value(), path)) {
        prompter.ShowMessage(QStringLiteral("Can not open the file"));
        return false;
    }
    return true;
}
