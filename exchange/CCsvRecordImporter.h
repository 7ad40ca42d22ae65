#pragma once

#include <QString>
#include <QStringList>

// What one kind of import does with the records of its file, driven by CCsvImport: inside the
// import's one operation, Begin once, then Import for every record in file order; after the
// commit (or the failure to commit), Reload.
class CCsvRecordImporter
{
public:
    enum class LineResult
    {
        Added,
        Updated,
        Unchanged, // the record already holds what the line says; nothing written
        Stop       // the line is refused, by a check or by the store (after its message); the lines
                   // before it stay imported
    };

    virtual ~CCsvRecordImporter() = default;

    // The number of fields every record must have.
    virtual int FieldCount() const = 0;
    // The text a progress dialog shows.
    virtual QString ProgressText() const = 0;
    // Takes the lists as they are when the operation has begun.
    virtual void Begin() = 0;
    // One record of FieldCount() fields, starting on the given line of the file.
    virtual LineResult Import(const QStringList& fields, int line) = 0;
    // Brings the document's lists up to date with the file.
    virtual void Reload() = 0;
};
