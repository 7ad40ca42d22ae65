#include "CCsvExportFile.h"

#include "CFileChoice.h"
#include "CPrompter.h"
#include "DataFileCopy.h"
#include "DataFilePaths.h"

#include <QDir>
#include <QSaveFile>

QString CCsvExportFile::TargetRefusal(const QString& path)
{
    return NotRegularFileRefusal(path, QStringLiteral("the export"));
}

bool CCsvExportFile::Write(const QString& path, CCsvFileWriter::Quoting quoting, const Rows& rows)
{
    // The new file would be renamed over a device or a FIFO, not written into it.
    if (!TargetRefusal(path).isEmpty()) {
        return false;
    }
    QSaveFile file(path);
    // A file in a folder that takes no new files can still be replaced in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    CCsvFileWriter csv(file, quoting);
    rows(csv);
    // The rows may still sit in the file's buffer; a full disk shows only when they go out, and
    // the commit would not say so.
    if (!csv.Ok() || !file.flush()) {
        file.cancelWriting();
    }
    return file.commit();
}

bool CCsvExportFile::Save(CPrompter& prompter, const QString& proposedName, CCsvFileWriter::Quoting quoting,
                          const Rows& rows)
{
    CFileChoice choice;
    choice.title = QStringLiteral("Save As");
    choice.suggestedName = QDir(DocumentsFolder()).filePath(proposedName);
    choice.defaultExtension = QStringLiteral("csv");
    choice.filter = QStringLiteral("CSV Files (*.csv)");
    choice.confirmOverwrite = true;
    const QString path = prompter.ChooseSaveFile(choice);
    if (path.isEmpty()) {
        return false;
    }
    if (const QString refusal = TargetRefusal(path); !refusal.isEmpty()) {
        prompter.ShowMessage(refusal);
        return false;
    }
    if (!Write(path, quoting, rows)) {
        prompter.ShowMessage(QStringLiteral("Can not open the file"));
        return false;
    }
    return true;
}
