#include "CCsvImport.h"

#include "CCsvLineReader.h"
#include "CCsvRecordImporter.h"
#include "CDocOperation.h"
#include "CFileChoice.h"
#include "CInventoryDoc.h"
#include "CPrompter.h"
#include "CWaitCursor.h"
#include "CsvText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

// Progress is told every so many records: often enough for Cancel to answer at once, seldom
// enough to cost nothing.
constexpr int kProgressEvery = 100;

enum class FileRead
{
    Read,
    Unreadable,
    TooLarge
};

FileRead ReadText(const QString& path, QString& text)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return FileRead::Unreadable;
    }
    const QByteArray bytes = file.read(CCsvImport::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return FileRead::Unreadable;
    }
    if (bytes.size() > CCsvImport::kMaxFileBytes) {
        return FileRead::TooLarge;
    }
    text = DecodeCsvText(bytes);
    return FileRead::Read;
}

} // namespace

QString CCsvImport::FormatErrorText(int line)
{
    return QString::asprintf("File Format Error in Line %d, Process Stops", line);
}

QString CCsvImport::RefusedLineText(int line, const QString& failure)
{
    return QStringLiteral("%1 in Line %2, Process Stops").arg(failure).arg(line);
}

QString CCsvImport::LineRefusalText(int line, const QString& refusal)
{
    return QStringLiteral("Line %1: %2 Process Stops").arg(line).arg(refusal);
}

CCsvImport::Result CCsvImport::Run()
{
    CFileChoice choice;
    choice.title = QStringLiteral("Open");
    choice.filter = QStringLiteral("CSV Files (*.csv)");
    choice.mustExist = true;
    const QString path = m_doc.Prompter().ChooseOpenFile(choice);
    if (path.isEmpty()) {
        return Result();
    }
    return RunFile(path);
}

CCsvImport::Result CCsvImport::RunFile(const QString& path)
{
    CPrompter& prompter = m_doc.Prompter();
    CWaitCursor wait(prompter);
    Result result;
    result.outcome = Outcome::Failed;
    QString text;
    switch (ReadText(path, text)) {
    case FileRead::Read:
        break;
    case FileRead::Unreadable:
        prompter.ShowMessage(QStringLiteral("Can not open the file"));
        return result;
    case FileRead::TooLarge:
        prompter.ShowMessage(QStringLiteral("The file is too large to import (more than 256 MB)."));
        return result;
    }
    CCsvLineReader reader(std::move(text));

    CDocOperation operation(m_doc);
    if (!operation.Started()) {
        return result;
    }
    m_importer.Begin();
    const bool showProgress = reader.LineCount() > kProgressLines;
    if (showProgress) {
        m_doc.OperationProgress().BeginTask(m_importer.ProgressText(), reader.LineCount());
    }
    int cancelLine = 0;
    const Outcome outcome = ReadRecords(reader, showProgress, result, cancelLine);
    if (showProgress) {
        m_doc.OperationProgress().EndTask();
    }
    const bool committed = operation.Commit();
    m_importer.Reload();
    if (!committed) {
        return result;
    }
    result.outcome = outcome;
    if (outcome == Outcome::Cancelled) {
        prompter.ShowMessage(
            QStringLiteral("Import cancelled at line %1; the lines before it were imported.").arg(cancelLine));
    }
    return result;
}

CCsvImport::Outcome CCsvImport::ReadRecords(CCsvLineReader& reader, bool showProgress, Result& result, int& cancelLine)
{
    for (int records = 1;; ++records) {
        const CCsvLineReader::Status status = reader.Next();
        if (status == CCsvLineReader::Status::End) {
            return Outcome::Imported;
        }
        // Spreadsheets end a list with rows of empty cells; they hold nothing to import.
        const QStringList& fields = reader.Fields();
        if (status == CCsvLineReader::Status::Record &&
            std::all_of(fields.cbegin(), fields.cend(), [](const QString& field) { return field.isEmpty(); })) {
            continue;
        }
        if (status == CCsvLineReader::Status::FormatError || fields.size() != m_importer.FieldCount()) {
            m_doc.Prompter().ShowMessage(FormatErrorText(reader.LineNumber()));
            return Outcome::Stopped;
        }
        if (showProgress && records % kProgressEvery == 0 && !m_doc.OperationProgress().StepTask(reader.LineNumber())) {
            cancelLine = reader.LineNumber();
            return Outcome::Cancelled;
        }
        switch (m_importer.Import(reader.Fields(), reader.LineNumber())) {
        case CCsvRecordImporter::LineResult::Added:
            ++result.added;
            break;
        case CCsvRecordImporter::LineResult::Updated:
            ++result.updated;
            break;
        case CCsvRecordImporter::LineResult::Unchanged:
            ++result.unchanged;
            break;
        case CCsvRecordImporter::LineResult::Stop:
            return Outcome::Stopped;
        }
    }
}
