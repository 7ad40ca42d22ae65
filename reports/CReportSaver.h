#pragma once

#include <QString>

#include <optional>

class CPrompter;
class CReport;
class QIODevice;

// "Save": a report as a CSV file. The file holds the column captions, a line of commas (one
// fewer than the columns) and one line per row, top to bottom, in the CSV file convention of
// CCsvFileWriter.
class CReportSaver
{
public:
    // Writes the report to an open device; false when a write failed.
    static bool Write(const CReport& report, QIODevice& device);
    // Writes the report to the file at path, replacing it; an existing file stays as it was when
    // the new one cannot be written whole. False when the file cannot be created or written.
    static bool WriteFile(const CReport& report, const QString& path);
    // Asks where to save (in the documents folder under the kind's name), then writes. Shows
    // "No Report to Save" when there is no report or it has no rows, and "Can not open the
    // file" when the file cannot be written. True when a file was written.
    static bool Save(const std::optional<CReport>& report, CPrompter& prompter);
};
