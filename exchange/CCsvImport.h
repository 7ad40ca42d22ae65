#pragma once

#include <QString>

class CCsvLineReader;
class CCsvRecordImporter;
class CInventoryDoc;

// Runs an import of a CSV file as one operation of the write path: reads the file (see
// CCsvLineReader for the format), hands each record to the importer, and commits what was done
// up to the end, a stop or a cancel. A program that dies half-way leaves the book as it was.
//
// Messages, through the document's prompter: "Can not open the file" when the file cannot be
// read, "File Format Error in Line %d, Process Stops" when a record breaks the quoting rules or
// has the wrong number of fields; the importer shows its own. A record whose fields are all empty
// (a spreadsheet's blank row) is skipped, whatever its number of fields. A file of more than
// kProgressLines lines shows its progress, with Cancel; the lists are reloaded at the end.
class CCsvImport
{
public:
    static constexpr int kProgressLines = 300;
    // Read into memory whole; anything larger is no list a spreadsheet wrote.
    static constexpr qint64 kMaxFileBytes = 256 * 1024 * 1024;

    enum class Outcome
    {
        NotRun,    // the user chose no file
        Imported,  // every record was read
        Stopped,   // a line was refused; the lines before it are imported
        Cancelled, // the user cancelled; the lines before are imported
        Failed     // the file could not be read or the book not written; nothing changed
    };

    struct Result
    {
        Outcome outcome = Outcome::NotRun;
        int added = 0;
        int updated = 0;
        int unchanged = 0;
    };

    CCsvImport(CInventoryDoc& doc, CCsvRecordImporter& importer) : m_doc(doc), m_importer(importer) {}

    // Asks for an existing CSV file, then imports it.
    Result Run();
    // Imports the file at path.
    Result RunFile(const QString& path);

    static QString FormatErrorText(int line);
    // A line the store refused stops the import like a bad line: "<failure> in Line %d, Process Stops".
    static QString RefusedLineText(int line, const QString& failure = QStringLiteral("Unable to execute command"));
    // A line refused by a check that says why in a sentence: "Line %d: <refusal> Process Stops".
    static QString LineRefusalText(int line, const QString& refusal);

private:
    // Imports records until the end, a stop or a cancel; cancelLine is where a cancel came.
    Outcome ReadRecords(CCsvLineReader& reader, bool showProgress, Result& result, int& cancelLine);

    CInventoryDoc& m_doc;
    CCsvRecordImporter& m_importer;
};
